// SPDX-License-Identifier: GPL-3.0-or-later
// Every shipped game keeps its cards clear of the characters beside the table: each
// pile's largest reach in play is checked against the drawn pixels of the shipped
// character pictures. The outlines the lint uses are checked against the same pixels.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <sstream>

#include "PictureFiles.h"
#include "data/TextEncoding.h"
#include "rules/CharacterFigures.h"
#include "rules/KartenTisch.h"
#include "rules/PileReach.h"

namespace {

struct DrawnPixels {
    std::string picture;
    int x0 = 0, y0 = 0; // layout position of the picture
    Pixels pixels;
};

std::vector<DrawnPixels> LoadFigure(const FigureOutline& figure) {
    std::vector<DrawnPixels> drawn;
    for (const char* member : figure.pictures) {
        if (!member) continue;
        const std::string path = TextEncoding::MemberNameToPath(member);
        DrawnPixels d{path, figure.at.x, figure.at.y, LoadPixels(StageDir() / "base" / path)};
        EXPECT_TRUE(d.pixels.Loaded()) << path;
        drawn.push_back(std::move(d));
    }
    return drawn;
}

// The outline of drawn pixels, band by band, as the lint's table writes it.
std::vector<FigureBand> MeasuredBands(const FigureOutline& figure,
                                      const std::vector<DrawnPixels>& drawn) {
    std::vector<FigureBand> bands;
    for (const DrawnPixels& d : drawn) {
        for (int y = 0; y < d.pixels.height; ++y) {
            for (int x = 0; x < d.pixels.width; ++x) {
                if (d.pixels.Alpha(x, y) == 0) continue;
                const int row = d.y0 + y - figure.top;
                EXPECT_GE(row, 0) << d.picture << " draws above the outline's first band";
                if (row < 0) continue;
                const size_t band = static_cast<size_t>(row / FigureOutline::kBandHeight);
                if (bands.size() <= band) bands.resize(band + 1, FigureBand{0, -1});
                FigureBand& b = bands[band];
                const int lx = d.x0 + x;
                b = b.right < b.left ? FigureBand{lx, lx}
                                     : FigureBand{std::min(b.left, lx), std::max(b.right, lx)};
            }
        }
    }
    return bands;
}

std::string BandTable(const std::vector<FigureBand>& bands) {
    std::ostringstream out;
    for (const FigureBand& b : bands)
        out << "{" << b.left << ", " << b.right << "}, ";
    return out.str();
}

// The drawn pixel of a figure that a rectangle covers first, if any.
bool FirstCovered(const std::vector<DrawnPixels>& drawn, const ReachRect& r, std::string& where) {
    const int x0 = static_cast<int>(std::floor(r.left)), x1 = static_cast<int>(std::ceil(r.right));
    const int y0 = static_cast<int>(std::floor(r.top)), y1 = static_cast<int>(std::ceil(r.bottom));
    for (const DrawnPixels& d : drawn) {
        for (int y = std::max(y0, d.y0); y < std::min(y1, d.y0 + d.pixels.height); ++y) {
            for (int x = std::max(x0, d.x0); x < std::min(x1, d.x0 + d.pixels.width); ++x) {
                if (d.pixels.Alpha(x - d.x0, y - d.y0) == 0) continue;
                where = d.picture + " at " + std::to_string(x) + "," + std::to_string(y);
                return true;
            }
        }
    }
    return false;
}

std::vector<std::filesystem::path> ShippedGames() {
    std::vector<std::filesystem::path> games;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(StageDir() / "games"))
        if (entry.path().extension() == ".game") games.push_back(entry.path());
    std::sort(games.begin(), games.end());
    return games;
}

} // namespace

TEST(TableLayout, TheLintOutlinesAreThoseOfTheShippedPictures) {
    for (const FigureOutline& figure : CharacterFigures()) {
        const std::vector<FigureBand> measured = MeasuredBands(figure, LoadFigure(figure));
        const std::vector<FigureBand> table(figure.bands.begin(), figure.bands.end());
        const bool same = std::equal(
            measured.begin(), measured.end(), table.begin(), table.end(),
            [](FigureBand a, FigureBand b) { return a.left == b.left && a.right == b.right; });
        EXPECT_TRUE(same) << figure.name << " has changed; its bands from row " << figure.top
                          << " are now:\n"
                          << BandTable(measured);
    }
}

TEST(TableLayout, NoPileOfAShippedGameCanRunUnderACharacter) {
    std::vector<std::pair<const FigureOutline*, std::vector<DrawnPixels>>> figures;
    for (const FigureOutline& figure : CharacterFigures())
        figures.emplace_back(&figure, LoadFigure(figure));
    const auto games = ShippedGames();
    ASSERT_GE(games.size(), 40u);
    for (const auto& path : games) {
        KartenTisch table;
        ASSERT_EQ(table.LoadGameDefinitionFile(path.string(), 1), KartenTisch::ResultOk) << path;
        for (const KartenStapel* pile : table.piles) {
            const ReachRect reach =
                LargestReach(*pile, LargestCapacity(*pile, table.deck.Count()), table.settings);
            // Inside the table at all, then clear of every figure.
            EXPECT_GE(reach.left, 0.0f) << path.filename() << " pile " << pile->pileId;
            EXPECT_LE(reach.right, 1024.0f) << path.filename() << " pile " << pile->pileId;
            for (const auto& [figure, drawn] : figures) {
                std::string where;
                EXPECT_FALSE(FirstCovered(drawn, reach, where))
                    << path.parent_path().filename().string() << " pile " << pile->pileId
                    << " reaches " << reach.left << "," << reach.top << " to " << reach.right << ","
                    << reach.bottom << " and covers " << figure->name << ": " << where;
            }
        }
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The generated pictures as the drawing code uses them: font widths, card cells, seams, the
// colour key, and that the generator gives the same bytes every time.
#include "../../tools/picgen/src/FontWidths.h"
#include "PictureFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Columns of the cell's drawn part (the top 46 rows) that hold visible ink.
std::pair<int, int> InkColumns(const Pixels& p, int code) {
    int x0 = kFontCell * (code % 16), y0 = kFontCell * (code / 16);
    int first = -1, last = -1;
    for (int x = 0; x < kFontCell; ++x) {
        for (int y = 0; y < kFontDrawnHeight; ++y) {
            if (p.Alpha(x0 + x, y0 + y) > 60) {
                if (first < 0) {
                    first = x;
                }
                last = x;
                break;
            }
        }
    }
    return {first, last};
}

std::string ReadAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<fs::path> StagedPictures() {
    std::vector<fs::path> out;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(StageDir(), ec);
         it != fs::recursive_directory_iterator(); it.increment(ec)) {
        std::string ext = it->path().extension().string();
        if (it->is_regular_file() && (ext == ".PNG" || ext == ".png")) {
            out.push_back(it->path());
        }
    }
    return out;
}

} // namespace

TEST(FontSheet, EveryGlyphSpansItsTableWidthFromTheCellsLeftEdge) {
    Pixels p = LoadPixels(StageDir() / "base" / "font.PNG");
    ASSERT_TRUE(p.Loaded());
    EXPECT_EQ(p.width, 800);
    EXPECT_EQ(p.height, 400);
    const auto widths = FontGlyphWidths();
    for (int code = 0; code < 128; ++code) {
        auto [first, last] = InkColumns(p, code);
        if (widths[code] == 0 || code == ' ' || (code >= 6 && code < 32)) {
            EXPECT_EQ(first, -1) << "code " << code << " should be empty";
            continue;
        }
        ASSERT_GE(first, 0) << "code " << code << " has no glyph";
        // The ink lies within [0, width) and, for glyphs at least as wide as their ink, is
        // centred in it; wide glyphs are squeezed to span it.
        EXPECT_LE(last + 1, widths[code] + 1) << "code " << code;
        EXPECT_GE(first, 0) << "code " << code;
        int span = last - first + 1;
        if (span >= widths[code] - 1) {
            EXPECT_LE(first, 1) << "code " << code;
        }
    }
    // Letters of ordinary width fill their width closely.
    for (int code : {'A', 'H', 'M', 'W', 'O', 'Z', 'm', 'w', '0', '8'}) {
        auto [first, last] = InkColumns(p, code);
        EXPECT_NEAR(last - first + 1, widths[code], 2) << static_cast<char>(code);
    }
}

TEST(CardSheets, FacesAndBacksFillTheirCellsAndUnusedCellsStayEmpty) {
    for (const char* name : {"klassisch.PNG", "vierfarben.PNG", "grosse_zahlen.PNG"}) {
        Pixels p = LoadPixels(StageDir() / "cards" / "karten" / name);
        ASSERT_TRUE(p.Loaded()) << name;
        const int w = p.width / 6, h = p.height / 18;
        EXPECT_EQ(w * 16, h * 11) << name << ": cells of 11 : 16";
        // Faces and backs in rows 0 … 13, the English court cards in rows 15 … 17.
        for (int col = 0; col < 4; ++col) {
            for (int row = 0; row < 18; ++row) {
                if (row == 14) continue;
                // A card is opaque in the middle of each edge and transparent at the corners.
                EXPECT_EQ(p.Alpha(col * w + w / 2, row * h + 3), 255)
                    << name << " " << col << "," << row;
                EXPECT_EQ(p.Alpha(col * w + 3, row * h + h / 2), 255)
                    << name << " " << col << "," << row;
                EXPECT_LT(p.Alpha(col * w, row * h), 40) << name << " " << col << "," << row;
            }
        }
        // Place symbols: ranks in column 4 (rows 0–12), suits and ALLES in column 5 (rows 0–5).
        auto inked = [&](int col, int row) {
            int n = 0;
            for (int y = row * h; y < (row + 1) * h; y += 2) {
                for (int x = col * w; x < (col + 1) * w; x += 2) {
                    n += p.Alpha(x, y) > 128;
                }
            }
            return n;
        };
        for (int row : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 15, 16, 17}) {
            EXPECT_GT(inked(4, row), 50) << name << " rank symbol row " << row;
        }
        for (int row = 0; row < 6; ++row) {
            EXPECT_GT(inked(5, row), 200) << name << " suit symbol row " << row;
        }
        for (int row = 6; row < 18; ++row) {
            EXPECT_EQ(inked(5, row), 0) << name << " column 5 row " << row;
        }
        // The English court rows differ from the German ones only where the index is: the
        // king (K in both) is the same picture, jack and queen are not (J, Q for B, D).
        auto sameCell = [&](int col, int rowA, int rowB) {
            for (int y = 0; y < h; y += 2)
                for (int x = 0; x < w; x += 2)
                    if (p.At(col * w + x, rowA * h + y) != p.At(col * w + x, rowB * h + y))
                        return false;
            return true;
        };
        for (int col = 0; col < 5; ++col) {
            EXPECT_TRUE(sameCell(col, 0, 15)) << name << " king, column " << col;
            EXPECT_FALSE(sameCell(col, 1, 16)) << name << " queen, column " << col;
            EXPECT_FALSE(sameCell(col, 2, 17)) << name << " jack, column " << col;
        }
        EXPECT_GT(inked(1, 14), 200) << name << ": empty-place frame";
        EXPECT_GT(inked(2, 14), 1000) << name << ": marker";
        EXPECT_EQ(inked(0, 14) + inked(3, 14) + inked(4, 13) + inked(5, 13), 0) << name;
    }
}

TEST(Backgrounds, TiledClothsJoinWithoutASeam) {
    for (const char* name : {"filz_gruen.PNG", "filz_blau.PNG", "filz_rot.PNG", "holz.PNG",
                             "schiefer.PNG", "leinen.PNG"}) {
        Pixels p = LoadPixels(StageDir() / "background" / "tisch" / name);
        ASSERT_TRUE(p.Loaded()) << name;
        auto diff = [&](int x0, int y0, int x1, int y1) {
            uint32_t a = p.At(x0, y0), b = p.At(x1, y1);
            int d = 0;
            for (int s = 0; s < 24; s += 8) {
                d +=
                    std::abs(static_cast<int>((a >> s) & 0xFF) - static_cast<int>((b >> s) & 0xFF));
            }
            return d;
        };
        double seamX = 0, seamY = 0, innerX = 0, innerY = 0;
        for (int i = 0; i < p.height; ++i) {
            seamX += diff(p.width - 1, i, 0, i);
        }
        for (int i = 0; i < p.width; ++i) {
            seamY += diff(i, p.height - 1, i, 0);
        }
        // Inner steps at a quarter, a half and three quarters of the tile; the largest counts
        // (the wood's plank seams lie there as on the tile edge).
        for (int q = 1; q <= 3; ++q) {
            double sx = 0, sy = 0;
            for (int i = 0; i < p.height; ++i) {
                sx += diff(p.width * q / 4 - 1, i, p.width * q / 4, i);
            }
            for (int i = 0; i < p.width; ++i) {
                sy += diff(i, p.height * q / 4 - 1, i, p.height * q / 4);
            }
            innerX = std::max(innerX, sx);
            innerY = std::max(innerY, sy);
        }
        // The step across the tile edge is no larger than a step inside the tile (the wood's
        // plank seams lie on the tile edge and inside alike).
        EXPECT_LE(seamX, innerX * 1.6 + p.height) << name;
        EXPECT_LE(seamY, innerY * 1.6 + p.width) << name;
    }
}

TEST(AllPictures, NoPixelHasTheColourKey) {
    // Pixels of exactly 0xFF00FF64 turn transparent when loaded.
    auto files = StagedPictures();
    ASSERT_GT(files.size(), 50u);
    for (const fs::path& f : files) {
        Pixels p = LoadPixels(f);
        ASSERT_TRUE(p.Loaded()) << f;
        size_t keyed = std::count(p.argb.begin(), p.argb.end(), 0xFF00FF64u);
        EXPECT_EQ(keyed, 0u) << f;
    }
}

TEST(Generator, DrawsTheSameBytesEveryTime) {
    const fs::path tool = fs::path(KH_BINARY_DIR) / "tools" / "picgen" / "kh_picgen";
    const fs::path scratch =
        fs::temp_directory_path() / ("kh_picgen_again_" + std::to_string(::getpid()));
    fs::remove_all(scratch);
    for (const char* group : {"font", "gui", "backgrounds"}) {
        std::string command =
            "'" + tool.string() + "' --stage '" + scratch.string() + "' --group " + group;
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
    }
    int compared = 0;
    for (auto it = fs::recursive_directory_iterator(scratch);
         it != fs::recursive_directory_iterator(); ++it) {
        if (!it->is_regular_file()) {
            continue;
        }
        fs::path staged = StageDir() / fs::relative(it->path(), scratch);
        EXPECT_EQ(ReadAll(it->path()), ReadAll(staged)) << staged;
        ++compared;
    }
    EXPECT_EQ(compared, 1 + 8 + 7);
    fs::remove_all(scratch);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliGame.h"

#include <chrono>
#include <fstream>
#include <iterator>
#include <ostream>
#include <sstream>

#include "cli/CliOptions.h"
#include "data/ArchiveSet.h"
#include "data/RegularFile.h"
#include "data/TextEncoding.h"
#include "rules/KartenTisch.h"
#include "rules/MicrosoftDeal.h"

namespace {

bool HasHighBytes(const std::string& bytes) {
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80) return true;
    return false;
}

std::string CardCode(const Card& card) {
    static const char* const kRanks[] = {"A", "2", "3",  "4", "5", "6", "7",
                                         "8", "9", "10", "J", "Q", "K"};
    static const char kSuits[] = {'C', 'D', 'S', 'H'};
    std::string code = card.rank >= 0 && card.rank <= 12 ? kRanks[card.rank] : "?";
    code += card.suit >= 0 && card.suit <= 3 ? kSuits[card.suit] : '?';
    return code;
}

} // namespace

bool ReadDefinitionFile(const std::string& path, std::string& bytes) {
    std::string text;
    if (RegularFile::Read(path, KartenTisch::MaxDefinitionBytes, text) != RegularFile::Status::ok)
        return false;
    if (HasHighBytes(text))
        if (auto latin1 = TextEncoding::Utf8ToLatin1(text)) text = std::move(*latin1);
    bytes = std::move(text);
    return true;
}

bool ReadDefinitionBytes(const CliOptions& options, std::string& bytes, std::string& error) {
    if (!options.gameFile.empty()) {
        if (!ReadDefinitionFile(options.gameFile, bytes)) {
            error = "cannot read " + options.gameFile;
            return false;
        }
        return true;
    }
    std::unique_ptr<GameArchive> main;
    ArchiveList addOns;
    OpenArchiveFamily(options.dataDir, "games", main, addOns);
    // Folder names in the archive are Latin-1; the command line is UTF-8.
    auto latin1 = [](const std::string& text) {
        return TextEncoding::Utf8ToLatin1(text).value_or(text);
    };
    const std::string category = latin1(options.CategoryFolder());
    const std::string game = latin1(options.GameFolder());
    const std::string member = category + "\\" + game + "\\" + game + ".game";
    auto data = ReadFamilyMember(ArchiveFamily(main, addOns), member, false);
    if (!data) {
        error = "no games archive in " + options.dataDir + " holds " +
                TextEncoding::Latin1ToUtf8(member);
        return false;
    }
    bytes.assign(data->begin(), data->end());
    return true;
}

bool DealTable(KartenTisch& table, const std::string& bytes, uint32_t seed, bool microsoft,
               std::string& error) {
    table.LoadGameDefinition(std::string_view(bytes), seed);
    if (!microsoft) return true;
    if (DealMicrosoft(table, bytes, seed)) return true;
    error = "this game is not dealt face up onto eight columns of 7, 7, 7, 7, 6, 6, 6, 6 "
            "cards, so the FreeCell deal numbers do not apply";
    return false;
}

uint32_t ChooseSeed(const CliOptions& options) {
    if (options.seed) return *options.seed;
    auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

void PrintCompactTable(std::ostream& out, const KartenTisch& table) {
    for (const KartenStapel* pile : table.piles) {
        out << "  " << pile->pileId << ":";
        if (pile->FaceDownCount() > 0) out << " (" << pile->FaceDownCount() << ")";
        if (pile->IsCompletelyEmpty()) out << " -";
        for (const Card* card : pile->visibleCards)
            out << ' ' << CardCode(*card);
        out << '\n';
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
// kartenhaus-cli soak: every definition of the catalog (or every file given)
// is played many times by the soak player; the first broken invariant ends the
// run with the game, seed, step and move that broke it.
#include <iostream>
#include <utility>
#include <vector>

#include "cli/CliCommands.h"
#include "cli/CliGame.h"
#include "cli/CliOptions.h"
#include "cli/SoakPlayer.h"
#include "data/ArchiveSet.h"
#include "data/GameCatalog.h"
#include "data/TextEncoding.h"

namespace {

struct Definition {
    std::string name; // for messages, UTF-8
    std::string bytes;
};

bool CollectFromFiles(const CliOptions& options, std::vector<Definition>& out) {
    for (const std::string& path : options.files) {
        Definition definition{path, {}};
        if (!ReadDefinitionFile(path, definition.bytes)) {
            std::cerr << "kartenhaus-cli soak: cannot read " << path << '\n';
            return false;
        }
        out.push_back(std::move(definition));
    }
    return true;
}

// Every game the catalogs of the data directory list, read from the games
// archives as the menu would start it.
bool CollectFromData(const CliOptions& options, std::vector<Definition>& out) {
    GameCategoryList categories;
    GameCatalog::Load(categories, options.dataDir);
    std::unique_ptr<GameArchive> main;
    ArchiveList addOns;
    OpenArchiveFamily(options.dataDir, "games", main, addOns);
    const ArchiveFamily family(main, addOns);
    for (const GameCategory* category : categories)
        for (const GameInfo* game : category->games) {
            const std::string member = GameDefinitionName(*category, *game);
            auto data = ReadFamilyMember(family, member, false);
            if (!data) {
                std::cerr << "kartenhaus-cli soak: no games archive in " << options.dataDir
                          << " holds " << TextEncoding::Latin1ToUtf8(member) << '\n';
                return false;
            }
            out.push_back({TextEncoding::Latin1ToUtf8(member), {data->begin(), data->end()}});
        }
    if (out.empty()) {
        std::cerr << "kartenhaus-cli soak: no game catalog in " << options.dataDir
                  << " names a game\n";
        return false;
    }
    return true;
}

} // namespace

int RunSoak(const CliOptions& options) {
    std::vector<Definition> definitions;
    if (!(options.dataDir.empty() ? CollectFromFiles(options, definitions)
                                  : CollectFromData(options, definitions)))
        return kExitUsage;

    const uint32_t firstSeed = ChooseSeed(options);
    SoakCounts total;
    for (const Definition& definition : definitions) {
        SoakPlayer player(definition.name, definition.bytes);
        for (int game = 0; game < options.games; ++game) {
            SoakFailure failure;
            const uint32_t seed = firstSeed + static_cast<uint32_t>(game);
            if (!player.PlayGame(seed, options.steps, failure)) {
                std::cout << "soak: invariant broken: " << failure.Text() << '\n';
                std::cerr << "kartenhaus-cli soak: repeat with: kartenhaus-cli soak --games 1"
                          << " --steps " << failure.step << " --seed " << failure.seed << ' '
                          << (options.dataDir.empty() ? definition.name
                                                      : "--data " + options.dataDir)
                          << '\n';
                return kExitProblems;
            }
        }
        const SoakCounts& counts = player.Counts();
        total.games += counts.games;
        total.steps += counts.steps;
        total.moves += counts.moves;
        total.refused += counts.refused;
        total.history += counts.history;
        total.quickSaves += counts.quickSaves;
        total.won += counts.won;
        total.restless += counts.restless;
    }
    std::cout << "soak: " << total.games << " games of " << definitions.size()
              << " definitions, seed " << firstSeed << ": " << total.steps << " steps, "
              << total.moves << " moves made, " << total.refused << " refused, " << total.history
              << " undo/redo steps, " << total.quickSaves << " quick saves loaded, " << total.won
              << " games won";
    if (total.restless > 0)
        std::cout << ", " << total.restless << " moves whose fills did not come to rest";
    std::cout << "; no invariant broken\n";
    return kExitOk;
}

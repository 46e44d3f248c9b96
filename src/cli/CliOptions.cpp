// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliOptions.h"

#include <charconv>
#include <cstdlib>
#include <cstring>

namespace {

bool ParseSeed(const char* text, uint32_t& value) {
    const char* last = text + std::strlen(text);
    auto [end, ec] = std::from_chars(text, last, value);
    return *text != '\0' && ec == std::errc() && end == last;
}

// A count from 1 to 1000000.
bool ParseCount(const std::string& text, int& value) {
    const char* first = text.c_str();
    const char* last = first + text.size();
    int parsed = 0;
    auto [end, ec] = std::from_chars(first, last, parsed);
    if (text.empty() || ec != std::errc() || end != last || parsed < 1 || parsed > 1000000)
        return false;
    value = parsed;
    return true;
}

bool ParseSeconds(const std::string& text, double& value) {
    char* end = nullptr;
    double parsed = std::strtod(text.c_str(), &end);
    if (text.empty() || end != text.c_str() + text.size() || !(parsed > 0.0) || parsed > 1e6)
        return false;
    value = parsed;
    return true;
}

// "A-B" with A <= B, both seeds.
bool ParseSeedRange(const std::string& text, uint32_t& first, uint32_t& last) {
    size_t dash = text.find('-');
    if (dash == std::string::npos) return false;
    std::string a = text.substr(0, dash), b = text.substr(dash + 1);
    return ParseSeed(a.c_str(), first) && ParseSeed(b.c_str(), last) && first <= last;
}

size_t FolderSplit(const std::string& game) {
    return game.find_first_of("/\\");
}

} // namespace

const char* CliOptions::Usage() {
    return "usage: kartenhaus-cli COMMAND [OPTIONS]\n"
           "\n"
           "Plays Kartenhaus games without a window.\n"
           "\n"
           "commands:\n"
           "  deal     deal a game and print the table in the quick-save format\n"
           "  replay   deal (or load) a game, apply a file of moves, tell whether it is won\n"
           "  lint     check .game files for problems an author wants to know about\n"
           "  soak     play many games with random moves and check the table after each\n"
           "  solve    search a deal for a winning line\n"
           "  survey   solve a range of deals and count how many can be won\n"
           "\n"
           "Run 'kartenhaus-cli COMMAND --help' for the options of a command.\n";
}

const char* CliOptions::CommandHelp(CliCommand command) {
    switch (command) {
    case CliCommand::Deal:
        return "usage: kartenhaus-cli deal (--data DIR --game CAT/GAME | --game-file FILE.game)\n"
               "                          [--seed N [--microsoft]]\n"
               "\n"
               "Loads the game, shuffles and deals it and prints the dealt table in the\n"
               "quick-save format (it can be saved and given to 'replay --layout').\n"
               "With --microsoft, N is a deal number of the FreeCell numbering (see 'solve').\n"
               "\n"
               "  --data DIR         the data directory; the game is looked up as\n"
               "                     CAT\\GAME\\GAME.game in DIR/games.gob, then in\n"
               "                     games_1.gob ... games_99.gob, as the game does\n"
               "  --game CAT/GAME    category folder and game folder of the catalog\n"
               "  --game-file FILE   a .game file on disk instead\n"
               "  --seed N           seed of the shuffle (0 ... 4294967295); without it the\n"
               "                     millisecond clock seeds it, as in the game\n"
               "\n"
               "exit status: 0 dealt, 2 usage error or unreadable file\n";
    case CliCommand::Replay:
        return "usage: kartenhaus-cli replay (--data DIR --game CAT/GAME | --game-file FILE.game)\n"
               "                            [--seed N] [--layout FILE.sav] --moves FILE [--print]\n"
               "\n"
               "Deals the game (or loads the table of a quick-save file) and applies the moves\n"
               "of FILE, one per line; '#' starts a comment. Pile numbers are the ID: values\n"
               "of the definition; N counts the visible cards from the top (1 = top card).\n"
               "\n"
               "  drag SRC N DST   drag the N-th card of pile SRC with the cards on it to DST\n"
               "  auto SRC N       double click on that card (send it where it fits)\n"
               "  click ID         click on pile ID where it shows no face-up card\n"
               "                   (turn its face-down cards, or fetch from its linked piles)\n"
               "  undo, redo, undo-all, redo-all   the history buttons\n"
               "\n"
               "After every line the automatic fills of the piles run until the table is\n"
               "still. At the end it prints 'won' or 'not won'.\n"
               "\n"
               "  --data, --game, --game-file, --seed   as for 'deal'\n"
               "  --layout FILE.sav  start from this quick-save table instead of a deal\n"
               "  --microsoft        --seed N is a deal number of the FreeCell numbering\n"
               "  --moves FILE       the moves\n"
               "  --print            print the table after every move\n"
               "\n"
               "exit status: 0 every move was legal (won or not), 3 a move was refused\n"
               "('line L: refused: MOVE' and the table are printed), 2 usage error,\n"
               "unreadable file or malformed moves file\n";
    case CliCommand::Lint:
        return "usage: kartenhaus-cli lint FILE.game...\n"
               "\n"
               "Loads each definition and reports, with the word and its position: unknown\n"
               "keys in pile blocks, rule words that are in no table (they count as NICHTS),\n"
               "ids of links, targets, sources and goals that no pile has, piles that no\n"
               "other pile can give to or take from, deals that leave cards in no pile\n"
               "or ask for more cards than the deck holds, table margins out of range, and\n"
               "piles whose cards can run under Lotte, Mia or Tarzan beside the table.\n"
               "\n"
               "exit status: 0 clean, 1 problems found, 2 usage error or unreadable file\n";
    case CliCommand::Soak:
        return "usage: kartenhaus-cli soak [--games N] [--steps N] [--seed N]\n"
               "                          (--data DIR | FILE.game...)\n"
               "\n"
               "Plays every game of the catalog in DIR (or every file given) N times with\n"
               "random moves: drags to piles that take the card, double clicks, clicks,\n"
               "undo and redo (single and whole), quick saves written and loaded again.\n"
               "After every step it checks that the piles hold exactly the cards of the\n"
               "deal, each in one list of one pile, that undo and redo restore exactly the\n"
               "state they name and that a loaded quick save shows the saved cards.\n"
               "\n"
               "  --data DIR    the data directory: Games.kat and its add-ons name the\n"
               "                games, the games archives hold them\n"
               "  --games N     games per definition (default 10)\n"
               "  --steps N     random steps per game (default 300); a won game ends early\n"
               "  --seed N      seed of the first game of each definition; game K uses\n"
               "                N + K, so '--games 1 --seed N+K' repeats it. Without it the\n"
               "                millisecond clock chooses, and the summary tells the seed\n"
               "\n"
               "exit status: 0 no invariant broken, 1 an invariant broken (the game, seed,\n"
               "step and move are printed), 2 usage error or unreadable file\n";
    case CliCommand::Solve:
        return "usage: kartenhaus-cli solve (--data DIR --game CAT/GAME | --game-file FILE.game)\n"
               "                           [--seed N [--microsoft] | --layout FILE.sav]\n"
               "                           [--max-nodes N] [--max-seconds S] [--moves-out FILE]\n"
               "\n"
               "Deals the game (or loads a quick-save table) and searches it for a winning\n"
               "line with the game's own rules. The search sees every card, face-down ones\n"
               "too, as in a game with all cards open. It prints one of\n"
               "  won N moves        a winning line of N moves was found\n"
               "  impossible         no line wins: every reachable table was searched\n"
               "  unknown (LIMIT)    a limit ended the search first\n"
               "followed by the tables searched and the time taken.\n"
               "\n"
               "  --data, --game, --game-file, --seed, --layout   as for 'replay'\n"
               "  --microsoft        N is a deal number of the FreeCell numbering (1 ...\n"
               "                     2147483647); for games dealt face up onto eight\n"
               "                     columns of 7, 7, 7, 7, 6, 6, 6, 6 cards\n"
               "  --max-nodes N      most tables the search keeps (default 300000)\n"
               "  --max-seconds S    most seconds it searches (default 30)\n"
               "  --moves-out FILE   write the winning line as a moves file for 'replay'\n"
               "\n"
               "exit status: 0 searched (whatever the verdict), 2 usage error or unreadable file\n";
    case CliCommand::Survey:
        return "usage: kartenhaus-cli survey (--data DIR --game CAT/GAME | --game-file FILE.game)\n"
               "                            --seeds A-B [--microsoft] [--jobs N]\n"
               "                            [--max-nodes N] [--max-seconds S]\n"
               "\n"
               "Solves the deals with seeds A to B (as 'solve' does each) and prints how\n"
               "many were won, impossible and unknown, the win rate with its 95 % confidence\n"
               "interval (Wilson; unknown deals count as not won) and the time per deal\n"
               "(median and maximum) and in all.\n"
               "\n"
               "  --seeds A-B        the first and last seed (or deal number)\n"
               "  --microsoft        the seeds are deal numbers of the FreeCell numbering\n"
               "  --jobs N           deals solved at once on N threads (default 1)\n"
               "  --max-nodes N, --max-seconds S   limits per deal, as for 'solve'\n"
               "\n"
               "exit status: 0 surveyed, 2 usage error or unreadable file\n";
    case CliCommand::None:
        break;
    }
    return Usage();
}

std::string CliOptions::CategoryFolder() const {
    size_t split = FolderSplit(game);
    return split == std::string::npos ? std::string() : game.substr(0, split);
}

std::string CliOptions::GameFolder() const {
    size_t split = FolderSplit(game);
    return split == std::string::npos ? game : game.substr(split + 1);
}

bool CliOptions::Parse(int argc, char** argv, std::string& error) {
    if (argc < 2) {
        error = "no command given";
        return false;
    }
    std::string word = argv[1];
    if (word == "--help" || word == "-h" || word == "help") {
        help = true;
        return true;
    }
    if (word == "deal")
        command = CliCommand::Deal;
    else if (word == "replay")
        command = CliCommand::Replay;
    else if (word == "lint")
        command = CliCommand::Lint;
    else if (word == "soak")
        command = CliCommand::Soak;
    else if (word == "solve")
        command = CliCommand::Solve;
    else if (word == "survey")
        command = CliCommand::Survey;
    else {
        error = "unknown command \"" + word + "\"";
        return false;
    }

    const bool solving = command == CliCommand::Solve || command == CliCommand::Survey;
    for (int i = 2; i < argc; ++i) {
        std::string option = argv[i];
        if (command == CliCommand::Deal && option == "--microsoft") {
            microsoft = true;
            continue;
        }
        if (option == "--help" || option == "-h") {
            help = true;
            return true;
        }
        if (command == CliCommand::Lint) {
            if (option.size() > 1 && option[0] == '-') {
                error = "lint: unknown option \"" + option + "\"";
                return false;
            }
            files.push_back(option);
            continue;
        }
        auto value = [&](std::string& field) {
            if (i + 1 >= argc) {
                error = option + " needs a value";
                return false;
            }
            field = argv[++i];
            return true;
        };
        if (option == "--data") {
            if (!value(dataDir)) return false;
        } else if (option == "--game") {
            if (!value(game)) return false;
        } else if (option == "--game-file") {
            if (!value(gameFile)) return false;
        } else if (option == "--seed") {
            std::string text;
            if (!value(text)) return false;
            uint32_t parsed = 0;
            if (!ParseSeed(text.c_str(), parsed)) {
                error = "--seed needs a number from 0 to 4294967295, not \"" + text + "\"";
                return false;
            }
            seed = parsed;
        } else if ((solving || command == CliCommand::Replay) && option == "--microsoft") {
            microsoft = true;
        } else if (solving && option == "--max-nodes") {
            std::string text;
            if (!value(text)) return false;
            int parsed = 0;
            if (!ParseCount(text, parsed)) {
                error = "--max-nodes needs a number from 1 to 1000000, not \"" + text + "\"";
                return false;
            }
            maxNodes = parsed;
        } else if (solving && option == "--max-seconds") {
            std::string text;
            if (!value(text)) return false;
            if (!ParseSeconds(text, maxSeconds)) {
                error = "--max-seconds needs a number of seconds above 0, not \"" + text + "\"";
                return false;
            }
        } else if (command == CliCommand::Solve && option == "--moves-out") {
            if (!value(movesOut)) return false;
        } else if (command == CliCommand::Survey && option == "--jobs") {
            std::string text;
            if (!value(text)) return false;
            if (!ParseCount(text, jobs) || jobs > 256) {
                error = "--jobs needs a number from 1 to 256, not \"" + text + "\"";
                return false;
            }
        } else if (command == CliCommand::Survey && option == "--seeds") {
            std::string text;
            if (!value(text)) return false;
            if (!ParseSeedRange(text, firstSeed, lastSeed)) {
                error = "--seeds needs A-B with 0 <= A <= B, not \"" + text + "\"";
                return false;
            }
            seedRange = true;
        } else if ((command == CliCommand::Replay || command == CliCommand::Solve) &&
                   option == "--layout") {
            if (!value(layout)) return false;
        } else if (command == CliCommand::Replay && option == "--moves") {
            if (!value(moves)) return false;
        } else if (command == CliCommand::Replay && option == "--print") {
            print = true;
        } else if (command == CliCommand::Soak && (option == "--games" || option == "--steps")) {
            std::string text;
            if (!value(text)) return false;
            if (!ParseCount(text, option == "--games" ? games : steps)) {
                error = option + " needs a number from 1 to 1000000, not \"" + text + "\"";
                return false;
            }
        } else if (command == CliCommand::Soak && !option.empty() && option[0] != '-') {
            files.push_back(option);
        } else {
            error = "unknown option \"" + option + "\"";
            return false;
        }
    }

    if (command == CliCommand::Lint) {
        if (files.empty()) {
            error = "lint needs at least one .game file";
            return false;
        }
        return true;
    }
    if (command == CliCommand::Soak) {
        if (!game.empty() || !gameFile.empty()) {
            error = "soak takes --data DIR or .game files, not --game or --game-file";
            return false;
        }
        if (dataDir.empty() == files.empty()) {
            error = "soak needs either --data DIR or .game files";
            return false;
        }
        return true;
    }
    bool fromData = !dataDir.empty() || !game.empty();
    if (fromData == !gameFile.empty()) {
        error = "give either --data DIR --game CAT/GAME or --game-file FILE.game";
        return false;
    }
    if (fromData && (dataDir.empty() || game.empty())) {
        error = "--data and --game go together";
        return false;
    }
    if (fromData && (CategoryFolder().empty() || GameFolder().empty())) {
        error = "--game needs CAT/GAME, the category and game folder names";
        return false;
    }
    if (command == CliCommand::Replay && moves.empty()) {
        error = "replay needs --moves FILE";
        return false;
    }
    if (command == CliCommand::Survey && !seedRange) {
        error = "survey needs --seeds A-B";
        return false;
    }
    if (microsoft && !seed && !seedRange) {
        error = "--microsoft needs the deal number as --seed N";
        return false;
    }
    if (microsoft && ((seed && *seed == 0) || (seedRange && firstSeed == 0))) {
        error = "the FreeCell deal numbers start at 1";
        return false;
    }
    if (command == CliCommand::Solve && seed && !layout.empty()) {
        error = "give either --seed or --layout, not both";
        return false;
    }
    return true;
}

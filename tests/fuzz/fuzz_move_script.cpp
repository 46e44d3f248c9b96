// SPDX-License-Identifier: GPL-3.0-or-later
// Move files: any bytes parse or stop at a line with a message; every parsed
// move's text parses back to the same move; and the moves played on a real
// game (Klondike) keep every card (see SoakAudit).
#include "FuzzSupport.h"
#include "cli/SoakAudit.h"
#include "rules/KartenTisch.h"
#include "rules/MovePlayer.h"
#include "rules/MoveScript.h"

namespace {

bool SameMove(const ScriptMove& a, const ScriptMove& b) {
    return a.kind == b.kind && a.source == b.source && a.depth == b.depth && a.target == b.target;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::istringstream input = InputStream(data, size);
    MoveScript script;
    std::string error;
    const bool parsed = script.Parse(input, error);
    FUZZ_CHECK(parsed || error.rfind("line ", 0) == 0, "a parse error without its line");

    for (const ScriptMove& move : script.moves) {
        std::vector<ScriptMove> again;
        std::string problem;
        FUZZ_CHECK(MoveScript::ParseLine(move.Text(), 1, again, problem),
                   "a move's text does not parse");
        FUZZ_CHECK(again.size() == 1 && SameMove(again[0], move), "a move's text is another move");
    }

    KartenTisch table;
    table.LoadGameDefinition(std::string_view(KlondikeDefinition()), 7);
    SoakAudit audit;
    audit.TakeCensus(table);
    MovePlayer player(table);
    int played = 0;
    for (const ScriptMove& move : script.moves) {
        if (++played > 200) break;
        std::string reason;
        (void)player.Apply(move, reason);
        const std::string problem = audit.Check(table);
        if (!problem.empty())
            std::fprintf(stderr, "%s: %s\n", move.Text().c_str(), problem.c_str());
        FUZZ_CHECK(problem.empty(), "a move broke the table");
    }
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/Solver.h"

#include <chrono>
#include <cstdint>
#include <queue>

#include "rules/KartenTisch.h"
#include "rules/MovePlayer.h"
#include "rules/SolverMoves.h"
#include "rules/StateKeySet.h"
#include "rules/TableCodec.h"

namespace {

constexpr uint32_t kNoParent = UINT32_MAX;
// Safe moves made in a row after one move; a bound against a pair of piles
// that would give one card back and forth.
constexpr int kMaxSafeMoves = 2000;

struct Node {
    uint32_t parent = kNoParent;
    uint32_t firstMove = 0; // the moves from the parent, in the move arena
    uint32_t moveCount = 0;
};

struct OpenEntry {
    int score = 0;
    uint32_t order = 0; // later tables first among equal scores: the search dives
    uint32_t node = 0;
    bool operator<(const OpenEntry& other) const {
        return score != other.score ? score < other.score : order < other.order;
    }
};

// How promising a table looks: cards home count most; cards hidden under
// others, cards kept in piles of limited size and cards lying on a card they do
// not follow (by the pile's own move order) count against it; empty places
// help. A stock's face-down cards and a waste's order are no fault: drawing
// them is the game.
int Score(const KartenTisch& table) {
    int score = 0;
    for (const KartenStapel* pile : table.piles) {
        if (pile->isGoalPile) {
            score += 100 * pile->TotalCount();
            continue;
        }
        const bool deals = pile->KOVA != Kova::AUFDECKEN && pile->KOVA != Kova::NICHTS;
        if (!deals) score -= 12 * pile->FaceDownCount();
        if (pile->sourceIds.empty()) continue;
        const int visible = pile->VisibleCount();
        if (pile->MAX_GRÖSSE_SICHTBAR != -1) score -= 6 * visible;
        if (pile->IsCompletelyEmpty() && pile->LEER_ACCEPTS_KARTEN) score += 8;
        for (int i = 1; i < visible; ++i)
            if (!pile->FitsMoveOrder(pile->visibleCards[i], i - 1)) score -= 3 * (visible - i);
    }
    return score;
}

} // namespace

const char* VerdictName(SolverVerdict verdict) {
    switch (verdict) {
    case SolverVerdict::Won:
        return "won";
    case SolverVerdict::Impossible:
        return "impossible";
    case SolverVerdict::Unknown:
        break;
    }
    return "unknown";
}

SolverResult Solver::Solve(const std::atomic<bool>* cancel) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point started = Clock::now();
    SolverResult result;
    auto finish = [&](SolverVerdict verdict, const char* limit) {
        result.verdict = verdict;
        result.limit = limit;
        result.seconds = std::chrono::duration<double>(Clock::now() - started).count();
        return result;
    };

    TableCodec codec(table);
    SolverMoves moves(table, codec.Roles());
    MovePlayer player(table, MoveHistory::Skip);
    TableState original;
    codec.Encode(original);

    std::vector<Node> nodes;
    std::vector<ScriptMove> arena;
    std::vector<TableState> states; // by node; emptied once the node is expanded
    std::priority_queue<OpenEntry> open;
    StateKeySet seen;
    size_t stateBytes = 0;
    // A move whose fills never come to rest, or a pile the move language cannot
    // reach, leaves part of the game unsearched: no proof of a lost deal then.
    bool incomplete = !moves.ReachesEveryPile();

    std::vector<ScriptMove> made;
    auto makeSafeMoves = [&]() {
        for (int k = 0; k < kMaxSafeMoves; ++k) {
            std::optional<ScriptMove> safe = moves.Safe();
            if (!safe) return true;
            std::string reason;
            if (!player.Apply(*safe, reason) || !player.Settled()) return false;
            made.push_back(*safe);
        }
        return false;
    };
    auto lineTo = [&](uint32_t node) {
        std::vector<ScriptMove> line;
        for (uint32_t at = node; at != kNoParent; at = nodes[at].parent)
            for (uint32_t k = nodes[at].moveCount; k-- > 0;)
                line.push_back(arena[nodes[at].firstMove + k]);
        return std::vector<ScriptMove>(line.rbegin(), line.rend());
    };
    auto addNode = [&](uint32_t parent) {
        Node node;
        node.parent = parent;
        node.firstMove = static_cast<uint32_t>(arena.size());
        node.moveCount = static_cast<uint32_t>(made.size());
        arena.insert(arena.end(), made.begin(), made.end());
        nodes.push_back(node);
        states.emplace_back();
        const uint32_t index = static_cast<uint32_t>(nodes.size() - 1);
        if (table.IsGameWon()) return index;
        codec.Encode(states.back());
        stateBytes += states.back().capacity() * sizeof(uint16_t);
        open.push({Score(table), index, index});
        return index;
    };
    auto wonAt = [&](uint32_t node) {
        result.line = lineTo(node);
        result.nodes = static_cast<long long>(nodes.size());
        codec.Restore(original);
        return finish(SolverVerdict::Won, "");
    };
    auto unknown = [&](const char* limit) {
        result.nodes = static_cast<long long>(nodes.size());
        codec.Restore(original);
        return finish(SolverVerdict::Unknown, limit);
    };

    player.Settle();
    if (!player.Settled() || !makeSafeMoves()) incomplete = true;
    seen.Insert(codec.Key());
    if (uint32_t root = addNode(kNoParent); table.IsGameWon()) return wonAt(root);

    std::vector<ScriptMove> legal;
    long long expanded = 0;
    while (!open.empty()) {
        if (static_cast<long long>(nodes.size()) >= limits.maxNodes) return unknown("nodes");
        const size_t bytes = nodes.capacity() * sizeof(Node) +
                             arena.capacity() * sizeof(ScriptMove) +
                             states.capacity() * sizeof(TableState) + stateBytes +
                             open.size() * sizeof(OpenEntry) + seen.MemoryBytes();
        if (bytes > limits.maxBytes) return unknown("memory");
        if ((++expanded & 63) == 0) {
            if (cancel && cancel->load(std::memory_order_relaxed)) return unknown("cancelled");
            if (std::chrono::duration<double>(Clock::now() - started).count() > limits.maxSeconds)
                return unknown("time");
        }

        const uint32_t parent = open.top().node;
        open.pop();
        TableState state = std::move(states[parent]);
        states[parent] = TableState();
        stateBytes -= state.capacity() * sizeof(uint16_t);
        codec.Restore(state);
        moves.Legal(legal);
        bool fresh = true;
        for (const ScriptMove& move : legal) {
            if (!fresh) codec.Restore(state);
            fresh = false;
            made.clear();
            std::string reason;
            if (!player.Apply(move, reason)) continue; // the rules asked above let it pass
            made.push_back(move);
            if (!player.Settled() || !makeSafeMoves()) {
                incomplete = true;
                continue;
            }
            if (!seen.Insert(codec.Key())) continue;
            const uint32_t child = addNode(parent);
            if (table.IsGameWon()) return wonAt(child);
        }
    }
    result.nodes = static_cast<long long>(nodes.size());
    codec.Restore(original);
    return incomplete ? finish(SolverVerdict::Unknown, "incomplete")
                      : finish(SolverVerdict::Impossible, "");
}

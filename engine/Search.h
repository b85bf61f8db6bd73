#pragma once

#include "ForcedWin.h"
#include "MoveList.h"
#include "Position.h"
#include "Side.h"
#include "TimeKeeper.h"
#include "TranspositionTable.h"

#include <array>

namespace kesto::engine {

struct Threats;

// The main search: iterative-deepening principal variation search over the
// root moves, with the transposition table, killer moves, late-move
// reductions and fewer moves looked at near the horizon. Answers to a four
// cost no depth; at the leaves, a short forced win by fours counts as a win.
class Search {
public:
    using CellScores = std::array<int, kCellCount + 1>;
    static constexpr int kMaxDepth = 30;

    struct Outcome {
        CellIndex move = 0;
        int score = 0;
        int depth = 0; // the deepest search that finished
    };

    Search(Position& position, TranspositionTable& table, ForcedWin& forcedWin, Deadline& deadline);

    // Searches `roots` for Side::Own, deeper and deeper until the deadline;
    // no new depth starts once `softPercent`% of the budget has gone.
    // `bonus` is added to each root move's score; `scores` receives each
    // root move's last score (or a bound above it).
    Outcome run(MoveList& roots, const CellScores& bonus, int softPercent, CellScores& scores);

    long nodes() const { return nodes_; }

    // Searches no deeper than `plies` (a weaker player's horizon).
    void limitDepth(int plies) { maxDepth_ = plies; }

private:
    static constexpr int kMaxPly = 128;
    using Killers = std::array<CellIndex, 2>;

    // One depth over the root moves; `best` follows the best move so far,
    // so a depth cut short still says what it found.
    int rootDepth(int depth, MoveList& roots, const CellScores& bonus, CellScores& scores,
                  CellIndex& best);
    int node(int depth, int ply, int alpha, int beta, Side side);
    int threatReply(const Threats& mine, const Threats& theirs, int depth, int ply, int alpha,
                    int beta, Side side, bool& settled);
    int leaf(int ply, Side side, const Threats& mine);
    int searchMoves(MoveList& moves, int depth, int ply, int alpha, int beta, Side side,
                    CellIndex& bestMove);
    void order(MoveList& moves, CellIndex remembered, int ply) const;
    void rememberCut(CellIndex move, int ply);

    Position& position_;
    TranspositionTable& table_;
    ForcedWin& forcedWin_;
    Deadline& deadline_;
    std::array<Killers, kMaxPly + 1> killers_{};
    long nodes_ = 0;
    int maxDepth_ = kMaxDepth;
};

} // namespace kesto::engine

#include "Search.h"

#include "Candidates.h"
#include "Score.h"
#include "Threats.h"

#include <algorithm>

namespace kesto::engine {

namespace {

constexpr std::size_t kBranching = 12; // moves searched where nothing is forced
// Fewer near the horizon, where a move's worth is little more than its
// look: the best-looking six with one ply left, nine with two.
constexpr std::array<std::size_t, 2> kBranchingNearHorizon{6, 9};
constexpr int kLeafFours = 4;          // fours looked at beyond the horizon
// Late moves are first searched shallower: from the fourth on by a ply,
// where some depth is left, and from the seventh on by two, where much is.
constexpr std::size_t kFullDepthMoves = 3;
constexpr int kLeastDepthToReduce = 3;
constexpr std::size_t kTwiceReducedFrom = 6;
constexpr int kLeastDepthToReduceTwice = 5;

int reductionOf(std::size_t index, int depth)
{
    if (index < kFullDepthMoves || depth < kLeastDepthToReduce) {
        return 0;
    }
    return index >= kTwiceReducedFrom && depth >= kLeastDepthToReduceTwice ? 2 : 1;
}

std::size_t at(int index)
{
    return static_cast<std::size_t>(index);
}

std::size_t branchingAt(int depth)
{
    return at(depth) <= kBranchingNearHorizon.size() ? kBranchingNearHorizon.at(at(depth - 1)) : kBranching;
}

} // namespace

Search::Search(Position& position, TranspositionTable& table, ForcedWin& forcedWin, Deadline& deadline)
    : position_(position), table_(table), forcedWin_(forcedWin), deadline_(deadline)
{
}

Search::Outcome Search::run(MoveList& roots, const CellScores& bonus, int softPercent, CellScores& scores)
{
    Outcome outcome{roots.front(), 0, 0};
    for (int depth = 1; depth <= maxDepth_; ++depth) {
        if (depth > 1 && deadline_.spent(softPercent)) {
            break; // a new depth would not finish
        }
        roots.bringForward(outcome.move);
        CellIndex best = 0;
        try {
            outcome.score = rootDepth(depth, roots, bonus, scores, best);
        } catch (const TimeUp&) {
            // A move that beat the last depth's choice in the part searched
            // is still the better one.
            if (best != 0) {
                outcome.move = best;
            }
            break;
        }
        outcome.move = best;
        outcome.depth = depth;
        if (isDecided(outcome.score) || roots.size() == 1) {
            break; // the outcome is settled, or there is nothing to choose
        }
    }
    return outcome;
}

int Search::rootDepth(int depth, MoveList& roots, const CellScores& bonus, CellScores& scores,
                      CellIndex& best)
{
    int alpha = -kInfinity;
    for (CellIndex move : roots) {
        const int extra = bonus.at(at(move));
        int score = 0;
        {
            const TriedStone stone(position_, move, Side::Own);
            if (best == 0) {
                score = -node(depth - 1, 1, -kInfinity, kInfinity, Side::Opponent) + extra;
            } else {
                const int bar = alpha - extra;
                score = -node(depth - 1, 1, -bar - 1, -bar, Side::Opponent) + extra;
                if (score > alpha) {
                    score = -node(depth - 1, 1, -kInfinity, -bar, Side::Opponent) + extra;
                }
            }
        }
        scores.at(at(move)) = score;
        if (best == 0 || score > alpha) {
            alpha = score;
            best = move;
        }
    }
    return alpha;
}

int Search::node(int depth, int ply, int alpha, int beta, Side side)
{
    deadline_.tick();
    ++nodes_;
    Threats mine;
    Threats theirs;
    readThreats(position_, side, mine);
    readThreats(position_, opponent(side), theirs);
    bool settled = false;
    const int forced = threatReply(mine, theirs, depth, ply, alpha, beta, side, settled);
    if (settled) {
        return forced;
    }
    if (depth <= 0 || ply >= kMaxPly) {
        return leaf(ply, side, mine);
    }

    CellIndex remembered = 0;
    if (const TranspositionTable::Entry* entry = table_.find(position_.keyToMove(side))) {
        remembered = entry->move;
        const int score = fromTable(entry->score, ply);
        if (entry->depth >= depth) {
            using Bound = TranspositionTable::Bound;
            if (entry->bound == Bound::Exact || (entry->bound == Bound::Lower && score >= beta)
                || (entry->bound == Bound::Upper && score <= alpha)) {
                return score;
            }
        }
    }

    MoveList moves;
    candidates(position_, side, mine, theirs, branchingAt(depth), moves);
    if (moves.empty()) {
        return 0; // a full board: no one wins
    }
    order(moves, remembered, ply);
    CellIndex bestMove = moves.front();
    const int best = searchMoves(moves, depth, ply, alpha, beta, side, bestMove);
    const auto bound = best <= alpha ? TranspositionTable::Bound::Upper
                       : best >= beta ? TranspositionTable::Bound::Lower
                                      : TranspositionTable::Bound::Exact;
    table_.store({position_.keyToMove(side), toTable(best, ply), static_cast<std::int16_t>(depth), bestMove, bound});
    return best;
}

// The replies that threats decide: a five to take, two to stop, one to
// block (at no cost in depth), two ways to five to make.
int Search::threatReply(const Threats& mine, const Threats& theirs, int depth, int ply, int alpha,
                        int beta, Side side, bool& settled)
{
    settled = true;
    if (!mine.wins.empty()) {
        return kWin - ply;
    }
    if (theirs.wins.size() > 1) {
        return -(kWin - ply - 1);
    }
    if (theirs.wins.size() == 1 && ply < kMaxPly) {
        const TriedStone block(position_, theirs.wins.front(), side);
        return -node(depth, ply + 1, -beta, -alpha, opponent(side));
    }
    if (!mine.doubleFours.empty() && theirs.wins.empty()) {
        // Two ways to five next move: a four of the opponent's comes too late.
        return kWin - ply - 2;
    }
    settled = false;
    return 0;
}

int Search::leaf(int ply, Side side, const Threats& mine)
{
    if (!mine.fours.empty() && forcedWin_.wins(position_, side, Attack::Fours, kLeafFours, deadline_)) {
        return kWin - ply - 2 * kLeafFours - 1;
    }
    return position_.evaluate(side);
}

int Search::searchMoves(MoveList& moves, int depth, int ply, int alpha, int beta, Side side,
                        CellIndex& bestMove)
{
    int best = -kInfinity;
    std::size_t index = 0;
    for (CellIndex move : moves) {
        const TriedStone stone(position_, move, side);
        const Side next = opponent(side);
        int score = 0;
        if (index == 0) {
            score = -node(depth - 1, ply + 1, -beta, -alpha, next);
        } else {
            // A late move is first tried shallower, and in full only if it
            // looks better than the best so far.
            const int reduction = reductionOf(index, depth);
            score = -node(depth - 1 - reduction, ply + 1, -alpha - 1, -alpha, next);
            if (score > alpha && reduction > 0) {
                score = -node(depth - 1, ply + 1, -alpha - 1, -alpha, next);
            }
            if (score > alpha && score < beta) {
                score = -node(depth - 1, ply + 1, -beta, -alpha, next);
            }
        }
        ++index;
        if (score > best) {
            best = score;
            bestMove = move;
        }
        alpha = std::max(alpha, score);
        if (alpha >= beta) {
            rememberCut(move, ply);
            break;
        }
    }
    return best;
}

void Search::order(MoveList& moves, CellIndex remembered, int ply) const
{
    // The table's move first, then the moves that cut off at this ply
    // elsewhere in the tree, then the rest by their quick score.
    const Killers& killers = killers_.at(at(ply));
    moves.bringForward(killers[1]);
    moves.bringForward(killers[0]);
    moves.bringForward(remembered);
}

void Search::rememberCut(CellIndex move, int ply)
{
    Killers& killers = killers_.at(at(ply));
    if (killers[0] != move) {
        killers[1] = killers[0];
        killers[0] = move;
    }
}

} // namespace kesto::engine

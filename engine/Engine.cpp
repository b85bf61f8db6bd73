#include "Engine.h"

#include "Candidates.h"
#include "FirstSafe.h"
#include "Score.h"
#include "Search.h"
#include "Threats.h"

#include <algorithm>

namespace kesto::engine {

namespace {

constexpr std::size_t kTableSlotsLog2 = 18; // positions remembered: 256 Ki
constexpr std::size_t kRootMoves = 20;
constexpr int kFoursDepth = 20;  // fours in a forced win by fours
constexpr int kThreatsDepth = 7; // threats in a forced win by threes and fours
// Shares of the move's budget, in percent counted from its start, by which
// each part of the thinking must be done: our own forced wins by fours; the
// root moves' check against the opponent's; our own forced wins by threes
// and fours; the search (no new depth after the first figure, none at all
// after the second); and last the check of its choice against the
// opponent's forced wins by threes and fours. The checks around the search
// take a few milliseconds in most positions, so the search is left nearly
// all of the budget; the rest is kept for the clock's coarseness.
//
// (Checking every root move against the opponent's forced wins by threes
// and fours before the search, rather than only the search's choice after
// it, scored worse in matches, and still no better once the solver had
// grown many times faster: the time is better spent searching.)
constexpr int kFoursShare = 20;
constexpr int kRootsShare = 30;
constexpr int kThreatsShare = 40;
constexpr int kSearchSoftShare = 70;
constexpr int kSearchShare = 90;
constexpr int kCheckShare = 97;
constexpr int kOpeningStones = 4; // up to here, equally good moves are chosen at random
constexpr int kOpeningJitter = 3; // by this much at most

std::size_t at(int index)
{
    return static_cast<std::size_t>(index);
}

} // namespace

Engine::Engine(unsigned seed) : random_(seed)
{
    table_.reset(kTableSlotsLog2);
}

void Engine::newGame()
{
    table_.reset(kTableSlotsLog2);
    forcedWin_.forget();
    position_ = Position();
    recent_.clear();
    player_ = 0;
}

void Engine::setStrength(Strength strength)
{
    strength_ = strength;
}

void Engine::follow(const Board& board, std::int16_t player)
{
    if (player != player_) {
        newGame();
        player_ = player;
    }
    // Usually the board is the last one plus a stone or two; anything else
    // (a stone taken back, another game) is read afresh.
    MoveList added;
    for (int index = 1; index <= kCellCount; ++index) {
        const auto cell = static_cast<CellIndex>(index);
        const std::int16_t stone = board.at(cell);
        const std::optional<Side> kept = position_.owner(cell);
        if (kept.has_value() != (stone != kEmpty)
            || (kept && (*kept == Side::Own) != (stone == player))) {
            if (kept) {
                position_.load(board, player);
                recent_.clear();
                return;
            }
            added.push(cell);
        }
    }
    for (CellIndex cell : added) {
        position_.place(cell, board.at(cell) == player ? Side::Own : Side::Opponent);
        recent_.push(cell);
    }
}

CellIndex Engine::chooseMove(const Board& board, std::int16_t player, const Limits& limits,
                             const std::atomic<bool>* stop)
{
    Deadline deadline(limits, stop);
    table_.nextMove();
    follow(board, player);
    lastDepth_ = 0;
    lastScore_ = 0;
    lastNodes_ = 0;
    if (position_.stones() == kCellCount) {
        return 0;
    }
    const LevelPlay& play = playOf(strength_);
    int searchDepth = play.searchDepth > 0 ? play.searchDepth : Search::kMaxDepth;
    if (limits.depth > 0) {
        searchDepth = std::min(searchDepth, limits.depth);
    }
    if (play.byEye) {
        if (position_.stones() == 0) {
            return obvious();
        }
        return CasualPlayer(strength_).choose(position_, recent_, forcedWin_, deadline, random_);
    }
    if (const CellIndex move = obvious(); move != 0) {
        return move;
    }
    if (const CellIndex move = forcedWin(Attack::Fours, kFoursDepth, kFoursShare, deadline); move != 0) {
        return move;
    }
    MoveList roots;
    rootMoves(roots, deadline);
    if (roots.size() == 1) {
        return roots.front();
    }
    if (!play.threatWins) {
        return search(roots, searchDepth, play.threatWins, deadline);
    }
    if (const CellIndex move = forcedWin(Attack::ThreesAndFours, kThreatsDepth, kThreatsShare, deadline);
        move != 0) {
        return move;
    }
    return search(roots, searchDepth, play.threatWins, deadline);
}

CellIndex Engine::obvious()
{
    if (position_.stones() == 0) {
        // Open somewhere in the middle, not always in the same place.
        constexpr int kMiddle = kBoardSide / 2;
        std::uniform_int_distribution<int> pick(0, 1);
        return cellAt(kMiddle + pick(random_), kMiddle + pick(random_));
    }
    Threats mine;
    Threats theirs;
    readThreats(position_, Side::Own, mine);
    readThreats(position_, Side::Opponent, theirs);
    if (!mine.wins.empty()) {
        return mine.wins.front();
    }
    if (!theirs.wins.empty()) {
        return theirs.wins.front(); // if there are two, the game is lost anyway
    }
    if (!mine.doubleFours.empty()) {
        return mine.doubleFours.front(); // two ways to five: a four of theirs comes too late
    }
    return 0;
}

CellIndex Engine::forcedWin(Attack kind, int depth, int percent, Deadline& deadline)
{
    const Deadline::Share share(deadline, percent);
    try {
        deadline.check();
        return forcedWin_.find(position_, Side::Own, kind, depth, deadline);
    } catch (const TimeUp&) {
        return 0;
    }
}

void Engine::rootMoves(MoveList& roots, Deadline& deadline)
{
    Threats mine;
    Threats theirs;
    readThreats(position_, Side::Own, mine);
    readThreats(position_, Side::Opponent, theirs);
    candidates(position_, Side::Own, mine, theirs, kRootMoves, roots);
    // Drop the moves after which the opponent wins by fours, if all can be
    // checked in time and some move is left.
    const Deadline::Share share(deadline, kRootsShare);
    MoveList safe;
    try {
        deadline.check();
        for (CellIndex move : roots) {
            if (!opponentWinsAfter(move, Attack::Fours, kFoursDepth, deadline)) {
                safe.push(move);
            }
        }
    } catch (const TimeUp&) {
        return;
    }
    if (!safe.empty()) {
        roots = safe;
    }
}

bool Engine::opponentWinsAfter(CellIndex move, Attack kind, int depth, Deadline& deadline)
{
    const TriedStone stone(position_, move, Side::Own);
    return forcedWin_.wins(position_, Side::Opponent, kind, depth, deadline);
}

CellIndex Engine::search(MoveList& roots, int maxDepth, bool checked, Deadline& deadline)
{
    // Early on, moves that score alike are told apart by a little chance.
    Search::CellScores bonus{};
    if (position_.stones() < kOpeningStones) {
        std::uniform_int_distribution<int> pick(0, kOpeningJitter);
        for (CellIndex move : roots) {
            bonus.at(at(move)) = pick(random_);
        }
    }
    Search::CellScores scores{};
    Search::Outcome outcome;
    {
        const Deadline::Share share(deadline, kSearchShare);
        Search search(position_, table_, forcedWin_, deadline);
        search.limitDepth(maxDepth);
        outcome = search.run(roots, bonus, kSearchSoftShare, scores);
        lastNodes_ = search.nodes();
    }
    lastDepth_ = outcome.depth;
    lastScore_ = outcome.score;
    if (outcome.score > kDecided || !checked) {
        return outcome.move;
    }
    std::stable_sort(roots.begin(), roots.end(), [&](CellIndex a, CellIndex b) {
        return scores.at(at(a)) > scores.at(at(b));
    });
    return safest(roots, outcome.move, deadline);
}

CellIndex Engine::safest(MoveList& roots, CellIndex choice, Deadline& deadline)
{
    roots.bringForward(choice);
    const Deadline::Share share(deadline, kCheckShare);
    try {
        deadline.check();
    } catch (const TimeUp&) {
        return choice;
    }
    return firstSafe(roots, [&](CellIndex move) {
        return opponentWinsAfter(move, Attack::ThreesAndFours, kThreatsDepth, deadline);
    });
}

} // namespace kesto::engine

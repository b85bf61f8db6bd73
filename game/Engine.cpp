#include "Engine.h"

#include "LineTest.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace kesto {

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kWin = 1'000'000;
constexpr int kDecided = kWin - 1000; // scores beyond this are wins or losses
constexpr int kInfinity = std::numeric_limits<int>::max() / 2;
// What a five-cell window is worth to the side holding 0..4 stones in it,
// when the other side holds none.
constexpr std::array<int, kLineLength> kWindowValue{0, 2, 16, 128, 1024};
constexpr std::size_t kRootMoves = 16;
constexpr std::size_t kBranching = 10;
constexpr int kMaxDepth = 24;
constexpr int kFoursDepth = 12; // attacking moves in a forced win by fours
constexpr int kThreatsDepth = 5; // attacking moves in a forced win by threes and fours
// Tenths of the budget, counted from the start: our own forced wins by threes
// are looked for until the first, the search runs until the second, and
// checking its choice against the opponent's forced wins until the third.
// The rest is kept for finishing up.
constexpr int kThreatShare = 2;
constexpr int kSearchShare = 7;
constexpr int kCheckShare = 9;
// Each depth of the search takes up to this many times as long as the last.
constexpr int kDepthGrowth = 5;
// The clock is read once every so many positions (these plus one): the
// forced-win searches spend longer on each position than the main search.
constexpr long kThreatClockMask = 255;
constexpr long kSearchClockMask = 1023;
constexpr int kNear = 2;        // candidate moves lie this close to a stone
constexpr int kOpeningStones = 4;   // up to here, equally good moves are chosen at random
constexpr int kOpeningJitter = 3;   // by this much at most
constexpr std::size_t kTableSlotsLog2 = 17; // positions remembered per move: 128 Ki

int rowOf(int cell) { return (cell - 1) / kBoardSide; }
int columnOf(int cell) { return (cell - 1) % kBoardSide; }

// The windows of the board, the windows through each cell, the cells near
// each cell, and the random keys that name positions.
struct Geometry {
    std::vector<std::array<CellIndex, kLineLength>> windows;
    std::array<std::vector<int>, kCellCount + 1> windowsOf;
    std::array<std::vector<CellIndex>, kCellCount + 1> nearby;
    std::array<std::array<std::uint64_t, 2>, kCellCount + 1> keys{};

    Geometry()
    {
        constexpr int kSteps[4][2] = {{0, 1}, {1, 0}, {1, 1}, {1, -1}};
        for (const auto& step : kSteps) {
            for (int row = 0; row < kBoardSide; ++row) {
                for (int column = 0; column < kBoardSide; ++column) {
                    const int lastRow = row + step[0] * (kLineLength - 1);
                    const int lastColumn = column + step[1] * (kLineLength - 1);
                    if (lastRow >= kBoardSide || lastColumn < 0 || lastColumn >= kBoardSide) {
                        continue;
                    }
                    std::array<CellIndex, kLineLength> window{};
                    for (int k = 0; k < kLineLength; ++k) {
                        window.at(static_cast<std::size_t>(k)) = static_cast<CellIndex>(
                            (row + step[0] * k) * kBoardSide + column + step[1] * k + 1);
                    }
                    for (CellIndex cell : window) {
                        windowsOf.at(static_cast<std::size_t>(cell)).push_back(static_cast<int>(windows.size()));
                    }
                    windows.push_back(window);
                }
            }
        }
        std::uint64_t state = 0x9E3779B97F4A7C15ULL;
        for (int cell = 1; cell <= kCellCount; ++cell) {
            for (int dRow = -kNear; dRow <= kNear; ++dRow) {
                for (int dColumn = -kNear; dColumn <= kNear; ++dColumn) {
                    const int row = rowOf(cell) + dRow;
                    const int column = columnOf(cell) + dColumn;
                    if ((dRow != 0 || dColumn != 0) && row >= 0 && row < kBoardSide && column >= 0
                        && column < kBoardSide) {
                        nearby.at(static_cast<std::size_t>(cell))
                            .push_back(static_cast<CellIndex>(row * kBoardSide + column + 1));
                    }
                }
            }
            for (auto& key : keys.at(static_cast<std::size_t>(cell))) {
                // splitmix64: well-spread keys from a fixed start
                state += 0x9E3779B97F4A7C15ULL;
                std::uint64_t mixed = state;
                mixed = (mixed ^ (mixed >> 30)) * 0xBF58476D1CE4E5B9ULL;
                mixed = (mixed ^ (mixed >> 27)) * 0x94D049BB133111EBULL;
                key = mixed ^ (mixed >> 31);
            }
        }
    }
};

const Geometry& geometry()
{
    static const Geometry instance;
    return instance;
}

std::size_t at(int index) { return static_cast<std::size_t>(index); }

// Win and loss scores are counted from the root; the table keeps them
// counted from the position they belong to.
int toTable(int score, int ply)
{
    return score > kDecided ? score + ply : score < -kDecided ? score - ply : score;
}

int fromTable(int score, int ply)
{
    return score > kDecided ? score - ply : score < -kDecided ? score + ply : score;
}

} // namespace

Engine::Engine(unsigned seed) : random_(seed) {}

void Engine::load(const Board& board, std::int16_t player)
{
    players_[kMe] = player;
    players_[kThem] = 0; // any other stone is the opponent's
    board_ = Board{};
    cells_.fill(-1);
    near_.fill(0);
    key_ = 0;
    for (auto& count : counts_) {
        count = {0, 0};
    }
    for (int cell = 1; cell <= kCellCount; ++cell) {
        const std::int16_t owner = board.at(cell);
        if (owner != kEmpty) {
            if (owner != player && players_[kThem] == 0) {
                players_[kThem] = owner;
            }
            place(static_cast<CellIndex>(cell), owner == player ? kMe : kThem);
        }
    }
    if (players_[kThem] == 0) {
        players_[kThem] = player == 1 ? 2 : 1;
    }
    // Stones of a third kind, if any, count as the opponent's too.
    for (int cell = 1; cell <= kCellCount; ++cell) {
        if (cells_.at(at(cell)) == kThem) {
            board_.at(cell) = players_[kThem];
        }
    }
}

void Engine::place(CellIndex cell, int side)
{
    const Geometry& shape = geometry();
    cells_.at(at(cell)) = side;
    board_.at(cell) = players_[side];
    key_ ^= shape.keys.at(at(cell)).at(at(side));
    for (int window : shape.windowsOf.at(at(cell))) {
        ++counts_.at(at(window)).at(at(side));
    }
    for (CellIndex other : shape.nearby.at(at(cell))) {
        ++near_.at(at(other));
    }
}

void Engine::lift(CellIndex cell, int side)
{
    const Geometry& shape = geometry();
    cells_.at(at(cell)) = -1;
    board_.at(cell) = kEmpty;
    key_ ^= shape.keys.at(at(cell)).at(at(side));
    for (int window : shape.windowsOf.at(at(cell))) {
        --counts_.at(at(window)).at(at(side));
    }
    for (CellIndex other : shape.nearby.at(at(cell))) {
        --near_.at(at(other));
    }
}

bool Engine::completes(CellIndex cell, int side)
{
    // The rules decide what a win is.
    board_.at(cell) = players_[side];
    WinLine scratch;
    const bool won = completesLine(board_, cell, players_[side], scratch);
    board_.at(cell) = kEmpty;
    return won;
}

void Engine::noteFour(CellIndex cell, CellIndex completion, Threats& out)
{
    if (seen_.at(at(cell)) != stamp_) {
        seen_.at(at(cell)) = stamp_;
        completion_.at(at(cell)) = completion;
        twice_.at(at(cell)) = false;
        out.fours.push(cell);
    } else if (!twice_.at(at(cell)) && completion_.at(at(cell)) != completion) {
        twice_.at(at(cell)) = true;
        out.threes.push(cell);
    }
}

void Engine::analyse(int side, Threats& out)
{
    out.wins.clear();
    out.fours.clear();
    out.threes.clear();
    ++stamp_;
    const Geometry& shape = geometry();
    for (std::size_t w = 0; w < shape.windows.size(); ++w) {
        const int mine = counts_[w][at(side)];
        if (mine < kLineLength - 2 || counts_[w][at(1 - side)] != 0) {
            continue;
        }
        std::array<CellIndex, 2> empty{};
        std::size_t found = 0;
        for (CellIndex cell : shape.windows[w]) {
            if (cells_[at(cell)] < 0) {
                empty.at(found++) = cell;
            }
        }
        if (mine == kLineLength - 1) {
            if (!out.wins.contains(empty[0]) && completes(empty[0], side)) {
                out.wins.push(empty[0]);
            }
        } else {
            noteFour(empty[0], empty[1], out);
            noteFour(empty[1], empty[0], out);
        }
    }
}

int Engine::evaluate(int side) const
{
    int own = 0;
    int their = 0;
    for (const auto& count : counts_) {
        const int mine = count[at(side)];
        const int theirs = count[at(1 - side)];
        if (theirs == 0) {
            own += kWindowValue[at(mine)];
        } else if (mine == 0) {
            their += kWindowValue[at(theirs)];
        }
    }
    // The side to move gets to use its threats first.
    return own * 6 / 5 - their;
}

int Engine::moveScore(CellIndex cell, int side) const
{
    int score = 0;
    for (int window : geometry().windowsOf.at(at(cell))) {
        const int mine = counts_[at(window)][at(side)];
        const int theirs = counts_[at(window)][at(1 - side)];
        if (theirs == 0) {
            score += mine == kLineLength - 1 ? kWin : kWindowValue[at(mine + 1)] - kWindowValue[at(mine)];
        }
        if (mine == 0) {
            score += kWindowValue[at(std::min(theirs, kLineLength - 1))];
        }
    }
    return score;
}

void Engine::bestLooking(int side, std::size_t limit, MoveList& out) const
{
    std::array<std::pair<int, CellIndex>, kCellCount> scored{};
    std::size_t count = 0;
    for (int cell = 1; cell <= kCellCount; ++cell) {
        if (cells_[at(cell)] < 0 && near_[at(cell)] > 0) {
            scored.at(count++) = {moveScore(static_cast<CellIndex>(cell), side), static_cast<CellIndex>(cell)};
        }
    }
    const std::size_t kept = std::min(limit, count);
    std::partial_sort(scored.begin(), scored.begin() + static_cast<std::ptrdiff_t>(kept),
                      scored.begin() + static_cast<std::ptrdiff_t>(count),
                      [](const auto& a, const auto& b) { return a.first > b.first; });
    for (std::size_t i = 0; i < kept; ++i) {
        out.pushUnique(scored.at(i).second);
    }
}

void Engine::stoppers(int side, const Threats& threats, MoveList& out)
{
    // Such a stone must sit in a window where `side` has three stones, so on
    // a cell where `side` would make a four; try each of those.
    Threats after;
    for (CellIndex cell : threats.fours) {
        place(cell, 1 - side);
        analyse(side, after);
        lift(cell, 1 - side);
        if (after.threes.empty()) {
            out.push(cell);
        }
    }
}

void Engine::movesFor(int side, const Threats& mine, const Threats& theirs, std::size_t limit,
                      MoveList& out)
{
    out.clear();
    if (theirs.threes.empty()) {
        bestLooking(side, limit, out);
        for (CellIndex cell : mine.threes) {
            out.pushUnique(cell);
        }
        return;
    }
    // The opponent is one move from two ways to five. Only a stone that
    // takes that away from every cell, or a four of our own that must be
    // answered first, can matter.
    stoppers(1 - side, theirs, out);
    if (out.empty()) {
        // Nothing stops it all: block where it is strongest and hope.
        for (CellIndex cell : theirs.threes) {
            out.push(cell);
        }
    }
    for (CellIndex cell : mine.fours) {
        out.pushUnique(cell);
    }
    std::stable_sort(out.begin(), out.end(), [&](CellIndex a, CellIndex b) {
        return moveScore(a, side) > moveScore(b, side);
    });
}

int Engine::quickScore(const Board& board, std::int16_t player, CellIndex cell)
{
    Engine engine(0);
    engine.load(board, player);
    return engine.moveScore(cell, kMe);
}

void Engine::countNode(long clockMask)
{
    ++nodes_;
    if ((nodes_ & clockMask) == 0) {
        checkTime();
    }
}

void Engine::checkTime()
{
    if ((stop_ != nullptr && stop_->load()) || Clock::now() > deadline_) {
        throw TimeUp();
    }
}

bool Engine::winsByFours(int side, int depth, CellIndex* first)
{
    countNode(kThreatClockMask);
    Threats mine;
    analyse(side, mine);
    if (!mine.wins.empty()) {
        if (first != nullptr) {
            *first = mine.wins.front();
        }
        return true;
    }
    if (depth == 0 || mine.fours.empty()) {
        return false;
    }
    Threats theirs;
    analyse(1 - side, theirs);
    if (theirs.wins.size() > 1) {
        return false;
    }
    Threats after;
    for (CellIndex four : mine.fours) {
        // A five threatened by the opponent must be stopped by the four itself.
        if (!theirs.wins.empty() && four != theirs.wins.front()) {
            continue;
        }
        place(four, side);
        analyse(side, after);
        bool won = after.wins.size() > 1;
        if (after.wins.size() == 1) {
            const CellIndex answer = after.wins.front(); // the only answer
            if (!completes(answer, 1 - side)) {
                place(answer, 1 - side);
                won = winsByFours(side, depth - 1, nullptr);
                lift(answer, 1 - side);
            }
        }
        lift(four, side);
        if (won) {
            if (first != nullptr) {
                *first = four;
            }
            return true;
        }
    }
    return false;
}

void Engine::threeMakers(int side, MoveList& out)
{
    // A three can only grow in a window where `side` has two stones and the
    // opponent none; of those cells, keep the ones that make two ways to five
    // possible next move.
    out.clear();
    MoveList tried;
    Threats after;
    const Geometry& shape = geometry();
    for (std::size_t w = 0; w < shape.windows.size(); ++w) {
        if (counts_[w][at(side)] != kLineLength - 3 || counts_[w][at(1 - side)] != 0) {
            continue;
        }
        for (CellIndex cell : shape.windows[w]) {
            if (cells_[at(cell)] >= 0 || tried.contains(cell)) {
                continue;
            }
            tried.push(cell);
            place(cell, side);
            analyse(side, after);
            lift(cell, side);
            if (!after.threes.empty()) {
                out.push(cell);
            }
        }
    }
}

bool Engine::winsByThreats(int side, int depth, CellIndex* first)
{
    countNode(kThreatClockMask);
    const int other = 1 - side;
    Threats mine;
    analyse(side, mine);
    if (!mine.wins.empty()) {
        if (first != nullptr) {
            *first = mine.wins.front();
        }
        return true;
    }
    Threats theirs;
    analyse(other, theirs);
    if (theirs.wins.size() > 1) {
        return false;
    }
    if (!mine.threes.empty() && theirs.wins.empty() && theirs.fours.empty()) {
        if (first != nullptr) {
            *first = mine.threes.front();
        }
        return true;
    }
    if (depth == 0) {
        return false;
    }
    // The threats to try: every four, then every new three.
    MoveList attacks;
    for (CellIndex cell : mine.fours) {
        attacks.push(cell);
    }
    if (theirs.fours.empty()) {
        // (While the opponent can make a four, a three gives it time to.)
        MoveList threes;
        threeMakers(side, threes);
        for (CellIndex cell : threes) {
            attacks.pushUnique(cell);
        }
    }
    Threats after;
    Threats defender;
    for (CellIndex attack : attacks) {
        // A five threatened by the opponent must be stopped by the attack itself.
        if (!theirs.wins.empty() && attack != theirs.wins.front()) {
            continue;
        }
        place(attack, side);
        analyse(side, after);
        bool won = after.wins.size() > 1;
        if (after.wins.size() == 1) {
            const CellIndex answer = after.wins.front(); // the only answer to a four
            if (!completes(answer, other)) {
                place(answer, other);
                won = winsByThreats(side, depth - 1, nullptr);
                lift(answer, other);
            }
        } else if (!won && !after.threes.empty()) {
            // A three: every stone that stops it, and every four the
            // opponent can make instead, must fail.
            analyse(other, defender);
            MoveList answers;
            stoppers(side, after, answers);
            for (CellIndex cell : defender.fours) {
                answers.pushUnique(cell);
            }
            won = true;
            for (CellIndex answer : answers) {
                if (completes(answer, other)) {
                    won = false;
                    break;
                }
                place(answer, other);
                const bool stillWins = winsByThreats(side, depth - 1, nullptr);
                lift(answer, other);
                if (!stillWins) {
                    won = false;
                    break;
                }
            }
        }
        lift(attack, side);
        if (won) {
            if (first != nullptr) {
                *first = attack;
            }
            return true;
        }
    }
    return false;
}

int Engine::search(int depth, int ply, int alpha, int beta, int side)
{
    countNode(kSearchClockMask);
    Threats mine;
    analyse(side, mine);
    if (!mine.wins.empty()) {
        return kWin - ply;
    }
    Threats theirs;
    analyse(1 - side, theirs);
    if (theirs.wins.size() > 1) {
        return -(kWin - ply - 1); // two ways to five: one block is not enough
    }
    if (theirs.wins.size() == 1) {
        // The answer is forced, so it costs no depth.
        const CellIndex block = theirs.wins.front();
        place(block, side);
        const int score = -search(depth, ply + 1, -beta, -alpha, 1 - side);
        lift(block, side);
        return score;
    }
    if (!mine.threes.empty() && theirs.fours.empty()) {
        // Two ways to five next move, and the opponent cannot even make a
        // four to hold it up.
        return kWin - ply - 2;
    }
    if (depth <= 0) {
        return evaluate(side);
    }

    CellIndex remembered = 0;
    if (const TranspositionTable::Entry* entry = table_.find(key_)) {
        remembered = entry->move;
        if (entry->depth >= depth) {
            const int score = fromTable(entry->score, ply);
            if (entry->bound == TranspositionTable::Bound::Exact) {
                return score;
            }
            if (entry->bound == TranspositionTable::Bound::Lower) {
                alpha = std::max(alpha, score);
            } else {
                beta = std::min(beta, score);
            }
            if (alpha >= beta) {
                return score;
            }
        }
    }

    MoveList moves;
    movesFor(side, mine, theirs, kBranching, moves);
    if (moves.empty()) {
        return 0; // a full board: no one wins
    }
    moves.bringForward(remembered);
    const int startAlpha = alpha;
    int best = -kInfinity;
    CellIndex bestMove = moves.front();
    bool firstMove = true;
    for (CellIndex move : moves) {
        place(move, side);
        int score = 0;
        if (firstMove) {
            score = -search(depth - 1, ply + 1, -beta, -alpha, 1 - side);
        } else {
            score = -search(depth - 1, ply + 1, -alpha - 1, -alpha, 1 - side);
            if (score > alpha && score < beta) {
                score = -search(depth - 1, ply + 1, -beta, -alpha, 1 - side);
            }
        }
        lift(move, side);
        firstMove = false;
        if (score > best) {
            best = score;
            bestMove = move;
        }
        alpha = std::max(alpha, score);
        if (alpha >= beta) {
            break;
        }
    }
    const auto bound = best <= startAlpha ? TranspositionTable::Bound::Upper
                       : best >= beta     ? TranspositionTable::Bound::Lower
                                          : TranspositionTable::Bound::Exact;
    table_.store({key_, toTable(best, ply), static_cast<std::int16_t>(depth), bestMove, bound});
    return best;
}

CellIndex Engine::chooseMove(const Board& board, std::int16_t player,
                             std::chrono::milliseconds budget, const std::atomic<bool>* stop)
{
    const Clock::time_point start = Clock::now();
    deadline_ = start + budget * kSearchShare / 10;
    stop_ = stop;
    nodes_ = 0;
    lastDepth_ = 0;
    table_.reset(kTableSlotsLog2);
    load(board, player);

    int stones = 0;
    for (int cell = 1; cell <= kCellCount; ++cell) {
        stones += cells_.at(at(cell)) >= 0 ? 1 : 0;
    }
    if (stones == kCellCount) {
        return 0;
    }
    if (stones == 0) {
        // Open somewhere in the middle, not always in the same place.
        constexpr std::array<CellIndex, 4> kMiddle{45, 46, 55, 56};
        return kMiddle.at(std::uniform_int_distribution<std::size_t>(0, kMiddle.size() - 1)(random_));
    }
    Threats mine;
    Threats theirs;
    analyse(kMe, mine);
    analyse(kThem, theirs);
    if (!mine.wins.empty()) {
        return mine.wins.front();
    }
    if (!theirs.wins.empty()) {
        return theirs.wins.front(); // if there are two, the game is lost anyway
    }
    if (!mine.threes.empty() && theirs.fours.empty()) {
        return mine.threes.front();
    }

    MoveList roots;
    movesFor(kMe, mine, theirs, kRootMoves, roots);
    if (roots.empty()) {
        for (int cell = 1; cell <= kCellCount; ++cell) {
            if (cells_.at(at(cell)) < 0) {
                return static_cast<CellIndex>(cell);
            }
        }
    }

    // A forced win by fours ends the game: look for one first. Then drop
    // the moves that leave the opponent one, unless every move does.
    try {
        // The shortest first, so that each move brings the win nearer.
        for (int depth = 1; depth <= kFoursDepth; ++depth) {
            CellIndex attack = 0;
            if (winsByFours(kMe, depth, &attack)) {
                return attack;
            }
        }
        MoveList safe;
        for (CellIndex move : roots) {
            place(move, kMe);
            const bool lost = winsByFours(kThem, kFoursDepth, nullptr);
            lift(move, kMe);
            if (!lost) {
                safe.push(move);
            }
        }
        if (!safe.empty()) {
            roots = safe;
        }
    } catch (const TimeUp&) {
        load(board, player);
    }
    // A forced win by threes and fours, as far as its share of time allows.
    deadline_ = start + budget * kThreatShare / 10;
    try {
        for (int depth = 1; depth <= kThreatsDepth; ++depth) {
            CellIndex attack = 0;
            if (winsByThreats(kMe, depth, &attack)) {
                return attack;
            }
        }
    } catch (const TimeUp&) {
        load(board, player);
    }
    deadline_ = start + budget * kSearchShare / 10;

    // Early on, moves that score alike are told apart by a little chance.
    std::array<int, kCellCount + 1> jitter{};
    if (stones < kOpeningStones) {
        std::uniform_int_distribution<int> pick(0, kOpeningJitter);
        for (CellIndex move : roots) {
            jitter.at(at(move)) = pick(random_);
        }
    }

    // Iterative deepening: each depth starts from the best move of the last.
    const Clock::time_point searchStart = Clock::now();
    CellIndex choice = roots.front();
    int outcome = 0;                          // the choice's score
    std::array<int, kCellCount + 1> scores{}; // each root move's, or a bound above it
    for (int depth = 1; depth <= kMaxDepth; ++depth) {
        roots.bringForward(choice);
        int alpha = -kInfinity;
        CellIndex bestThisDepth = 0;
        try {
            for (CellIndex move : roots) {
                const int bonus = jitter.at(at(move));
                place(move, kMe);
                int score = 0;
                if (bestThisDepth == 0) {
                    score = -search(depth - 1, 1, -kInfinity, kInfinity, kThem) + bonus;
                } else {
                    score = -search(depth - 1, 1, -(alpha - bonus) - 1, -(alpha - bonus), kThem) + bonus;
                    if (score > alpha) {
                        score = -search(depth - 1, 1, -kInfinity, -(alpha - bonus), kThem) + bonus;
                    }
                }
                lift(move, kMe);
                scores.at(at(move)) = score;
                if (bestThisDepth == 0 || score > alpha) {
                    alpha = score;
                    bestThisDepth = move;
                }
            }
        } catch (const TimeUp&) {
            load(board, player);
            // A move that beat the last depth's choice in the part searched
            // is still the better one.
            if (bestThisDepth != 0) {
                choice = bestThisDepth;
            }
            break;
        }
        choice = bestThisDepth;
        outcome = alpha;
        lastDepth_ = depth;
        if (alpha > kDecided || alpha < -kDecided || roots.size() == 1) {
            break; // the outcome is settled, or there is nothing to choose
        }
        // Do not start a depth that cannot finish.
        if ((Clock::now() - searchStart) * kDepthGrowth > budget) {
            break;
        }
    }

    // Last, make sure the choice leaves the opponent no forced win by threes
    // and fours; if it does, take the best-scoring move that does not.
    if (outcome > kDecided) {
        return choice;
    }
    deadline_ = start + budget * kCheckShare / 10;
    std::stable_sort(roots.begin(), roots.end(), [&](CellIndex a, CellIndex b) {
        return scores.at(at(a)) > scores.at(at(b));
    });
    roots.bringForward(choice);
    try {
        for (CellIndex move : roots) {
            place(move, kMe);
            const bool lost = winsByThreats(kThem, kThreatsDepth, nullptr);
            lift(move, kMe);
            if (!lost) {
                return move;
            }
        }
    } catch (const TimeUp&) {
        load(board, player);
    }
    return choice;
}

} // namespace kesto

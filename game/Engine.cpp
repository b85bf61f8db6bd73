#include "Engine.h"

#include "LineTest.h"

#include <algorithm>
#include <limits>

namespace kesto {

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kWin = 1'000'000;
constexpr int kInfinity = std::numeric_limits<int>::max() / 2;
// What a five-cell window is worth to the side holding 0..4 stones in it,
// when the other side holds none.
constexpr std::array<int, kLineLength> kWindowValue{0, 2, 16, 128, 1024};
constexpr std::size_t kRootMoves = 14;
constexpr std::size_t kBranching = 9;
constexpr int kMaxDepth = 8;
constexpr int kFoursDepth = 10; // attacking moves in a forced win by fours
constexpr int kNear = 2;        // candidate moves lie this close to a stone

int rowOf(int cell) { return (cell - 1) / kBoardSide; }
int columnOf(int cell) { return (cell - 1) % kBoardSide; }

struct WindowTable {
    std::vector<std::array<CellIndex, kLineLength>> windows;
    std::array<std::vector<int>, kCellCount + 1> ofCell;

    WindowTable()
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
                        ofCell.at(static_cast<std::size_t>(cell)).push_back(static_cast<int>(windows.size()));
                    }
                    windows.push_back(window);
                }
            }
        }
    }
};

const WindowTable& table()
{
    static const WindowTable instance;
    return instance;
}

} // namespace

Engine::Engine(unsigned seed) : random_(seed) {}

void Engine::load(const Board& board, std::int16_t player)
{
    players_[kMe] = player;
    players_[kThem] = 0; // any other stone is the opponent's
    board_ = Board{};
    cells_.fill(-1);
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
        if (cells_.at(static_cast<std::size_t>(cell)) == kThem) {
            board_.at(cell) = players_[kThem];
        }
    }
}

void Engine::place(CellIndex cell, int side)
{
    cells_.at(static_cast<std::size_t>(cell)) = side;
    board_.at(cell) = players_[side];
    for (int window : table().ofCell.at(static_cast<std::size_t>(cell))) {
        ++counts_.at(static_cast<std::size_t>(window)).at(static_cast<std::size_t>(side));
    }
}

void Engine::lift(CellIndex cell, int side)
{
    cells_.at(static_cast<std::size_t>(cell)) = -1;
    board_.at(cell) = kEmpty;
    for (int window : table().ofCell.at(static_cast<std::size_t>(cell))) {
        --counts_.at(static_cast<std::size_t>(window)).at(static_cast<std::size_t>(side));
    }
}

bool Engine::wins(CellIndex cell, int side)
{
    // The rules decide what a win is.
    board_.at(cell) = players_[side];
    WinLine scratch;
    const bool won = completesLine(board_, cell, players_[side], scratch);
    board_.at(cell) = kEmpty;
    return won;
}

std::vector<CellIndex> Engine::openCells(int side, int stones) const
{
    std::vector<CellIndex> found;
    for (std::size_t w = 0; w < table().windows.size(); ++w) {
        if (counts_.at(w).at(static_cast<std::size_t>(side)) != stones
            || counts_.at(w).at(static_cast<std::size_t>(1 - side)) != 0) {
            continue;
        }
        for (CellIndex cell : table().windows.at(w)) {
            if (cells_.at(static_cast<std::size_t>(cell)) < 0
                && std::find(found.begin(), found.end(), cell) == found.end()) {
                found.push_back(cell);
            }
        }
    }
    return found;
}

std::vector<CellIndex> Engine::winningCells(int side)
{
    std::vector<CellIndex> found = openCells(side, kLineLength - 1);
    std::erase_if(found, [&](CellIndex cell) { return !wins(cell, side); });
    return found;
}

int Engine::evaluate(int side) const
{
    int own = 0;
    int their = 0;
    for (const auto& count : counts_) {
        const int mine = count.at(static_cast<std::size_t>(side));
        const int theirs = count.at(static_cast<std::size_t>(1 - side));
        if (theirs == 0) {
            own += kWindowValue.at(static_cast<std::size_t>(std::min(mine, kLineLength - 1)));
        } else if (mine == 0) {
            their += kWindowValue.at(static_cast<std::size_t>(std::min(theirs, kLineLength - 1)));
        }
    }
    // The side to move gets to use its threats first.
    return own * 6 / 5 - their;
}

int Engine::moveScore(CellIndex cell, int side) const
{
    int score = 0;
    for (int window : table().ofCell.at(static_cast<std::size_t>(cell))) {
        const auto& count = counts_.at(static_cast<std::size_t>(window));
        const int mine = count.at(static_cast<std::size_t>(side));
        const int theirs = count.at(static_cast<std::size_t>(1 - side));
        if (theirs == 0) {
            score += kWindowValue.at(static_cast<std::size_t>(std::min(mine + 1, kLineLength - 1)))
                     - kWindowValue.at(static_cast<std::size_t>(mine));
            if (mine == kLineLength - 1) {
                score += kWin; // completes five
            }
        }
        if (mine == 0) {
            score += kWindowValue.at(static_cast<std::size_t>(std::min(theirs, kLineLength - 1)));
        }
    }
    return score;
}

std::vector<CellIndex> Engine::candidates(int side, std::size_t limit) const
{
    std::vector<std::pair<int, CellIndex>> scored;
    for (int cell = 1; cell <= kCellCount; ++cell) {
        if (cells_.at(static_cast<std::size_t>(cell)) >= 0) {
            continue;
        }
        bool near = false;
        for (int dRow = -kNear; dRow <= kNear && !near; ++dRow) {
            for (int dColumn = -kNear; dColumn <= kNear && !near; ++dColumn) {
                const int row = rowOf(cell) + dRow;
                const int column = columnOf(cell) + dColumn;
                near = row >= 0 && row < kBoardSide && column >= 0 && column < kBoardSide
                       && cells_.at(static_cast<std::size_t>(row * kBoardSide + column + 1)) >= 0;
            }
        }
        if (near) {
            scored.emplace_back(moveScore(static_cast<CellIndex>(cell), side), static_cast<CellIndex>(cell));
        }
    }
    std::stable_sort(scored.begin(), scored.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<CellIndex> moves;
    for (std::size_t i = 0; i < scored.size() && i < limit; ++i) {
        moves.push_back(scored[i].second);
    }
    return moves;
}

std::vector<CellIndex> Engine::fourCells(int side) const
{
    return openCells(side, kLineLength - 2);
}

std::vector<CellIndex> Engine::dangerCells(int side) const
{
    std::vector<CellIndex> found;
    for (CellIndex cell : fourCells(side)) {
        // The fours a stone on `cell` makes lie in the windows through it.
        std::array<CellIndex, 2> completions{};
        std::size_t ways = 0;
        for (int window : table().ofCell.at(static_cast<std::size_t>(cell))) {
            const auto& count = counts_.at(static_cast<std::size_t>(window));
            if (count.at(static_cast<std::size_t>(side)) != kLineLength - 2
                || count.at(static_cast<std::size_t>(1 - side)) != 0) {
                continue;
            }
            for (CellIndex other : table().windows.at(static_cast<std::size_t>(window))) {
                if (other != cell && cells_.at(static_cast<std::size_t>(other)) < 0
                    && (ways == 0 || completions.at(0) != other)) {
                    completions.at(std::min<std::size_t>(ways, 1)) = other;
                    ways = std::min<std::size_t>(ways + 1, 2);
                }
            }
        }
        if (ways >= 2) {
            found.push_back(cell);
        }
    }
    return found;
}

std::vector<CellIndex> Engine::movesFor(int side, std::size_t limit) const
{
    // Facing an open three, only stopping it or making a four of one's own
    // can matter; everywhere else the best-looking moves are tried.
    std::vector<CellIndex> danger = dangerCells(1 - side);
    if (danger.empty()) {
        return candidates(side, limit);
    }
    for (CellIndex four : fourCells(side)) {
        if (std::find(danger.begin(), danger.end(), four) == danger.end()) {
            danger.push_back(four);
        }
    }
    return danger;
}

int Engine::quickScore(const Board& board, std::int16_t player, CellIndex cell)
{
    Engine engine(0);
    engine.load(board, player);
    return engine.moveScore(cell, kMe);
}

void Engine::checkTime()
{
    if ((stop_ != nullptr && stop_->load()) || Clock::now() > deadline_) {
        throw TimeUp();
    }
}

bool Engine::forcedWinByFours(int side, int depth)
{
    ++nodes_;
    if ((nodes_ & 255) == 0) {
        checkTime();
    }
    const int other = 1 - side;
    if (!winningCells(side).empty()) {
        return true;
    }
    if (depth == 0) {
        return false;
    }
    const std::vector<CellIndex> mustBlock = winningCells(other);
    // Every cell that turns one of our threes into a four; if the opponent
    // threatens five, only those that also stop it.
    std::vector<CellIndex> fours = fourCells(side);
    if (!mustBlock.empty()) {
        std::erase_if(fours, [&](CellIndex cell) {
            return std::find(mustBlock.begin(), mustBlock.end(), cell) == mustBlock.end();
        });
    }
    for (CellIndex four : fours) {
        place(four, side);
        bool won = false;
        if (winningCells(other).empty()) {
            const std::vector<CellIndex> threats = winningCells(side);
            if (threats.size() >= 2) {
                won = true;
            } else if (threats.size() == 1) {
                place(threats.front(), other); // the only answer
                won = forcedWinByFours(side, depth - 1);
                lift(threats.front(), other);
            }
        }
        lift(four, side);
        if (won) {
            return true;
        }
    }
    return false;
}

int Engine::search(int depth, int ply, int alpha, int beta, int side)
{
    ++nodes_;
    if ((nodes_ & 1023) == 0) {
        checkTime();
    }
    if (!winningCells(side).empty()) {
        return kWin - ply;
    }
    const std::vector<CellIndex> threats = winningCells(1 - side);
    if (threats.size() >= 2) {
        return -(kWin - ply - 1); // two ways to five: one block is not enough
    }
    if (depth == 0) {
        return evaluate(side);
    }
    const std::vector<CellIndex> moves = threats.empty() ? movesFor(side, kBranching) : threats;
    if (moves.empty()) {
        return 0; // a full board: no one wins
    }
    int best = -kInfinity;
    for (CellIndex move : moves) {
        place(move, side);
        int score = 0;
        try {
            score = -search(depth - 1, ply + 1, -beta, -alpha, 1 - side);
        } catch (const TimeUp&) {
            lift(move, side);
            throw;
        }
        lift(move, side);
        best = std::max(best, score);
        alpha = std::max(alpha, score);
        if (alpha >= beta) {
            break;
        }
    }
    return best;
}

CellIndex Engine::chooseMove(const Board& board, std::int16_t player,
                             std::chrono::milliseconds budget, const std::atomic<bool>* stop)
{
    const Clock::time_point start = Clock::now();
    // A tenth is kept back for finishing up after the search is cut short.
    deadline_ = start + budget * 9 / 10;
    stop_ = stop;
    nodes_ = 0;
    lastDepth_ = 0;
    load(board, player);

    int stones = 0;
    for (int cell = 1; cell <= kCellCount; ++cell) {
        stones += cells_.at(static_cast<std::size_t>(cell)) >= 0 ? 1 : 0;
    }
    if (stones == kCellCount) {
        return 0;
    }
    if (stones == 0) {
        // Open somewhere in the middle, not always in the same place.
        constexpr std::array<CellIndex, 4> kMiddle{45, 46, 55, 56};
        return kMiddle.at(std::uniform_int_distribution<std::size_t>(0, kMiddle.size() - 1)(random_));
    }
    if (const auto mine = winningCells(kMe); !mine.empty()) {
        return mine.front();
    }
    if (const auto theirs = winningCells(kThem); !theirs.empty()) {
        return theirs.front();
    }

    std::vector<CellIndex> roots = movesFor(kMe, kRootMoves);
    if (roots.empty()) {
        for (int cell = 1; cell <= kCellCount; ++cell) {
            if (cells_.at(static_cast<std::size_t>(cell)) < 0) {
                return static_cast<CellIndex>(cell);
            }
        }
    }

    // A forced win by fours ends the game; look for one first.
    try {
        for (CellIndex move : roots) {
            place(move, kMe);
            const auto threats = winningCells(kMe);
            bool won = threats.size() >= 2;
            if (threats.size() == 1) {
                place(threats.front(), kThem);
                won = forcedWinByFours(kMe, kFoursDepth - 1);
                lift(threats.front(), kThem);
            }
            lift(move, kMe);
            if (won) {
                return move;
            }
        }
    } catch (const TimeUp&) {
        load(board, player);
    }

    // Iterative deepening: each finished depth orders the next.
    std::vector<std::pair<int, CellIndex>> scored;
    for (CellIndex move : roots) {
        scored.emplace_back(0, move);
    }
    for (int depth = 1; depth <= kMaxDepth; ++depth) {
        std::vector<std::pair<int, CellIndex>> next;
        try {
            for (const auto& [previous, move] : scored) {
                place(move, kMe);
                int score = 0;
                try {
                    score = -search(depth - 1, 1, -kInfinity, kInfinity, kThem);
                } catch (const TimeUp&) {
                    lift(move, kMe);
                    throw;
                }
                lift(move, kMe);
                next.emplace_back(score, move);
            }
        } catch (const TimeUp&) {
            break;
        }
        std::stable_sort(next.begin(), next.end(),
                         [](const auto& a, const auto& b) { return a.first > b.first; });
        scored = next;
        lastDepth_ = depth;
        if (scored.front().first >= kWin - kMaxDepth || scored.size() == 1) {
            break; // a certain win, or nothing to choose between
        }
        // The next depth takes several times as long as this one: do not
        // start what cannot finish.
        if ((Clock::now() - start) * 6 > budget) {
            break;
        }
    }

    // Of the best moves, keep those after which the opponent has no forced
    // win by fours; if every move loses, the best one still delays most.
    CellIndex choice = scored.front().second;
    try {
        for (const auto& [score, move] : scored) {
            if (score < scored.front().first - kWindowValue.at(3)) {
                break;
            }
            place(move, kMe);
            const bool safe = !forcedWinByFours(kThem, kFoursDepth);
            lift(move, kMe);
            if (safe) {
                choice = move;
                break;
            }
        }
    } catch (const TimeUp&) {
        load(board, player);
    }

    // Early on, vary between moves that score the same.
    if (stones < 4) {
        std::vector<CellIndex> equal;
        for (const auto& [score, move] : scored) {
            if (score == scored.front().first) {
                equal.push_back(move);
            }
        }
        if (equal.size() > 1 && std::find(equal.begin(), equal.end(), choice) != equal.end()) {
            choice = equal.at(std::uniform_int_distribution<std::size_t>(0, equal.size() - 1)(random_));
        }
    }
    return choice;
}

} // namespace kesto

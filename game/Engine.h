#pragma once

#include "GameState.h"

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <random>
#include <vector>

namespace kesto {

// The computer player. It plays this game's rule exactly: five or more in an
// unbroken line wins, stones on the edge count, no move is forbidden; it asks
// the rules' own line test whether a stone wins.
//
// It takes a win in one, blocks a four, looks for a forced win by an unbroken
// series of fours and keeps the opponent from one, and otherwise searches
// with iterative-deepening alpha-beta over a pattern evaluation of every
// five-cell window of the board, kept up to date stone by stone.
class Engine {
public:
    explicit Engine(unsigned seed = std::random_device{}());

    // The cell `player` should play on `board` (any other non-zero cell is
    // the opponent's), within about `budget`. Returns 0 when the board is
    // full. `stop`, when given and set, cuts the search short.
    CellIndex chooseMove(const Board& board, std::int16_t player,
                         std::chrono::milliseconds budget,
                         const std::atomic<bool>* stop = nullptr);

    // How deep the last search went, in plies, and how many positions it saw.
    int lastDepth() const { return lastDepth_; }
    long lastNodes() const { return nodes_; }

    // A quick score of playing `cell` for `player`: what it builds for the
    // player plus what it spoils for the opponent. Used to order moves, and
    // by the simple opponent of the benchmark.
    static int quickScore(const Board& board, std::int16_t player, CellIndex cell);

private:
    static constexpr int kMe = 0;
    static constexpr int kThem = 1;
    static constexpr int kWindows = 192;

    struct Window {
        std::array<CellIndex, kLineLength> cells;
    };

    class TimeUp {};

    void load(const Board& board, std::int16_t player);
    void place(CellIndex cell, int side);
    void lift(CellIndex cell, int side);
    bool wins(CellIndex cell, int side);
    int evaluate(int side) const;
    std::vector<CellIndex> candidates(int side, std::size_t limit) const;
    int moveScore(CellIndex cell, int side) const;
    // The empty cells of the windows where `side` has `stones` stones and
    // the other side none.
    std::vector<CellIndex> openCells(int side, int stones) const;
    // Cells where `side` would complete five now.
    std::vector<CellIndex> winningCells(int side);
    // Cells where `side` would make two ways to five at once: an open
    // three or a pair of threes about to become unstoppable.
    std::vector<CellIndex> dangerCells(int side) const;
    // Cells where `side` would make a four.
    std::vector<CellIndex> fourCells(int side) const;
    // The moves worth searching for `side` when no four must be blocked.
    std::vector<CellIndex> movesFor(int side, std::size_t limit) const;
    bool forcedWinByFours(int side, int depth);
    int search(int depth, int ply, int alpha, int beta, int side);
    void checkTime();

    std::array<int, kCellCount + 1> cells_{}; // -1 empty, else the side
    Board board_;                               // the same position, for the line test
    std::array<std::array<int, 2>, kWindows> counts_{};
    std::int16_t players_[2] = {1, 2};
    std::mt19937 random_;
    std::chrono::steady_clock::time_point deadline_;
    const std::atomic<bool>* stop_ = nullptr;
    long nodes_ = 0;
    int lastDepth_ = 0;
};

} // namespace kesto

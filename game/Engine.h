#pragma once

#include "GameState.h"
#include "MoveList.h"
#include "TranspositionTable.h"

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <random>

namespace kesto {

// The computer player. It plays this game's rule exactly: five or more in an
// unbroken line wins, stones on the edge count, no move is forbidden; it asks
// the rules' own line test whether a stone wins.
//
// It takes a win in one, blocks a four, looks for a forced win by an unbroken
// series of fours, or of threes and fours, and keeps the opponent from one,
// playing the shortest it finds. Otherwise it searches with iterative-
// deepening alpha-beta (principal variation search with a transposition
// table) over a pattern evaluation of every five-cell window of the board,
// kept up to date stone by stone. Answers to a four cost the search no
// depth, and where the opponent is one move from two ways to five only the
// moves that stop it, or make a four first, are searched.
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
    // Every run of five cells on the board: rows, columns and both diagonals.
    static constexpr int kSpan = kBoardSide - kLineLength + 1;
    static constexpr int kWindows = 2 * kBoardSide * kSpan + 2 * kSpan * kSpan;

    // What one side threatens, read off the windows.
    struct Threats {
        MoveList wins;   // cells where it completes five now
        MoveList fours;  // cells where it makes a four
        MoveList threes; // cells where it makes two ways to five at once
    };

    class TimeUp {};

    void load(const Board& board, std::int16_t player);
    void place(CellIndex cell, int side);
    void lift(CellIndex cell, int side);
    bool completes(CellIndex cell, int side);
    void analyse(int side, Threats& out);
    void noteFour(CellIndex cell, CellIndex completion, Threats& out);
    int evaluate(int side) const;
    int moveScore(CellIndex cell, int side) const;
    void bestLooking(int side, std::size_t limit, MoveList& out) const;
    // The cells where an opponent's stone would leave `side` (whose threats
    // are `threats`) without a single three.
    void stoppers(int side, const Threats& threats, MoveList& out);
    void movesFor(int side, const Threats& mine, const Threats& theirs, std::size_t limit,
                  MoveList& out);
    // Whether `side`, to move, wins by force within `depth` attacking moves:
    // by fours alone, or by threes and fours. `first`, when given, receives
    // the move that starts it.
    bool winsByFours(int side, int depth, CellIndex* first);
    bool winsByThreats(int side, int depth, CellIndex* first);
    // Cells where `side` would make a three: a stone that leaves it one
    // move from two ways to five.
    void threeMakers(int side, MoveList& out);
    int search(int depth, int ply, int alpha, int beta, int side);
    // Counts a position seen, now and then asking checkTime.
    void countNode(long clockMask);
    void checkTime();

    std::array<int, kCellCount + 1> cells_{}; // -1 empty, else the side
    std::array<int, kCellCount + 1> near_{};  // stones within two cells
    Board board_;                               // the same position, for the line test
    std::array<std::array<int, 2>, kWindows> counts_{}; // stones per side in each window
    std::uint64_t key_ = 0;
    std::int16_t players_[2] = {1, 2};
    // Scratch for reading fours off the windows.
    std::array<unsigned, kCellCount + 1> seen_{};
    std::array<CellIndex, kCellCount + 1> completion_{};
    std::array<bool, kCellCount + 1> twice_{};
    unsigned stamp_ = 0;
    TranspositionTable table_;
    std::mt19937 random_;
    std::chrono::steady_clock::time_point deadline_;
    const std::atomic<bool>* stop_ = nullptr;
    long nodes_ = 0;
    int lastDepth_ = 0;
};

} // namespace kesto

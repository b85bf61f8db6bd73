#pragma once

#include "LineShape.h"
#include "ShapeTally.h"
#include "Side.h"
#include "game/Types.h"

#include <array>
#include <cstdint>

namespace kesto::engine {

// What a stone on each empty cell would make of its lines for either side,
// read from the cells around it, with its worth to play there and, summed
// over all the empty cells, each side's prospects as a position is judged.
// A stone put down or lifted only marks the cells whose lines it crosses;
// their worth is read again when it is next asked for. So the forced-win
// searches, which put down and lift many stones and never ask, pay next to
// nothing for it.
class CellShapes {
public:
    CellShapes();

    void place(CellIndex cell, Side side);
    void lift(CellIndex cell);

    // The worth to `side` of a stone of its on the empty `cell`.
    int worth(CellIndex cell, Side side);
    // What each side's prospects on all the empty cells are worth, when it
    // is to move and when it waits (see ShapeWeights).
    enum class Turn : std::uint8_t { ToMove, Waiting };
    int prospects(Side side, Turn turn);
    // What stones of `side` would make on all the empty cells together,
    // counted afresh.
    ShapeTally tally(Side side) const;

    // Every line of the board (rows, columns and both diagonals) packed two
    // bits a cell, with a line's reach of edge at either end: the cells
    // around a cell along a line are read in one shift, and reading never
    // needs a bounds check.
    using LineWord = std::uint64_t;
    static constexpr std::size_t kLineCount = 2 * kBoardSide + 2 * (2 * kBoardSide - 1);
    static_assert(2 * (kBoardSide + 2 * LineCode::kReach) <= 64, "a line fits its word");

private:
    static constexpr std::size_t kWords = 2; // a bit a cell, cells 1..kCellCount
    using CellSet = std::array<std::uint64_t, kWords>;

    void refresh(CellIndex cell);
    void setMark(CellIndex cell, LineCode::Code mark);
    void markChanged(CellIndex cell);
    bool isEmpty(CellIndex cell) const;
    LineCode::Codes codesOf(CellIndex cell) const;
    static std::size_t at(int index) { return static_cast<std::size_t>(index); }

    static constexpr std::size_t kTurns = 2;
    using Prospects = std::array<int, kTurns>; // by Turn

    std::array<LineWord, kLineCount> lines_{};
    // By cell, then by side.
    std::array<std::array<int, 2>, kCellCount + 1> worth_{};
    std::array<std::array<Prospects, 2>, kCellCount + 1> prospects_{};
    std::array<bool, kCellCount + 1> counted_{}; // in the sums: empty when last read
    std::array<Prospects, 2> sums_{}; // by side
    CellSet dirty_{};
};

} // namespace kesto::engine

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

    // The board with a border as wide as a line reaches, so that reading
    // along a line never needs a bounds check: the border reads as edge.
    static constexpr int kBorder = LineCode::kReach;
    static constexpr int kWidth = kBoardSide + 2 * kBorder;

private:
    static constexpr std::size_t kWords = 2; // a bit a cell, cells 1..kCellCount
    using CellSet = std::array<std::uint64_t, kWords>;

    void refresh(CellIndex cell);
    LineCode::Code codeOf(int padded, int step) const;
    LineCode::Codes codesOf(CellIndex cell) const;
    static std::size_t at(int index) { return static_cast<std::size_t>(index); }

    static constexpr std::size_t kTurns = 2;
    using Prospects = std::array<int, kTurns>; // by Turn

    std::array<LineCode::Code, kWidth * kWidth> marks_{};
    // By cell, then by side.
    std::array<std::array<int, 2>, kCellCount + 1> worth_{};
    std::array<std::array<Prospects, 2>, kCellCount + 1> prospects_{};
    std::array<bool, kCellCount + 1> counted_{}; // in the sums: empty when last read
    std::array<Prospects, 2> sums_{}; // by side
    CellSet dirty_{};
};

} // namespace kesto::engine

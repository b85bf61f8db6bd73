#pragma once

#include "LineShape.h"
#include "LineWords.h"
#include "ShapeTally.h"
#include "Side.h"
#include "game/Types.h"

#include <array>
#include <cstdint>

namespace kesto::engine {

// What a stone on each empty cell is worth to play there for either side,
// read from the shapes it makes of its lines, and, summed over all the empty
// cells, each side's prospects as a position is judged. A stone put down or
// lifted only marks the cells whose lines it crosses; their worth is read
// again from the line words when it is next asked for. So the forced-win
// searches, which put down and lift many stones and never ask, pay next to
// nothing for it.
class CellShapes {
public:
    CellShapes();

    // A stone put down on `cell` or lifted from it.
    void changed(CellIndex cell);

    // The worth to `side` of a stone of its on the empty `cell`.
    int worth(CellIndex cell, Side side, const LineWords& words);
    // What each side's prospects on all the empty cells are worth, when it
    // is to move and when it waits (see ShapeWeights).
    enum class Turn : std::uint8_t { ToMove, Waiting };
    int prospects(Side side, Turn turn, const LineWords& words);
    // What stones of `side` would make on all the empty cells together,
    // counted afresh.
    static ShapeTally tally(Side side, const LineWords& words);

private:
    static constexpr std::size_t kWords = 2; // a bit a cell, cells 1..kCellCount
    using CellBits = std::array<std::uint64_t, kWords>;

    void refresh(CellIndex cell, const LineWords& words);
    static std::size_t at(int index) { return static_cast<std::size_t>(index); }

    static constexpr std::size_t kTurns = 2;
    using Prospects = std::array<int, kTurns>; // by Turn

    // By cell, then by side.
    std::array<std::array<int, 2>, kCellCount + 1> worth_{};
    std::array<std::array<Prospects, 2>, kCellCount + 1> prospects_{};
    std::array<bool, kCellCount + 1> counted_{}; // in the sums: empty when last read
    std::array<Prospects, 2> sums_{}; // by side
    CellBits dirty_{};
};

} // namespace kesto::engine

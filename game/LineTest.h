#pragma once

#include "GameState.h"

#include <array>
#include <cstdint>

namespace kesto {

// The four lines through a cell, in the order a move examines them.
enum class Axis { Vertical, Horizontal, Falling, Rising };
inline constexpr std::array<Axis, 4> kAxes{Axis::Vertical, Axis::Horizontal, Axis::Falling,
                                           Axis::Rising};

// Counts the unbroken run of `player`'s stones through `index` along one
// axis, the stone on `index` included. The run is followed first one way
// (up, left, up-left, down-left) and then the other, never past the edge of
// the board and never from one row into the next. Slots 2..5 of `winLine`
// receive the counted cells as they are found, nearest first; a run longer
// than five is counted in full but only five cells are kept. Slot 1 is the
// caller's.
int countAxis(const Board& board, CellIndex index, std::int16_t player, Axis axis,
              WinLine& winLine);

// Whether the stone of `player` on `index` completes five or more in a row.
// Axes are examined one at a time and never added together; the first axis
// that counts five wins, and `winLine` then holds `index` followed by four
// more cells of that run.
bool completesLine(const Board& board, CellIndex index, std::int16_t player, WinLine& winLine);

} // namespace kesto

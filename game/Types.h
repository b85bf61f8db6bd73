#pragma once

#include <cstdint>

namespace kesto {

// The board is 10 by 10 cells, numbered 1..100 row by row from the top-left
// corner: row r and column c (both 1..10) make cell (r - 1) * 10 + c.
inline constexpr int kBoardSide = 10;
inline constexpr int kCellCount = kBoardSide * kBoardSide;
inline constexpr int kLineLength = 5;  // stones in a row that win
inline constexpr int kPlayerCount = 3; // Player 1, Player 2 and the Computer

// The players' numbers, as the board records their stones.
inline constexpr std::int16_t kPlayerOne = 1;
inline constexpr std::int16_t kPlayerTwo = 2;
inline constexpr std::int16_t kComputerPlayer = 3;

using CellIndex = std::int16_t;

// Where a cell lies: its row and its column, both 1..kBoardSide, and back.
constexpr int rowOf(int cell) { return (cell - 1) / kBoardSide + 1; }
constexpr int columnOf(int cell) { return (cell - 1) % kBoardSide + 1; }
constexpr bool onBoard(int row, int column)
{
    return row >= 1 && row <= kBoardSide && column >= 1 && column <= kBoardSide;
}
constexpr CellIndex cellAt(int row, int column)
{
    return static_cast<CellIndex>((row - 1) * kBoardSide + column);
}

// A cell holds 0 when empty, otherwise the number of the player whose stone
// is on it.
inline constexpr std::int16_t kEmpty = 0;

// The game record keeps its yes/no fields as 16-bit words: true has every bit
// set, false is zero.
using Bool16 = std::int16_t;
inline constexpr Bool16 kTrue16 = -1;
inline constexpr Bool16 kFalse16 = 0;

// Colours are 24-bit values laid out as 0x00BBGGRR, red in the low byte.
using Color = std::int32_t;
inline constexpr Color kWhite = 0xFFFFFF;
inline constexpr Color kRed = 0x0000FF;
inline constexpr Color kGreen = 0x00FF00;
inline constexpr Color kYellow = 0x00FFFF;

} // namespace kesto

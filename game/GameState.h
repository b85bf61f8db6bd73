#pragma once

#include "OneBasedArray.h"
#include "Types.h"

#include <cstdint>
#include <string>

namespace kesto {

using Board = OneBasedArray<std::int16_t, kCellCount>;   // 0 = empty, else the owner's number
using WinLine = OneBasedArray<CellIndex, kLineLength>; // cells of a line of five

// Everything the game knows, held once by the main window for its whole life.
// Fields that the first new game assigns (board, hoverCell, currentPlayer and
// the clock) start out as 0 until then.
struct GameState {
    std::int16_t bannerStep = 0;  // banner picture shown, 1..3
    Bool16 inputLocked = kFalse16; // while true the board ignores clicks and hovering
    Board board;
    WinLine winLine;              // cells of the last winning line, the deciding stone first
    std::int16_t playMode = 0;    // 1: Player 1 and Player 2 take turns
    CellIndex hoverCell = 0;      // cell that last received the hover preview
    std::int16_t currentPlayer = 0; // whose turn it is; after a win, the winner
    // Hours of the game clock. Kept wide so that no game, however long it is
    // left running, can overflow the counter.
    std::int64_t clockHours = 0;
    std::int16_t clockMinutes = 0;
    std::int16_t clockSeconds = 0;
    OneBasedArray<std::string, kPlayerCount> playerName;
    OneBasedArray<Color, kPlayerCount> playerColor;

    friend bool operator==(const GameState&, const GameState&) = default;
};

} // namespace kesto

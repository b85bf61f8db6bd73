#pragma once

// A game that fills the whole board with no five for either side: each row
// in pairs of columns, the pairs' owners swapped from one row to the next,
// the two sides' stones taken in turn.

#include "game/Types.h"

#include <vector>

inline std::vector<kesto::CellIndex> fullBoardGame()
{
    std::vector<kesto::CellIndex> first;
    std::vector<kesto::CellIndex> second;
    for (int row = 0; row < kesto::kBoardSide; ++row) {
        for (int column = 0; column < kesto::kBoardSide; ++column) {
            ((column / 2 + row) % 2 == 0 ? first : second).push_back(kesto::cellAt(row + 1, column + 1));
        }
    }
    std::vector<kesto::CellIndex> game;
    for (std::size_t move = 0; move < first.size(); ++move) {
        game.push_back(first[move]);
        game.push_back(second[move]);
    }
    return game;
}

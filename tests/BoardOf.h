#pragma once

// Positions for the computer player's tests, written as the cells of each
// side.

#include "game/GameState.h"

#include <QList>

#include <cstdint>

inline kesto::Board boardOf(std::int16_t first, const QList<int>& firstCells, std::int16_t second,
                            const QList<int>& secondCells)
{
    kesto::Board board;
    for (int cell : firstCells) {
        board.at(cell) = first;
    }
    for (int cell : secondCells) {
        board.at(cell) = second;
    }
    return board;
}

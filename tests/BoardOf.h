#pragma once

// Positions for the computer player's tests, written as the cells of each
// side.

#include "game/GameState.h"

#include <QList>

#include <cstdint>

// The players of the engine suites: the computer plays 3, the human 1. The
// engine takes every stone not its own for the opponent's.
inline constexpr std::int16_t kComputer = 3;
inline constexpr std::int16_t kHuman = 1;

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

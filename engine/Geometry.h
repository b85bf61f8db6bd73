#pragma once

#include "Side.h"
#include "game/Types.h"

#include <array>
#include <cstdint>
#include <vector>

namespace kesto::engine {

// Every run of five cells on the board (rows, columns and both diagonals),
// the runs through each cell, the cells near each cell, and the random keys
// that name positions. Built once, shared by everything that reads a board.
struct Geometry {
    static constexpr int kSpan = kBoardSide - kLineLength + 1;
    static constexpr int kWindowCount = 2 * kBoardSide * kSpan + 2 * kSpan * kSpan;
    static constexpr int kNear = 2; // moves worth a look lie this close to a stone

    using Window = std::array<CellIndex, kLineLength>;

    std::array<Window, kWindowCount> windows{};
    std::array<std::vector<int>, kCellCount + 1> windowsOf;
    std::array<std::vector<CellIndex>, kCellCount + 1> nearby;
    std::array<std::array<std::uint64_t, 2>, kCellCount + 1> stoneKeys{};
    // Told into a key where the same stones with the other side to move,
    // or another question asked of them, must not be confused.
    std::array<std::uint64_t, 2> toMoveKeys{};

    static const Geometry& get();

private:
    Geometry();
    void addWindows();
    void addNearby();
    void addKeys();
};

} // namespace kesto::engine

#include "LineTest.h"

namespace kesto {

namespace {

// The edges of the board a cell lies on, as bits.
enum Edge : unsigned { kTop = 1U, kBottom = 2U, kLeft = 4U, kRight = 8U };

unsigned edgesOf(int cell)
{
    unsigned edges = 0;
    if (rowOf(cell) == 1) {
        edges |= kTop;
    }
    if (rowOf(cell) == kBoardSide) {
        edges |= kBottom;
    }
    if (columnOf(cell) == 1) {
        edges |= kLeft;
    }
    if (columnOf(cell) == kBoardSide) {
        edges |= kRight;
    }
    return edges;
}

// One direction of an axis: the step from a cell to its neighbour, and the
// edges the scan may not step beyond.
struct HalfScan {
    int step;
    unsigned edges;
};

constexpr std::array<std::array<HalfScan, 2>, kAxes.size()> kHalfScans{{
    {{{-kBoardSide, kTop}, {kBoardSide, kBottom}}},                             // up, down
    {{{-1, kLeft}, {1, kRight}}},                                               // left, right
    {{{-(kBoardSide + 1), kTop | kLeft}, {kBoardSide + 1, kBottom | kRight}}},  // up-left, down-right
    {{{kBoardSide - 1, kBottom | kLeft}, {-(kBoardSide - 1), kTop | kRight}}},  // down-left, up-right
}};

// Follows the run from `index` in one direction. A stone on the edge counts
// and ends the scan, so a run can never wrap into the neighbouring row.
void halfScan(const Board& board, int index, std::int16_t player, HalfScan scan, int& count,
              WinLine& winLine)
{
    if ((edgesOf(index) & scan.edges) != 0U) {
        return; // already on that edge: nothing lies beyond it
    }
    int cell = index;
    do {
        cell += scan.step;
        if (board.at(cell) != player) {
            return;
        }
        ++count;
        if (count <= kLineLength) {
            winLine.at(count) = static_cast<CellIndex>(cell);
        }
    } while ((edgesOf(cell) & scan.edges) == 0U);
}

} // namespace

int countAxis(const Board& board, CellIndex index, std::int16_t player, Axis axis,
              WinLine& winLine)
{
    int count = 1;
    for (const HalfScan& scan : kHalfScans.at(static_cast<std::size_t>(axis))) {
        halfScan(board, index, player, scan, count, winLine);
    }
    return count;
}

bool completesLine(const Board& board, CellIndex index, std::int16_t player, WinLine& winLine)
{
    winLine.at(1) = index;
    for (Axis axis : kAxes) {
        if (countAxis(board, index, player, axis, winLine) >= kLineLength) {
            return true;
        }
    }
    return false;
}

} // namespace kesto

#include "Geometry.h"

namespace kesto::engine {

namespace {

std::size_t at(int index)
{
    return static_cast<std::size_t>(index);
}

// splitmix64: well-spread keys from a fixed start, the same on every run.
std::uint64_t nextKey(std::uint64_t& state)
{
    state += 0x9E3779B97F4A7C15ULL;
    std::uint64_t mixed = state;
    mixed = (mixed ^ (mixed >> 30)) * 0xBF58476D1CE4E5B9ULL;
    mixed = (mixed ^ (mixed >> 27)) * 0x94D049BB133111EBULL;
    return mixed ^ (mixed >> 31);
}

} // namespace

const Geometry& Geometry::get()
{
    static const Geometry instance;
    return instance;
}

Geometry::Geometry()
{
    addWindows();
    addNearby();
    addKeys();
}

void Geometry::addWindows()
{
    // Across, down, down to the right, down to the left.
    constexpr int kSteps[4][2] = {{0, 1}, {1, 0}, {1, 1}, {1, -1}};
    std::size_t count = 0;
    for (const auto& step : kSteps) {
        for (int row = 1; row <= kBoardSide; ++row) {
            for (int column = 1; column <= kBoardSide; ++column) {
                const int lastRow = row + step[0] * (kLineLength - 1);
                const int lastColumn = column + step[1] * (kLineLength - 1);
                if (!onBoard(lastRow, lastColumn)) {
                    continue;
                }
                Window& window = windows.at(count);
                for (int k = 0; k < kLineLength; ++k) {
                    const CellIndex cell = cellAt(row + step[0] * k, column + step[1] * k);
                    window.at(at(k)) = cell;
                    windowsOf.at(at(cell)).push_back(static_cast<int>(count));
                }
                ++count;
            }
        }
    }
}

void Geometry::addNearby()
{
    for (int cell = 1; cell <= kCellCount; ++cell) {
        for (int dRow = -kNear; dRow <= kNear; ++dRow) {
            for (int dColumn = -kNear; dColumn <= kNear; ++dColumn) {
                const int row = rowOf(cell) + dRow;
                const int column = columnOf(cell) + dColumn;
                if ((dRow != 0 || dColumn != 0) && onBoard(row, column)) {
                    nearby.at(at(cell)).push_back(cellAt(row, column));
                }
            }
        }
    }
}

void Geometry::addKeys()
{
    std::uint64_t state = 0x5EED'CE11'0F1F'7E00ULL;
    for (auto& keys : stoneKeys) {
        for (auto& key : keys) {
            key = nextKey(state);
        }
    }
    for (auto& key : toMoveKeys) {
        key = nextKey(state);
    }
}

} // namespace kesto::engine

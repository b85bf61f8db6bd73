#include "CellShapes.h"

#include "ShapeWeights.h"

#include <bit>

namespace kesto::engine {

static_assert(kCellCount < 64 * 2, "a cell set holds every cell");

namespace {

constexpr int kWidth = CellShapes::kWidth;

// Across, down, down to the right, down to the left, on the bordered board.
constexpr std::array<int, LineCode::kDirections> kSteps{1, kWidth, kWidth + 1, kWidth - 1};

constexpr int padded(int cell)
{
    return (rowOf(cell) - 1 + CellShapes::kBorder) * kWidth + columnOf(cell) - 1 + CellShapes::kBorder;
}

// For each cell, the cells whose lines pass through it within a line's
// reach, itself included: those a stone there changes.
using Reach = std::array<std::array<std::uint64_t, 2>, kCellCount + 1>;
const Reach& reachOf()
{
    static const Reach reach = [] {
        Reach built{};
        for (int cell = 1; cell <= kCellCount; ++cell) {
            for (int step : kSteps) {
                for (int offset = -LineCode::kReach; offset <= LineCode::kReach; ++offset) {
                    const int other = padded(cell) + offset * step;
                    const int row = other / kWidth - CellShapes::kBorder + 1;
                    const int column = other % kWidth - CellShapes::kBorder + 1;
                    if (onBoard(row, column)) {
                        const auto bit = static_cast<std::size_t>(cellAt(row, column));
                        built.at(static_cast<std::size_t>(cell)).at(bit / 64) |= std::uint64_t{1} << (bit % 64);
                    }
                }
            }
        }
        return built;
    }();
    return reach;
}

} // namespace

CellShapes::CellShapes()
{
    marks_.fill(LineCode::kEdge);
    for (int cell = 1; cell <= kCellCount; ++cell) {
        marks_.at(at(padded(cell))) = LineCode::kEmpty;
        dirty_.at(at(cell) / 64) |= std::uint64_t{1} << (at(cell) % 64);
    }
}

void CellShapes::place(CellIndex cell, Side side)
{
    marks_.at(at(padded(cell))) = LineCode::mark(side);
    const auto& reach = reachOf()[at(cell)];
    dirty_[0] |= reach[0];
    dirty_[1] |= reach[1];
}

void CellShapes::lift(CellIndex cell)
{
    marks_.at(at(padded(cell))) = LineCode::kEmpty;
    const auto& reach = reachOf()[at(cell)];
    dirty_[0] |= reach[0];
    dirty_[1] |= reach[1];
}

int CellShapes::worth(CellIndex cell, Side side)
{
    refresh(cell);
    return worth_.at(at(cell))[slot(side)];
}

int CellShapes::prospects(Side side, Turn turn)
{
    for (std::size_t word = 0; word < kWords; ++word) {
        while (dirty_[word] != 0) {
            refresh(static_cast<CellIndex>(word * 64 + static_cast<std::size_t>(std::countr_zero(dirty_[word]))));
        }
    }
    return sums_.at(slot(side)).at(static_cast<std::size_t>(turn));
}

ShapeTally CellShapes::tally(Side side) const
{
    ShapeTally tally;
    for (int cell = 1; cell <= kCellCount; ++cell) {
        if (marks_.at(at(padded(cell))) == LineCode::kEmpty) {
            tally += ShapeTally::ofCell(codesOf(static_cast<CellIndex>(cell)), side);
        }
    }
    return tally;
}

LineCode::Code CellShapes::codeOf(int middle, int step) const
{
    LineCode::Code code = 0;
    for (int offset = 1; offset <= LineCode::kReach; ++offset) {
        code |= static_cast<LineCode::Code>(marks_[at(middle - offset * step)] << LineCode::shift(-offset));
        code |= static_cast<LineCode::Code>(marks_[at(middle + offset * step)] << LineCode::shift(offset));
    }
    return code;
}

LineCode::Codes CellShapes::codesOf(CellIndex cell) const
{
    LineCode::Codes codes{};
    for (std::size_t direction = 0; direction < LineCode::kDirections; ++direction) {
        codes[direction] = codeOf(padded(cell), kSteps[direction]);
    }
    return codes;
}

void CellShapes::refresh(CellIndex cell)
{
    const std::uint64_t bit = std::uint64_t{1} << (at(cell) % 64);
    std::uint64_t& word = dirty_[at(cell) / 64];
    if ((word & bit) == 0) {
        return;
    }
    word &= ~bit;
    auto& prospects = prospects_[at(cell)];
    if (counted_[at(cell)]) {
        for (std::size_t side = 0; side < 2; ++side) {
            for (std::size_t turn = 0; turn < kTurns; ++turn) {
                sums_[side][turn] -= prospects[side][turn];
            }
        }
    }
    // A stone's own cell is read again when it is lifted.
    counted_[at(cell)] = marks_[at(padded(cell))] == LineCode::kEmpty;
    if (!counted_[at(cell)]) {
        return;
    }
    const LineCode::Codes codes = codesOf(cell);
    for (Side side : {Side::Own, Side::Opponent}) {
        const LineCode::Shapes shapes = LineCode::shapesOf(codes, side);
        const Meeting meeting = ShapeTally::meetingOf(shapes);
        worth_[at(cell)][slot(side)] = kPlacingWeights.worth(shapes, meeting);
        auto& mine = prospects[slot(side)];
        mine[static_cast<std::size_t>(Turn::ToMove)] = kToMoveWeights.worth(shapes, meeting);
        mine[static_cast<std::size_t>(Turn::Waiting)] = kWaitingWeights.worth(shapes, meeting);
        for (std::size_t turn = 0; turn < kTurns; ++turn) {
            sums_[slot(side)][turn] += mine[turn];
        }
    }
}

} // namespace kesto::engine

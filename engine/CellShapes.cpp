#include "CellShapes.h"

#include "ShapeWeights.h"

#include <bit>

namespace kesto::engine {

static_assert(kCellCount < 64 * 2, "a cell set holds every cell");

namespace {

// For each cell, the cells whose lines pass through it within a line's
// reach, itself included: those a stone there changes.
using Reach = std::array<std::array<std::uint64_t, 2>, kCellCount + 1>;
constexpr Reach kReachOf = [] {
    Reach built{};
    for (int cell = 1; cell <= kCellCount; ++cell) {
        for (const LineCode::Step step : LineCode::kSteps) {
            for (int offset = -LineCode::kReach; offset <= LineCode::kReach; ++offset) {
                const int row = rowOf(cell) + offset * step.rows;
                const int column = columnOf(cell) + offset * step.columns;
                if (onBoard(row, column)) {
                    const auto bit = static_cast<std::size_t>(cellAt(row, column));
                    built.at(static_cast<std::size_t>(cell)).at(bit / 64) |= std::uint64_t{1} << (bit % 64);
                }
            }
        }
    }
    return built;
}();

// The three weight sets side by side, so that a cell's worth to a side is
// summed in one pass over its four lines rather than one pass a set.
struct Worths {
    int placing = 0;
    int toMove = 0;
    int waiting = 0;

    constexpr Worths& operator+=(const Worths& other)
    {
        placing += other.placing;
        toMove += other.toMove;
        waiting += other.waiting;
        return *this;
    }
};

template <std::size_t N>
constexpr std::array<Worths, N> sideBySide(const std::array<int, N>& placing, const std::array<int, N>& toMove,
                                           const std::array<int, N>& waiting)
{
    std::array<Worths, N> worths{};
    for (std::size_t i = 0; i < N; ++i) {
        worths[i] = {placing[i], toMove[i], waiting[i]};
    }
    return worths;
}

constexpr auto kLineWorths = sideBySide(kPlacingWeights.lines, kToMoveWeights.lines, kWaitingWeights.lines);
constexpr auto kMeetingWorths =
    sideBySide(kPlacingWeights.meetings, kToMoveWeights.meetings, kWaitingWeights.meetings);

Worths worthsOf(const LineCode::Shapes& shapes)
{
    Worths sum = kMeetingWorths[static_cast<std::size_t>(ShapeTally::meetingOf(shapes))];
    for (Shape shape : shapes) {
        sum += kLineWorths[static_cast<std::size_t>(shape)];
    }
    return sum;
}

} // namespace

CellShapes::CellShapes()
{
    // Every cell is read once before its worth is first asked for.
    for (int cell = 1; cell <= kCellCount; ++cell) {
        dirty_.at(at(cell) / 64) |= std::uint64_t{1} << (at(cell) % 64);
    }
}

void CellShapes::changed(CellIndex cell)
{
    const auto& reach = kReachOf[at(cell)];
    dirty_[0] |= reach[0];
    dirty_[1] |= reach[1];
}

int CellShapes::worth(CellIndex cell, Side side, const LineWords& words)
{
    refresh(cell, words);
    return worth_.at(at(cell))[slot(side)];
}

int CellShapes::prospects(Side side, Turn turn, const LineWords& words)
{
    for (std::size_t word = 0; word < kWords; ++word) {
        while (dirty_[word] != 0) {
            refresh(static_cast<CellIndex>(word * 64 + static_cast<std::size_t>(std::countr_zero(dirty_[word]))),
                    words);
        }
    }
    return sums_.at(slot(side)).at(static_cast<std::size_t>(turn));
}

ShapeTally CellShapes::tally(Side side, const LineWords& words)
{
    ShapeTally tally;
    for (int cell = 1; cell <= kCellCount; ++cell) {
        if (words.isEmpty(static_cast<CellIndex>(cell))) {
            tally += ShapeTally::ofCell(words.codesOf(static_cast<CellIndex>(cell)), side);
        }
    }
    return tally;
}

void CellShapes::refresh(CellIndex cell, const LineWords& words)
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
    counted_[at(cell)] = words.isEmpty(cell);
    if (!counted_[at(cell)]) {
        return;
    }
    const LineCode::Codes codes = words.codesOf(cell);
    for (Side side : {Side::Own, Side::Opponent}) {
        const Worths worths = worthsOf(LineCode::shapesOf(codes, side));
        worth_[at(cell)][slot(side)] = worths.placing;
        auto& mine = prospects[slot(side)];
        mine[static_cast<std::size_t>(Turn::ToMove)] = worths.toMove;
        mine[static_cast<std::size_t>(Turn::Waiting)] = worths.waiting;
        for (std::size_t turn = 0; turn < kTurns; ++turn) {
            sums_[slot(side)][turn] += mine[turn];
        }
    }
}

} // namespace kesto::engine

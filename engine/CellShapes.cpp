#include "CellShapes.h"

#include "ShapeWeights.h"

#include <bit>

namespace kesto::engine {

static_assert(kCellCount < 64 * 2, "a cell set holds every cell");

namespace {

constexpr int kReach = LineCode::kReach;

// Across, down, down to the right, down to the left, as steps in rows and
// columns.
struct Step {
    int rows;
    int columns;
};
constexpr std::array<Step, LineCode::kDirections> kSteps{{{0, 1}, {1, 0}, {1, 1}, {1, -1}}};

// Where a cell sits on its line in each direction: which line, and how far
// along it. Rows are counted along by column, every other line by row, so
// that the cells before a cell on a line are those a step back from it.
struct Spot {
    std::uint8_t line;
    std::uint8_t along;
};
using Spots = std::array<std::array<Spot, LineCode::kDirections>, kCellCount + 1>;

constexpr Spots kSpots = [] {
    Spots spots{};
    constexpr int kDiagonals = 2 * kBoardSide - 1;
    for (int cell = 1; cell <= kCellCount; ++cell) {
        const int row = rowOf(cell) - 1;
        const int column = columnOf(cell) - 1;
        // A line's word begins with a reach of edge.
        const auto byColumn = static_cast<std::uint8_t>(kReach + column);
        const auto byRow = static_cast<std::uint8_t>(kReach + row);
        auto& spot = spots.at(static_cast<std::size_t>(cell));
        spot[0] = {static_cast<std::uint8_t>(row), byColumn};
        spot[1] = {static_cast<std::uint8_t>(kBoardSide + column), byRow};
        spot[2] = {static_cast<std::uint8_t>(2 * kBoardSide + row - column + kBoardSide - 1), byRow};
        spot[3] = {static_cast<std::uint8_t>(2 * kBoardSide + kDiagonals + row + column), byRow};
    }
    return spots;
}();

constexpr int kBitsPerCell = 2;
constexpr int kSideBits = kBitsPerCell * kReach;
constexpr CellShapes::LineWord kSideMask = (CellShapes::LineWord{1} << kSideBits) - 1;
constexpr CellShapes::LineWord kCellMask = (CellShapes::LineWord{1} << kBitsPerCell) - 1;

constexpr int shiftOf(int along)
{
    return kBitsPerCell * along;
}

// A line's word holds the cells before a cell farthest first; a code wants
// them nearest first.
constexpr auto kNearestFirst = [] {
    std::array<LineCode::Code, std::size_t{1} << kSideBits> reversed{};
    for (std::size_t bits = 0; bits < reversed.size(); ++bits) {
        std::size_t flipped = 0;
        for (int cell = 0; cell < kReach; ++cell) {
            flipped |= ((bits >> (kBitsPerCell * cell)) & kCellMask) << (kBitsPerCell * (kReach - 1 - cell));
        }
        reversed.at(bits) = static_cast<LineCode::Code>(flipped);
    }
    return reversed;
}();

// For each cell, the cells whose lines pass through it within a line's
// reach, itself included: those a stone there changes.
using Reach = std::array<std::array<std::uint64_t, 2>, kCellCount + 1>;
constexpr Reach kReachOf = [] {
    Reach built{};
    for (int cell = 1; cell <= kCellCount; ++cell) {
        for (Step step : kSteps) {
            for (int offset = -kReach; offset <= kReach; ++offset) {
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
    lines_.fill(~LineWord{0}); // edge throughout, until the cells are laid
    for (int cell = 1; cell <= kCellCount; ++cell) {
        setMark(static_cast<CellIndex>(cell), LineCode::kEmpty);
        dirty_.at(at(cell) / 64) |= std::uint64_t{1} << (at(cell) % 64);
    }
}

void CellShapes::place(CellIndex cell, Side side)
{
    setMark(cell, LineCode::mark(side));
    markChanged(cell);
}

void CellShapes::lift(CellIndex cell)
{
    setMark(cell, LineCode::kEmpty);
    markChanged(cell);
}

void CellShapes::setMark(CellIndex cell, LineCode::Code mark)
{
    for (const Spot spot : kSpots.at(at(cell))) {
        LineWord& line = lines_.at(spot.line);
        const int shift = shiftOf(spot.along);
        line = (line & ~(kCellMask << shift)) | (LineWord{mark} << shift);
    }
}

void CellShapes::markChanged(CellIndex cell)
{
    const auto& reach = kReachOf[at(cell)];
    dirty_[0] |= reach[0];
    dirty_[1] |= reach[1];
}

bool CellShapes::isEmpty(CellIndex cell) const
{
    const Spot across = kSpots[at(cell)][0];
    return ((lines_[across.line] >> shiftOf(across.along)) & kCellMask) == LineCode::kEmpty;
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
        if (isEmpty(static_cast<CellIndex>(cell))) {
            tally += ShapeTally::ofCell(codesOf(static_cast<CellIndex>(cell)), side);
        }
    }
    return tally;
}

LineCode::Codes CellShapes::codesOf(CellIndex cell) const
{
    LineCode::Codes codes{};
    const auto& spots = kSpots[at(cell)];
    for (std::size_t direction = 0; direction < LineCode::kDirections; ++direction) {
        const Spot spot = spots[direction];
        const LineWord around = lines_[spot.line] >> shiftOf(spot.along - kReach);
        const LineWord after = (around >> (kSideBits + kBitsPerCell)) & kSideMask;
        codes[direction] = static_cast<LineCode::Code>(kNearestFirst[around & kSideMask] | (after << kSideBits));
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
    counted_[at(cell)] = isEmpty(cell);
    if (!counted_[at(cell)]) {
        return;
    }
    const LineCode::Codes codes = codesOf(cell);
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

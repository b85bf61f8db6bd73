#include "LineWords.h"

namespace kesto::engine {

namespace {

constexpr int kReach = LineWords::kReach;
constexpr int kBitsPerCell = LineWords::kBitsPerCell;
constexpr int kSideBits = LineWords::kSideBits;
constexpr LineWords::Word kSideMask = LineWords::kSideMask;
constexpr LineWords::Word kCellMask = LineWords::kCellMask;

constexpr LineWords::Spots makeSpots()
{
    LineWords::Spots spots{};
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
}

constexpr LineWords::Along makeAlong()
{
    LineWords::Along built{};
    for (int cell = 1; cell <= kCellCount; ++cell) {
        for (std::size_t direction = 0; direction < LineCode::kDirections; ++direction) {
            const LineCode::Step step = LineCode::kSteps.at(direction);
            std::size_t index = 0;
            for (int offset = -kReach; offset <= kReach; ++offset) {
                const int row = rowOf(cell) + offset * step.rows;
                const int column = columnOf(cell) + offset * step.columns;
                if (offset != 0) {
                    built.at(static_cast<std::size_t>(cell)).at(direction).at(index++) =
                        onBoard(row, column) ? cellAt(row, column) : CellIndex{0};
                }
            }
        }
    }
    return built;
}

} // namespace

constexpr LineWords::Spots LineWords::kSpots = makeSpots();
constexpr LineWords::Along LineWords::kAlong = makeAlong();

namespace {

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

// Where the cell `offset` along sits in a raw code.
constexpr int rawShift(int offset)
{
    return offset < 0 ? kBitsPerCell * (kReach + offset) : kSideBits + kBitsPerCell * (offset - 1);
}

std::size_t at(int index)
{
    return static_cast<std::size_t>(index);
}

} // namespace

LineWords::LineWords()
{
    lines_.fill(~Word{0}); // edge throughout, until the cells are laid
    for (int cell = 1; cell <= kCellCount; ++cell) {
        setMark(static_cast<CellIndex>(cell), LineCode::kEmpty);
    }
}

void LineWords::setMark(CellIndex cell, LineCode::Code mark)
{
    for (const Spot spot : kSpots.at(at(cell))) {
        Word& line = lines_.at(spot.line);
        const int shift = shiftOf(spot.along);
        line = (line & ~(kCellMask << shift)) | (Word{mark} << shift);
    }
}

LineCode::Code LineWords::markOf(CellIndex cell) const
{
    const Spot across = kSpots[at(cell)][0];
    return static_cast<LineCode::Code>((lines_[across.line] >> shiftOf(across.along)) & kCellMask);
}

LineWords::RawCode LineWords::rawCodeOf(CellIndex cell, std::size_t direction) const
{
    const Spot spot = kSpots[at(cell)][direction];
    const Word around = lines_[spot.line] >> shiftOf(spot.along - kReach);
    const Word after = (around >> (kSideBits + kBitsPerCell)) & kSideMask;
    return static_cast<RawCode>((around & kSideMask) | (after << kSideBits));
}

LineWords::RawCode LineWords::withStone(RawCode code, int offset, LineCode::Code mark)
{
    return static_cast<RawCode>(code | (mark << rawShift(offset)));
}

LineCode::Code LineWords::fromRaw(RawCode code)
{
    return static_cast<LineCode::Code>(kNearestFirst[code & kSideMask] | (code & ~kSideMask));
}

LineCode::Code LineWords::codeOf(CellIndex cell, std::size_t direction) const
{
    return fromRaw(rawCodeOf(cell, direction));
}

LineCode::Codes LineWords::codesOf(CellIndex cell) const
{
    LineCode::Codes codes{};
    for (std::size_t direction = 0; direction < LineCode::kDirections; ++direction) {
        codes[direction] = codeOf(cell, direction);
    }
    return codes;
}

int LineWords::offsetAlong(CellIndex from, CellIndex to, std::size_t direction)
{
    const int rows = rowOf(to) - rowOf(from);
    const int columns = columnOf(to) - columnOf(from);
    const LineCode::Step step = LineCode::kSteps.at(direction);
    const int offset = step.rows != 0 ? rows * step.rows : columns;
    const bool onLine = rows == offset * step.rows && columns == offset * step.columns;
    return onLine && offset >= -kReach && offset <= kReach ? offset : 0;
}

} // namespace kesto::engine

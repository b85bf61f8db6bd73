#pragma once

#include "LineShape.h"
#include "Side.h"
#include "game/Types.h"

#include <array>
#include <cstdint>

namespace kesto::engine {

// The stones as every line of the board (rows, columns and both diagonals)
// packed two bits a cell, with a line's reach of edge at either end: the
// cells around a cell along a line are read in one shift, and reading never
// needs a bounds check. What a stone on a cell would make of a line is read
// from these words (see LineCode).
class LineWords {
public:
    using Word = std::uint64_t;
    static constexpr std::size_t kLineCount = 2 * kBoardSide + 2 * (2 * kBoardSide - 1);
    static_assert(2 * (kBoardSide + 2 * LineCode::kReach) <= 64, "a line fits its word");

    LineWords();

    void place(CellIndex cell, Side side) { setMark(cell, LineCode::mark(side)); }
    void lift(CellIndex cell) { setMark(cell, LineCode::kEmpty); }

    // What the cell holds: LineCode::kEmpty or a side's mark.
    LineCode::Code markOf(CellIndex cell) const;
    bool isEmpty(CellIndex cell) const { return markOf(cell) == LineCode::kEmpty; }

    // The cells either side of `cell` along `direction`, nearest first, as
    // LineCode reads them.
    LineCode::Code codeOf(CellIndex cell, std::size_t direction) const;
    LineCode::Codes codesOf(CellIndex cell) const;

    // The same cells as they lie in the word: those before the cell farthest
    // first. Cheaper to read, for tables built to be read so.
    using RawCode = std::uint16_t;
    RawCode rawCodeOf(CellIndex cell, std::size_t direction) const;
    // A raw code with a stone of mark `mark` `offset` cells along its line
    // (-kReach..kReach, not 0), on a cell it held empty.
    static RawCode withStone(RawCode code, int offset, LineCode::Code mark);
    // The code LineCode reads for a raw code.
    static LineCode::Code fromRaw(RawCode code);

    // Calls `visit(neighbour, direction, offset, code)` for each empty cell
    // on the lines through `cell` within a line's reach of it: the
    // direction of the line they share, how far along it the neighbour lies
    // from `cell`, and a reader of its raw code along it (called as
    // `code()`: many visitors never need it). Each line is read once from
    // its word: the cells along it, and the code of each, are shifts of it.
    template <typename Visit>
    void forEachEmptyNeighbour(CellIndex cell, Visit visit) const
    {
        for (std::size_t direction = 0; direction < LineCode::kDirections; ++direction) {
            forEachEmptyAlong(cell, direction, visit);
        }
    }
    // The same along one line only.
    template <typename Visit>
    void forEachEmptyAlong(CellIndex cell, std::size_t direction, Visit visit) const
    {
        const auto& along = kAlong[static_cast<std::size_t>(cell)][direction];
        const Spot here = kSpots[static_cast<std::size_t>(cell)][direction];
        const Word line = lines_[here.line];
        for (std::size_t index = 0; index < along.size(); ++index) {
            const int offset = offsetOfIndex(index);
            const int spot = here.along + offset;
            if (((line >> shiftOf(spot)) & kCellMask) != LineCode::kEmpty) {
                continue; // a stone, or past the edge
            }
            const auto code = [line, spot] {
                const Word around = line >> shiftOf(spot - kReach);
                const Word after = (around >> (kSideBits + kBitsPerCell)) & kSideMask;
                return static_cast<RawCode>((around & kSideMask) | (after << kSideBits));
            };
            visit(along[index], direction, offset, code);
        }
    }

    // How far along `direction` `to` lies from `from`, if on that line
    // within a line's reach; 0 if not.
    static int offsetAlong(CellIndex from, CellIndex to, std::size_t direction);

    // How the words are laid out.
    static constexpr int kReach = LineCode::kReach;
    static constexpr int kBitsPerCell = 2;
    static constexpr int kSideBits = kBitsPerCell * kReach;
    static constexpr Word kSideMask = (Word{1} << kSideBits) - 1;
    static constexpr Word kCellMask = (Word{1} << kBitsPerCell) - 1;
    static constexpr int shiftOf(int along) { return kBitsPerCell * along; }

    // Where a cell sits on its line in each direction: which line, and how
    // far along it. Rows are counted along by column, every other line by
    // row, so that the cells before a cell on a line are those a step back
    // from it.
    struct Spot {
        std::uint8_t line;
        std::uint8_t along;
    };
    using Spots = std::array<std::array<Spot, LineCode::kDirections>, kCellCount + 1>;
    static const Spots kSpots;
    // For each cell and direction, the cells on that line within a line's
    // reach either side of it (0 past the edge), the farthest before it
    // first.
    using Along = std::array<std::array<std::array<CellIndex, 2 * kReach>, LineCode::kDirections>, kCellCount + 1>;
    static const Along kAlong;
    // The offset from a cell of the neighbour at `index` of its kAlong row.
    static constexpr int offsetOfIndex(std::size_t index)
    {
        const auto signedIndex = static_cast<int>(index);
        return signedIndex < kReach ? signedIndex - kReach : signedIndex - kReach + 1;
    }

private:

    void setMark(CellIndex cell, LineCode::Code mark);

    std::array<Word, kLineCount> lines_{};
};

} // namespace kesto::engine

#pragma once

#include "Side.h"
#include "game/Types.h"

#include <array>
#include <cstdint>
#include <vector>

namespace kesto::engine {

// What a stone on an empty cell would make along one line through it, read
// off the four cells on either side: the most the line can still become
// with that stone in it.
enum class Shape : std::uint8_t {
    None,        // no five can ever pass through the cell along this line
    One,         // a five could still pass, nothing more
    TwoClosed,   // one more stone makes a closed three
    TwoOpen,     // one more stone makes an open three
    ThreeClosed, // one more stone makes a four
    ThreeOpen,   // one more stone makes two ways to five
    Four,        // one way to five
    OpenFour,    // two ways to five: the line cannot be stopped
    Five,
};
inline constexpr std::size_t kShapeCount = static_cast<std::size_t>(Shape::Five) + 1;

// The cells either side of a cell along a line, as a code of two bits a
// cell: nearest first on each side, the four before the cell in the low
// byte, the four after it in the high byte.
class LineCode {
public:
    static constexpr int kReach = kLineLength - 1; // cells looked at on either side
    static constexpr std::size_t kDirections = 4; // across, down and both diagonals
    using Code = std::uint16_t;
    using Codes = std::array<Code, kDirections>; // a cell's four lines
    using Shapes = std::array<Shape, kDirections>;
    // What a neighbour holds: a stone of either side, or the board's edge.
    static constexpr Code kEmpty = 0;
    static constexpr Code kEdge = 3;
    static constexpr Code mark(Side side) { return side == Side::Own ? 1 : 2; }

    // Where the neighbour `offset` cells along the line (-kReach..kReach,
    // not 0) sits in the code.
    static constexpr int shift(int offset)
    {
        return 2 * (offset < 0 ? -offset - 1 : kReach + offset - 1);
    }

    // The shape a stone of `side` on the cell would make along this line.
    static Shape shapeOf(Code code, Side side) { return table()[code].at(slot(side)); }
    // The shapes a stone of `side` would make along each of a cell's lines.
    static Shapes shapesOf(const Codes& codes, Side side)
    {
        const Table& shapesByCode = table();
        Shapes shapes{};
        for (std::size_t direction = 0; direction < kDirections; ++direction) {
            shapes[direction] = shapesByCode[codes[direction]][slot(side)];
        }
        return shapes;
    }

    static constexpr std::size_t kCodes = std::size_t{1} << (4 * kReach); // every line there is

private:
    using Table = std::vector<std::array<Shape, 2>>; // kCodes long
    static const Table& table();
};

} // namespace kesto::engine

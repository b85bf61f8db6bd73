#pragma once

#include "LineShape.h"
#include "Side.h"

#include <array>
#include <cstdint>

namespace kesto::engine {

// What lines meeting on a cell make together, beyond each line's shape:
// two open threes, a four and an open three, two ways to five at once. No
// single stone answers any of them.
enum class Meeting : std::uint8_t { None, TwoThrees, FourThree, TwoFours };
inline constexpr std::size_t kMeetingCount = static_cast<std::size_t>(Meeting::TwoFours) + 1;

// How many lines a stone of one side would bring to each shape, and how
// many cells would see its lines meet: for one empty cell, or for all of
// the side's empty cells together.
struct ShapeTally {
    std::array<std::int16_t, kShapeCount> lines{};       // by Shape
    std::array<std::int16_t, kMeetingCount> meetings{}; // by Meeting

    // What a stone of `side` on a cell with these lines would make.
    static ShapeTally ofCell(const LineCode::Codes& codes, Side side);
    // What the four lines of a cell make together. Read for both sides of
    // every cell a stone changes, so kept where it can be inlined.
    static constexpr Meeting meetingOf(const LineCode::Shapes& shapes)
    {
        int fours = 0;
        int threes = 0;
        for (Shape shape : shapes) {
            fours += shape == Shape::Four ? 1 : shape >= Shape::OpenFour ? 2 : 0;
            threes += shape == Shape::ThreeOpen ? 1 : 0;
        }
        return fours >= 2                  ? Meeting::TwoFours
               : fours == 1 && threes >= 1 ? Meeting::FourThree
               : threes >= 2               ? Meeting::TwoThrees
                                           : Meeting::None;
    }

    std::int16_t lineCount(Shape shape) const { return lines.at(static_cast<std::size_t>(shape)); }
    std::int16_t meetingCount(Meeting meeting) const { return meetings.at(static_cast<std::size_t>(meeting)); }

    ShapeTally& operator+=(const ShapeTally& other);
    bool operator==(const ShapeTally& other) const = default;
};

} // namespace kesto::engine

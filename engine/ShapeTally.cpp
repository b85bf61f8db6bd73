#include "ShapeTally.h"

namespace kesto::engine {

namespace {

template <std::size_t N>
void addTo(std::array<std::int16_t, N>& into, const std::array<std::int16_t, N>& from, int sign)
{
    for (std::size_t i = 0; i < N; ++i) {
        into[i] = static_cast<std::int16_t>(into[i] + sign * from[i]);
    }
}

} // namespace

ShapeTally ShapeTally::ofCell(const LineCode::Codes& codes, Side side)
{
    ShapeTally tally;
    int fours = 0;
    int threes = 0;
    for (LineCode::Code code : codes) {
        const Shape shape = LineCode::shapeOf(code, side);
        ++tally.lines.at(static_cast<std::size_t>(shape));
        fours += shape == Shape::Four ? 1 : shape >= Shape::OpenFour ? 2 : 0;
        threes += shape == Shape::ThreeOpen ? 1 : 0;
    }
    const Meeting meeting = fours >= 2                ? Meeting::TwoFours
                            : fours == 1 && threes >= 1 ? Meeting::FourThree
                            : threes >= 2               ? Meeting::TwoThrees
                                                        : Meeting::None;
    ++tally.meetings.at(static_cast<std::size_t>(meeting));
    return tally;
}

ShapeTally& ShapeTally::operator+=(const ShapeTally& other)
{
    addTo(lines, other.lines, 1);
    addTo(meetings, other.meetings, 1);
    return *this;
}

ShapeTally& ShapeTally::operator-=(const ShapeTally& other)
{
    addTo(lines, other.lines, -1);
    addTo(meetings, other.meetings, -1);
    return *this;
}

} // namespace kesto::engine

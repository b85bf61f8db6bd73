#include "ShapeTally.h"

namespace kesto::engine {

namespace {

template <std::size_t N>
void addTo(std::array<std::int16_t, N>& into, const std::array<std::int16_t, N>& from)
{
    for (std::size_t i = 0; i < N; ++i) {
        into[i] = static_cast<std::int16_t>(into[i] + from[i]);
    }
}

} // namespace

ShapeTally ShapeTally::ofCell(const LineCode::Codes& codes, Side side)
{
    ShapeTally tally;
    const LineCode::Shapes shapes = LineCode::shapesOf(codes, side);
    for (Shape shape : shapes) {
        ++tally.lines.at(static_cast<std::size_t>(shape));
    }
    ++tally.meetings.at(static_cast<std::size_t>(meetingOf(shapes)));
    return tally;
}

ShapeTally& ShapeTally::operator+=(const ShapeTally& other)
{
    addTo(lines, other.lines);
    addTo(meetings, other.meetings);
    return *this;
}

} // namespace kesto::engine

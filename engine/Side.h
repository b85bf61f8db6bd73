#pragma once

#include <cstddef>
#include <cstdint>

namespace kesto::engine {

// The two sides as the computer player sees them: its own stones and the
// opponent's, whatever the players' numbers on the board.
enum class Side : std::uint8_t { Own, Opponent };

constexpr Side opponent(Side side)
{
    return side == Side::Own ? Side::Opponent : Side::Own;
}

// Where a side's entry sits in a table kept per side.
constexpr std::size_t slot(Side side)
{
    return static_cast<std::size_t>(side);
}

} // namespace kesto::engine

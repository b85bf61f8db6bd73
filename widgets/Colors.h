#pragma once

#include "game/Types.h"

#include <QColor>

namespace kesto::widgets {

// Colours of the layout, as 0x00BBGGRR values like the players' colours.
inline constexpr Color kDarkGreen = 0x008000; // window background
inline constexpr Color kBlue = 0xFF0000;      // shape borders
inline constexpr Color kLightBlue = 0xFF8080; // the field between the grid lines
inline constexpr Color kOrange = 0x0080FF;    // the board's background
inline constexpr Color kSilver = 0xC0C0C0;    // the side panel
inline constexpr Color kBlack = 0x000000;     // the read-out box, default shape border
inline constexpr Color kGrey = 0x808080;      // the maker line
inline constexpr Color kMaroon = 0x000080;    // the review's ring on the move where a game turned
inline constexpr Color kPurple = 0x800080;    // the review's ring on the move that would have held

inline QColor toQColor(Color color)
{
    return QColor::fromRgb(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

} // namespace kesto::widgets

#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace kesto::widgets {

// The layout is drawn up in twips, 1440 to the inch: 15 to the pixel at 96
// dots per inch. Every position and size in the layout is a whole number of
// pixels.
inline constexpr int kTwipsPerPixel = 15;

constexpr int px(int twips)
{
    return twips / kTwipsPerPixel;
}

constexpr QPoint twipsPoint(int left, int top)
{
    return {px(left), px(top)};
}

constexpr QSize twipsSize(int width, int height)
{
    return {px(width), px(height)};
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return {px(left), px(top), px(width), px(height)};
}

} // namespace kesto::widgets

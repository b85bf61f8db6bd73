#pragma once

#include "Colors.h"

#include <QRect>

class QPainter;

namespace kesto::widgets {

// A figure drawn straight onto the window: a rectangle, a rounded rectangle
// or a circle, with its border drawn inside its bounds. It takes no mouse
// input.
struct Shape {
    enum class Figure { Rectangle, RoundedRectangle, Circle };

    Figure figure = Figure::Rectangle;
    QRect bounds;
    Color border = kBlack;
    int borderWidth = 1;
    bool solidFill = false; // otherwise only the outline is drawn
    Color fill = kBlack;

    void paint(QPainter& painter) const;
};

} // namespace kesto::widgets

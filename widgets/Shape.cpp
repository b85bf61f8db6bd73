#include "Shape.h"

#include "Colors.h"

#include <QPainter>
#include <QPen>

#include <algorithm>

namespace kesto::widgets {

namespace {

// Corner radius of a rounded rectangle, as a share of its shorter side.
constexpr double kCornerShare = 1.0 / 8.0;

} // namespace

void Shape::paint(QPainter& painter) const
{
    // The pen runs along the middle of the border, so that the whole border
    // lies inside the bounds and lines stay sharp on whole pixels.
    const double inset = borderWidth / 2.0;
    const QRectF outline = QRectF(bounds).adjusted(inset, inset, -inset, -inset);
    painter.setPen(QPen(toQColor(border), borderWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(solidFill ? QBrush(toQColor(fill)) : QBrush(Qt::NoBrush));
    switch (figure) {
    case Figure::Rectangle:
        painter.drawRect(outline);
        break;
    case Figure::RoundedRectangle: {
        const double radius = std::min(bounds.width(), bounds.height()) * kCornerShare;
        painter.drawRoundedRect(outline, radius, radius);
        break;
    }
    case Figure::Circle:
        painter.drawEllipse(outline);
        break;
    }
}

} // namespace kesto::widgets

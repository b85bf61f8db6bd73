#pragma once

#include <QSize>
#include <QString>

#include <memory>

class QPainter;
class QPointF;
class QSvgRenderer;

namespace kesto::widgets {

// A drawing from the game's resources. It is drawn at its natural size and
// stays sharp at any screen density; it is rendered once for each density
// it is shown at, and copied from there. Copies share the drawing and its
// rendering, and two pictures are equal when they are the same drawing.
class Picture {
public:
    Picture() = default;
    explicit Picture(const QString& resource);

    bool isNull() const { return !drawing_; }
    QSize size() const;
    void paint(QPainter& painter, QPointF topLeft) const;

    friend bool operator==(const Picture& a, const Picture& b) { return a.drawing_ == b.drawing_; }

private:
    struct Drawing;
    std::shared_ptr<Drawing> drawing_;
};

} // namespace kesto::widgets

#pragma once

#include <QSize>
#include <QString>

#include <memory>

class QPainter;
class QPointF;
class QSvgRenderer;

namespace kesto::ui {

// A drawing from the game's resources. It is drawn at its natural size and
// stays sharp at any screen density. Copies share the drawing, and two
// pictures are equal when they are the same drawing.
class Picture {
public:
    Picture() = default;
    explicit Picture(const QString& resource);

    bool isNull() const { return !renderer_; }
    QSize size() const;
    void paint(QPainter& painter, QPointF topLeft) const;

    friend bool operator==(const Picture&, const Picture&) = default;

private:
    std::shared_ptr<QSvgRenderer> renderer_;
};

} // namespace kesto::ui

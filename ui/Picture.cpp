#include "Picture.h"

#include <QPainter>
#include <QSvgRenderer>

namespace kesto::ui {

Picture::Picture(const QString& resource) : renderer_(std::make_shared<QSvgRenderer>(resource))
{
    if (!renderer_->isValid()) {
        // A missing picture is a broken build, not something to play on with.
        qFatal("picture %s is missing or unreadable", qUtf8Printable(resource));
    }
}

QSize Picture::size() const
{
    return renderer_ ? renderer_->defaultSize() : QSize();
}

void Picture::paint(QPainter& painter, QPointF topLeft) const
{
    if (renderer_) {
        renderer_->render(&painter, QRectF(topLeft, QSizeF(size())));
    }
}

} // namespace kesto::ui

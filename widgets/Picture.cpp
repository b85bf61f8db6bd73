#include "Picture.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace kesto::widgets {

struct Picture::Drawing {
    explicit Drawing(const QString& resource) : renderer(resource) {}

    QSvgRenderer renderer;
    QPixmap rendered; // at the density last painted on
};

Picture::Picture(const QString& resource) : drawing_(std::make_shared<Drawing>(resource))
{
    if (!drawing_->renderer.isValid()) {
        // A missing picture is a broken build, not something to play on with.
        qFatal("picture %s is missing or unreadable", qUtf8Printable(resource));
    }
}

QSize Picture::size() const
{
    return drawing_ ? drawing_->renderer.defaultSize() : QSize();
}

void Picture::paint(QPainter& painter, QPointF topLeft) const
{
    if (!drawing_) {
        return;
    }
    const qreal density = painter.device()->devicePixelRatioF();
    QPixmap& rendered = drawing_->rendered;
    if (rendered.isNull() || rendered.devicePixelRatio() != density) {
        rendered = QPixmap(size() * density);
        rendered.setDevicePixelRatio(density);
        rendered.fill(Qt::transparent);
        QPainter onto(&rendered);
        onto.setRenderHint(QPainter::Antialiasing);
        drawing_->renderer.render(&onto, QRectF(QPointF(0, 0), QSizeF(size())));
    }
    painter.drawPixmap(topLeft, rendered);
}

} // namespace kesto::widgets

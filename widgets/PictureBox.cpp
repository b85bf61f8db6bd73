#include "PictureBox.h"

#include <QPaintEvent>
#include <QPainter>

namespace kesto::widgets {

PictureBox::PictureBox(const Picture& picture, QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken); // a two-pixel sunken border
    // The box fills its own background, in the same pass as the picture.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setPicture(picture);
}

void PictureBox::setPicture(const Picture& picture)
{
    if (picture == picture_) {
        return;
    }
    const bool sameSize = picture.size() == picture_.size();
    picture_ = picture;
    if (sameSize) {
        update(contentsRect()); // the border stays as it is
        return;
    }
    const int border = 2 * frameWidth();
    setFixedSize(picture_.size() + QSize(border, border));
    update();
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    const QBrush background = palette().brush(backgroundRole());
    const bool inside = contentsRect().contains(event->rect());
    if (!inside) {
        QPainter(this).fillRect(event->rect(), background);
        QFrame::paintEvent(event);
    }
    QPainter painter(this);
    if (inside) {
        painter.fillRect(event->rect(), background);
    }
    painter.setRenderHint(QPainter::Antialiasing);
    picture_.paint(painter, contentsRect().topLeft());
}

} // namespace kesto::widgets

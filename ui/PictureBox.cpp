#include "PictureBox.h"

#include <QPainter>

namespace kesto::ui {

PictureBox::PictureBox(const Picture& picture, QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken); // a two-pixel sunken border
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    setPicture(picture);
}

void PictureBox::setPicture(const Picture& picture)
{
    if (picture == picture_) {
        return;
    }
    picture_ = picture;
    const int border = 2 * frameWidth();
    setFixedSize(picture_.size() + QSize(border, border));
    update();
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    picture_.paint(painter, contentsRect().topLeft());
}

} // namespace kesto::ui

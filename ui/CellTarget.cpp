#include "CellTarget.h"

#include <QMouseEvent>

namespace kesto::ui {

CellTarget::CellTarget(CellIndex index, QWidget* parent) : QWidget(parent), index_(index)
{
    // Moves are reported with no button held, as the hover preview needs.
    setMouseTracking(true);
}

void CellTarget::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
}

void CellTarget::mouseReleaseEvent(QMouseEvent* event)
{
    // A click is a left press and release on the same square.
    const bool click = pressed_ && event->button() == Qt::LeftButton
                       && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click) {
        emit clicked(index_);
    }
}

void CellTarget::mouseMoveEvent(QMouseEvent* /*event*/)
{
    emit mouseMoved(index_);
}

} // namespace kesto::ui

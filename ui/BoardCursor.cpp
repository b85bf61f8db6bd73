#include "BoardCursor.h"

#include "WindowSurface.h"

#include <QKeyEvent>
#include <QPainter>

#include <algorithm>

namespace kesto::ui {

namespace {

constexpr int kMiddle = kBoardSide / 2;
constexpr int kRingGap = 3;     // pixels between the circle and the ring
constexpr qreal kRingWidth = 2;

} // namespace

BoardCursor::BoardCursor(const QRect& board, QWidget* parent)
    : QWidget(parent), cell_(cellAt(kMiddle, kMiddle))
{
    setObjectName(QStringLiteral("Board"));
    setGeometry(board);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::TabFocus);
}

void BoardCursor::keyPressEvent(QKeyEvent* event)
{
    const int row = rowOf(cell_);
    const int column = columnOf(cell_);
    switch (event->key()) {
    case Qt::Key_Left:
        moveTo(row, column - 1);
        break;
    case Qt::Key_Right:
        moveTo(row, column + 1);
        break;
    case Qt::Key_Up:
        moveTo(row - 1, column);
        break;
    case Qt::Key_Down:
        moveTo(row + 1, column);
        break;
    case Qt::Key_Home:
        moveTo(row, 1);
        break;
    case Qt::Key_End:
        moveTo(row, kBoardSide);
        break;
    case Qt::Key_PageUp:
        moveTo(1, column);
        break;
    case Qt::Key_PageDown:
        moveTo(kBoardSide, column);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        emit chosen(cell_);
        break;
    default:
        QWidget::keyPressEvent(event); // not the board's: passed on
        return;
    }
    event->accept();
}

void BoardCursor::moveTo(int row, int column)
{
    const CellIndex cell = cellAt(std::clamp(row, 1, kBoardSide), std::clamp(column, 1, kBoardSide));
    if (cell == cell_) {
        return;
    }
    update(ringRect());
    cell_ = cell;
    update(ringRect());
    emit moved(cell_);
}

QRect BoardCursor::ringRect() const
{
    const int margin = kRingGap + static_cast<int>(kRingWidth);
    return WindowSurface::cellRect(cell_).translated(-pos()).adjusted(-margin, -margin, margin, margin);
}

void BoardCursor::paintEvent(QPaintEvent* /*event*/)
{
    if (!hasFocus()) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::Highlight), kRingWidth));
    painter.setBrush(Qt::NoBrush);
    const qreal inset = kRingWidth / 2;
    painter.drawEllipse(QRectF(ringRect()).adjusted(inset, inset, -inset, -inset));
}

void BoardCursor::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update(ringRect());
    emit moved(cell_); // the preview and the screen reader learn where it is
}

void BoardCursor::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update(ringRect());
}

} // namespace kesto::ui

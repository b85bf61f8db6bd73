#include "PictureDialog.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace kesto::dialogs {

PictureDialog::PictureDialog(const QString& title, QSize clientSize,
                             const widgets::Picture& background)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint), background_(background)
{
    setWindowTitle(title);
    setFixedSize(clientSize);
    setAttribute(Qt::WA_DeleteOnClose);
    // Not owned by the main window: the program runs on until this is closed
    // too.
    setAttribute(Qt::WA_QuitOnClose);
}

void PictureDialog::centreOn(const QRect& owner)
{
    move(owner.center() - rect().center());
}

void PictureDialog::showInFront()
{
    if (isVisible()) {
        raise(); // already open: bring it over whatever covers it
    } else {
        show();
    }
    activateWindow();
}

void PictureDialog::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    background_.paint(painter, QPointF(0, 0));
}

void PictureDialog::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton && isSurface(event->position().toPoint());
}

void PictureDialog::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(pos)
                       && isSurface(pos);
    pressed_ = false;
    if (click) {
        Form_Click();
    }
}

void PictureDialog::keyPressEvent(QKeyEvent* event)
{
    // Escape closes it as a click does, for those who play by keyboard.
    if (event->key() == Qt::Key_Escape) {
        Form_Click();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool PictureDialog::isSurface(QPoint /*pos*/) const
{
    return true;
}

void PictureDialog::Form_Click()
{
    close();
}

} // namespace kesto::dialogs

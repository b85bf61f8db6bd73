#include "CellTarget.h"

#include <QAccessibleWidget>
#include <QMouseEvent>

namespace kesto::ui {

namespace {

// Assistive technology sees each cell as a button named after its place and
// what is on it.
QAccessibleInterface* cellAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String(CellTarget::staticMetaObject.className())
        && object->isWidgetType()) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Button);
    }
    return nullptr;
}

} // namespace

CellTarget::CellTarget(CellIndex index, QWidget* parent) : QWidget(parent), index_(index)
{
    // Moves are reported with no button held, as the hover preview needs.
    setMouseTracking(true);
    static const bool accessible = [] {
        QAccessible::installFactory(cellAccessible);
        return true;
    }();
    Q_UNUSED(accessible);
}

void CellTarget::describe(const GameState& state)
{
    const int owner = state.board.at(index_);
    const QString content =
        owner == kEmpty ? QStringLiteral("empty")
                        : QStringLiteral("%1's stone").arg(QString::fromStdString(state.playerName.at(owner)).simplified());
    setAccessibleName(
        QStringLiteral("Row %1, column %2: %3").arg(rowOf(index_)).arg(columnOf(index_)).arg(content));
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

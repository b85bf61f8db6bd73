#include "ReplayStopper.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace kesto::ui {

ReplayStopper::ReplayStopper(QObject* reset, std::function<void()> stop, QObject* parent)
    : QObject(parent), reset_(reset), stop_(std::move(stop))
{
}

ReplayStopper::~ReplayStopper()
{
    if (installed_ && QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->removeEventFilter(this);
    }
}

void ReplayStopper::watch(bool on)
{
    watching_ = on;
    if (watching_ && !installed_) {
        QCoreApplication::instance()->installEventFilter(this);
        installed_ = true;
    }
}

bool ReplayStopper::letThrough(QObject* watched, QEvent* event) const
{
    if (watched == reset_) {
        return true;
    }
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
        // A modifier held down on its own is no key yet: Alt must reach
        // Reset's Alt+R, and Ctrl the key it goes with.
        const int key = static_cast<QKeyEvent*>(event)->key();
        const auto modifiers = static_cast<QKeyEvent*>(event)->modifiers();
        return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Meta
               || key == Qt::Key_AltGr || (key == Qt::Key_R && modifiers == Qt::AltModifier);
    }
    return false;
}

bool ReplayStopper::eventFilter(QObject* watched, QEvent* event)
{
    // Events reach the window system's window before the widget they are
    // for: only the widget's copy counts.
    if (!watched->isWidgetType()) {
        return false;
    }
    const QEvent::Type type = event->type();
    const bool press = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;
    const bool key = type == QEvent::KeyPress || type == QEvent::ShortcutOverride;
    if (watching_ && (press || key || type == QEvent::ContextMenu) && !letThrough(watched, event)) {
        watching_ = false;
        swallowRelease_ = press;
        swallowKey_ = key;
        stop_();
        event->accept();
        return true;
    }
    if (swallowRelease_ && type == QEvent::MouseButtonRelease) {
        swallowRelease_ = false;
        return true;
    }
    // The stopping key comes as a shortcut's override and as a press,
    // perhaps more than once: each is taken, so that no shortcut fires and
    // no widget sees it, until the key is let go.
    if (swallowKey_ && key) {
        event->accept();
        return true;
    }
    if (swallowKey_ && type == QEvent::KeyRelease && !static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
        swallowKey_ = false;
        return true;
    }
    if (!watching_ && !swallowRelease_ && !swallowKey_) {
        QCoreApplication::instance()->removeEventFilter(this);
        installed_ = false;
    }
    return false;
}

} // namespace kesto::ui

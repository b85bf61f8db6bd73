#pragma once

#include "Preferences.h"

#include <QMenu>

class QAction;

namespace kesto::ui {

// The window's context menu: Undo, the computer's strength and whether the
// computer opens. The two choices apply from the next new game, like the
// play mode, and are remembered between runs.
class GameMenu : public QMenu {
    Q_OBJECT

public:
    explicit GameMenu(QWidget* parent);

    // Takes back a move; its shortcut is the platform's undo key.
    QAction* undoAction() const { return undo_; }

    // The choices as they stand now.
    const Preferences& preferences() const { return preferences_; }

private:
    void addStrengths();
    void choose(const Preferences& preferences);

    Preferences preferences_;
    QAction* undo_;
    QAction* computerOpens_ = nullptr;
};

} // namespace kesto::ui

#pragma once

#include "FileWriter.h"
#include "Preferences.h"
#include "game/Game.h"

#include <QMenu>

#include <array>

class QAction;

namespace kesto::ui {

// The window's context menu: Undo; the kept, saved and opened games and the
// replay; the computer's strength and whether the computer opens. The two
// choices apply from the next new game, like the play mode, and are
// remembered between runs.
class GameMenu : public QMenu {
    Q_OBJECT

public:
    explicit GameMenu(QWidget* parent);

    // Takes back a move; its shortcut is the platform's undo key.
    QAction* undoAction() const { return undo_; }
    // Brings back the game kept from an earlier run.
    QAction* continueAction() const { return continue_; }
    // Opens a game record (Ctrl+O) and saves one (Ctrl+S).
    QAction* openAction() const { return open_; }
    QAction* saveAction() const { return save_; }
    // Plays the game on the board back.
    QAction* replayAction() const { return replay_; }
    // Shows the strongest player's choice for the side to move (Ctrl+H).
    QAction* hintAction() const { return hint_; }
    // Reads the game back to find where it turned.
    QAction* reviewAction() const { return review_; }
    // The actions whose keys work with the menu closed.
    QList<QAction*> keyedActions() const { return {undo_, hint_, open_, save_}; }

    // Enables the game actions that can be taken on `game` now (Undo is
    // the game's to say): Continue when `continuable`, Review when
    // `reviewable`, none of them while a replay runs.
    void showWhatCanBeDone(const Game& game, bool continuable, bool reviewable);

    // Shift+F10 and the Menu key open the menu on `window`, at the widget
    // with the focus, or at `fallback` (in the window) when none has it.
    void openByKeyboardOn(QWidget* window, QPoint fallback);

    // How a game against the computer ended for the player.
    enum class Outcome { Won, Lost, Unfinished };
    // Counts a game against the computer at `level`, kept with the choices.
    void count(engine::Strength level, Outcome outcome);

    // The choices as they stand now.
    const Preferences& preferences() const { return preferences_; }

private:
    QAction* addNamedAction(const QString& text, const char* name, const QKeySequence& keys = {});
    void addStrengths();
    void addResults();
    void showResults();
    void choose(const Preferences& preferences);

    Preferences preferences_;
    FileWriter* settings_; // writes the choices, off the window's thread
    QAction* undo_;
    QAction* hint_ = nullptr;
    QAction* continue_ = nullptr;
    QAction* open_ = nullptr;
    QAction* save_ = nullptr;
    QAction* replay_ = nullptr;
    QAction* review_ = nullptr;
    QAction* computerOpens_ = nullptr;
    std::array<QAction*, engine::kStrengths.size()> resultLines_{};
    QAction* clearResults_ = nullptr;
};

} // namespace kesto::ui

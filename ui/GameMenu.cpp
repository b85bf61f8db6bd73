#include "GameMenu.h"

#include <QActionGroup>
#include <QShortcut>

#include <array>

namespace kesto::ui {

namespace {

const std::array<QString, engine::kStrengths.size()> kStrengthCaptions{
    QStringLiteral("Easy"), QStringLiteral("Medium"), QStringLiteral("Hard"),
    QStringLiteral("Strongest")};

std::size_t at(engine::Strength strength)
{
    return static_cast<std::size_t>(strength);
}

} // namespace

GameMenu::GameMenu(QWidget* parent)
    : QMenu(parent),
      preferences_(Preferences::load()),
      settings_(new FileWriter(Preferences::path(), this)),
      undo_(addNamedAction(QStringLiteral("&Undo"), "Undo", QKeySequence::Undo))
{
    setObjectName(QStringLiteral("GameMenu"));
    setAccessibleName(QStringLiteral("Game menu"));
    hint_ = addNamedAction(QStringLiteral("&Hint"), "Hint", QKeySequence(Qt::CTRL | Qt::Key_H));
    addSeparator();
    continue_ = addNamedAction(QStringLiteral("&Continue last game"), "Continue");
    open_ = addNamedAction(QStringLiteral("Open &game..."), "Open", QKeySequence::Open);
    save_ = addNamedAction(QStringLiteral("Sa&ve game as..."), "Save", QKeySequence::Save);
    replay_ = addNamedAction(QStringLiteral("&Replay"), "Replay");
    review_ = addNamedAction(QStringLiteral("Revie&w"), "Review");
    addSeparator();
    addStrengths();
    computerOpens_ = addAction(QStringLiteral("Computer &opens"));
    computerOpens_->setObjectName(QStringLiteral("ComputerOpens"));
    computerOpens_->setCheckable(true);
    computerOpens_->setChecked(preferences_.computerOpens);
    connect(computerOpens_, &QAction::toggled, this, [this](bool on) {
        Preferences chosen = preferences_;
        chosen.computerOpens = on;
        choose(chosen);
    });
    addResults();
}

void GameMenu::addResults()
{
    QMenu* submenu = addMenu(QStringLiteral("Your &results"));
    submenu->setObjectName(QStringLiteral("Results"));
    submenu->setAccessibleName(QStringLiteral("Your results against the computer"));
    for (engine::Strength level : engine::kStrengths) {
        QAction* line = submenu->addAction(QString());
        line->setObjectName(QStringLiteral("Results") + kStrengthCaptions.at(at(level)));
        line->setEnabled(false); // a line to read, not to choose
        resultLines_.at(at(level)) = line;
    }
    submenu->addSeparator();
    clearResults_ = submenu->addAction(QStringLiteral("&Clear results"));
    clearResults_->setObjectName(QStringLiteral("ClearResults"));
    connect(clearResults_, &QAction::triggered, this, [this] {
        Preferences chosen = preferences_;
        chosen.results = {};
        choose(chosen);
    });
    showResults();
}

void GameMenu::showResults()
{
    for (engine::Strength level : engine::kStrengths) {
        const Preferences::Results& counts = preferences_.resultsAt(level);
        resultLines_.at(at(level))
            ->setText(QStringLiteral("%1: %2 won, %3 lost, %4 unfinished")
                          .arg(kStrengthCaptions.at(at(level)))
                          .arg(counts.won)
                          .arg(counts.lost)
                          .arg(counts.unfinished));
    }
    clearResults_->setEnabled(preferences_.results != decltype(preferences_.results){});
}

void GameMenu::count(engine::Strength level, Outcome outcome)
{
    Preferences chosen = preferences_;
    Preferences::Results& counts = chosen.resultsAt(level);
    ++(outcome == Outcome::Won ? counts.won : outcome == Outcome::Lost ? counts.lost : counts.unfinished);
    choose(chosen);
}

QAction* GameMenu::addNamedAction(const QString& text, const char* name, const QKeySequence& keys)
{
    QAction* action = addAction(text);
    action->setObjectName(QLatin1String(name));
    if (!keys.isEmpty()) {
        action->setShortcut(keys);
        // The winner dialog may have the focus when a player takes the win
        // back, or saves it.
        action->setShortcutContext(Qt::ApplicationShortcut);
    }
    return action;
}

void GameMenu::showWhatCanBeDone(const Game& game, bool continuable, bool reviewable)
{
    const bool replaying = game.replaying();
    hint_->setEnabled(game.playerToMove());
    continue_->setEnabled(!replaying && continuable);
    open_->setEnabled(!replaying);
    save_->setEnabled(!replaying && !game.moves().empty());
    replay_->setEnabled(game.canReplay());
    review_->setEnabled(!replaying && reviewable);
}

void GameMenu::openByKeyboardOn(QWidget* window, QPoint fallback)
{
    for (const QKeySequence& keys : {QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)}) {
        auto* shortcut = new QShortcut(keys, window);
        connect(shortcut, &QShortcut::activated, this, [this, window, fallback] {
            const QWidget* focus = window->focusWidget();
            popup(focus != nullptr ? focus->mapToGlobal(focus->rect().center()) : window->mapToGlobal(fallback));
        });
    }
}

void GameMenu::addStrengths()
{
    QMenu* submenu = addMenu(QStringLiteral("Computer &strength"));
    submenu->setObjectName(QStringLiteral("ComputerStrength"));
    submenu->setAccessibleName(QStringLiteral("Computer strength"));
    auto* group = new QActionGroup(submenu);
    group->setExclusive(true);
    for (engine::Strength strength : engine::kStrengths) {
        QAction* action = submenu->addAction(kStrengthCaptions.at(at(strength)));
        action->setObjectName(kStrengthCaptions.at(at(strength)));
        action->setCheckable(true);
        action->setChecked(strength == preferences_.strength);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, strength] {
            Preferences chosen = preferences_;
            chosen.strength = strength;
            choose(chosen);
        });
    }
}

void GameMenu::choose(const Preferences& preferences)
{
    preferences_ = preferences;
    showResults();
    settings_->write(preferences_.toText());
}

} // namespace kesto::ui

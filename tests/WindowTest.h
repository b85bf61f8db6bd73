#pragma once

// Helpers for driving the real main window: finding its controls by name,
// clicking and pointing through the window system, ticking its timers and
// looking at what it shows.

#include "dialogs/Form2.h"
#include "ui/FileWriter.h"
#include "ui/Form1.h"
#include "ui/GameKeeper.h"
#include "ui/KeptGame.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace windowtest {

// The computer's stones, as the board records them.
inline constexpr int kComputer = kesto::Game::kComputer;

// The offscreen platform has no window stacking and says so every time a
// window is brought to the front; that one remark is dropped, everything
// else is passed on to the test log.
inline void quietRaiseWarnings()
{
    // Installed once: a second installation would pass messages on to itself.
    static QtMessageHandler passOn = nullptr;
    if (passOn != nullptr) {
        return;
    }
    passOn = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context,
                                       const QString& message) {
        if (message != QLatin1String("This plugin does not support raise()")) {
            passOn(type, context, message);
        }
    });
}

// What every window test starts with: the remark above dropped, and the
// window's remembered choices kept apart from the player's own, so that a
// developer's settings cannot change a test and no test changes them.
inline void prepareWindowTests()
{
    quietRaiseWarnings();
    QStandardPaths::setTestModeEnabled(true);
}

// Every window suite's fixture: each test function plays on a window of
// its own, opened as a new run of the game opens it (the one before it
// closed first, so that what it keeps is on the disk), shown and waited for.
inline void openWindow(std::unique_ptr<kesto::ui::Form1>& window)
{
    window.reset();
    window = std::make_unique<kesto::ui::Form1>();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
}

// Leaves `moves` against the computer at `strength` as the kept game, as a
// run that ended there would have: the player opened, the clock at
// `seconds`. Written while no window is open.
inline void keepAgainstTheComputer(std::vector<kesto::CellIndex> moves, kesto::engine::Strength strength,
                                   std::int64_t seconds = 0)
{
    kesto::ui::KeptGame kept;
    kept.record.versusComputer = true;
    kept.record.moves = std::move(moves);
    kept.record.clockSeconds = seconds;
    kept.strength = strength;
    QVERIFY(kesto::ui::FileWriter::writeWhole(kesto::ui::GameKeeper::path(),
                                              QByteArray::fromStdString(kept.toText())));
}

// Delivers whatever the program has left to do now: queued signals, posted
// events and windows waiting to be destroyed. What a test checks afterwards
// cannot be changed by anything already under way.
inline void flushEvents()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

template <typename T>
T* control(const QWidget* window, const QString& name)
{
    T* found = window->findChild<T*>(name);
    if (found == nullptr) {
        qFatal("no control %s", qUtf8Printable(name));
    }
    return found;
}

inline QWidget* cellTarget(const QWidget* window, int cell)
{
    return control<QWidget>(window, QStringLiteral("Image2(%1)").arg(cell));
}

inline QString caption(const QWidget* window, const char* label)
{
    return control<QLabel>(window, QLatin1String(label))->text();
}

inline QTimer* timer(const QWidget* window, const char* name)
{
    return control<QTimer>(window, QLatin1String(name));
}

// One tick of a timer, delivered exactly as the timer delivers it.
inline void tick(QTimer* timer, int ticks = 1)
{
    for (int i = 0; i < ticks; ++i) {
        QMetaObject::invokeMethod(timer, "timeout");
    }
}

// A click on the middle of a cell's square.
inline void clickCell(const QWidget* window, int cell)
{
    QTest::mouseClick(cellTarget(window, cell), Qt::LeftButton);
}

// A click on "&Reset".
inline void clickReset(const QWidget* window)
{
    QTest::mouseClick(control<QPushButton>(window, QStringLiteral("Command1")), Qt::LeftButton);
}

// A click on a choice of opponent: 0 for two players, 1 for the computer.
inline void clickMode(const QWidget* window, int index)
{
    QTest::mouseClick(control<QRadioButton>(window, QStringLiteral("Option1(%1)").arg(index)), Qt::LeftButton);
}

// How many stones `player` has on the window's board.
inline int stonesOf(const kesto::ui::Form1& window, int player)
{
    int stones = 0;
    for (int cell = 1; cell <= kesto::kCellCount; ++cell) {
        stones += window.game().state().board.at(cell) == player ? 1 : 0;
    }
    return stones;
}

inline void clickCells(const QWidget* window, std::initializer_list<int> cells)
{
    for (int cell : cells) {
        clickCell(window, cell);
    }
}

// A click at a point of the window, found by the window system as a
// player's click would be.
inline void clickAt(QWidget* window, QPoint pos)
{
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, pos);
}

// The pointer moved to a point of the window, no button held.
inline void pointAt(QWidget* window, QPoint pos)
{
    QTest::mouseMove(window->windowHandle(), pos);
}

// The colour shown in the middle of a cell's circle.
inline QColor shownColour(QWidget* window, int cell)
{
    const QRect circle = kesto::ui::Form1::cellRect(static_cast<kesto::CellIndex>(cell));
    return window->grab(circle).toImage().pixelColor(circle.width() / 2, circle.height() / 2);
}

// Whether the cell shows the marker's dark ring just inside its circle.
inline bool ringed(QWidget* window, int cell)
{
    const QRect circle = kesto::ui::Form1::cellRect(static_cast<kesto::CellIndex>(cell));
    const QImage shown = window->grab(circle).toImage();
    const QColor ring = shown.pixelColor(4, circle.height() / 2);
    return ring.red() < 100 && ring.green() < 100 && ring.blue() < 100;
}

// Opens the game menu with a right click at `pos` and clicks its item
// `name`, in the strength submenu if it is there.
inline void chooseFromMenu(QWidget* window, QPoint pos, const char* name)
{
    const auto menu = [window] { return control<QMenu>(window, QStringLiteral("GameMenu")); };
    QTest::mouseClick(window->windowHandle(), Qt::RightButton, Qt::NoModifier, pos);
    QTRY_VERIFY(menu()->isVisible());
    auto* item = control<QAction>(window, QLatin1String(name));
    QMenu* holder = menu();
    if (!menu()->actions().contains(item)) {
        holder = control<QMenu>(window, QStringLiteral("ComputerStrength"));
        QTest::mouseClick(menu(), Qt::LeftButton, Qt::NoModifier,
                          menu()->actionGeometry(holder->menuAction()).center());
        QTRY_VERIFY(holder->isVisible());
    }
    QTest::mouseClick(holder, Qt::LeftButton, Qt::NoModifier, holder->actionGeometry(item).center());
    QTRY_VERIFY(!menu()->isVisible());
}

// The dialogs of one kind that exist, shown or not.
template <typename T>
QList<T*> openDialogs()
{
    QList<T*> found;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<T*>(widget)) {
            found << dialog;
        }
    }
    return found;
}

// The other half of the fixture: the window closes, and a winner dialog
// still open goes with it.
inline void closeWindow(std::unique_ptr<kesto::ui::Form1>& window)
{
    window.reset();
    QVERIFY(openDialogs<kesto::dialogs::Form2>().isEmpty());
}

// The top-level windows that are open, the main window included.
inline int openWindows()
{
    int count = 0;
    for (const QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible()) {
            ++count;
        }
    }
    return count;
}

} // namespace windowtest

// Playing the computer through the real window: the choice of mode, the
// computer's answer, its win, and Reset while it thinks.

#include "WindowTest.h"
#include "dialogs/Form2.h"
#include "ui/ComputerPlayer.h"

#include <limits>
#include <memory>

using kesto::dialogs::Form2;
using kesto::ui::Form1;
using namespace windowtest;

namespace {

const QColor kYellow(255, 255, 0);

} // namespace

class TestComputer : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepareWindowTests(); }
    void init();
    void cleanup();

    void choiceAppliesAtReset();
    void computerAnswersAfterAPause();
    void computerCanWin();
    void resetWhileTheComputerThinks();
    void closingWhileTheComputerThinks();

private:
    void reset() { clickReset(window.get()); }
    void chooseComputer() { clickMode(window.get(), 1); }
    kesto::ui::ComputerPlayer* computer() const { return window->findChild<kesto::ui::ComputerPlayer*>(); }
    QTimer* pause() const { return timer(window.get(), "ComputerPause"); }
    // The pause ends only when the test ticks it, however slowly it runs.
    void holdPause() { pause()->setInterval(std::numeric_limits<int>::max()); }

    std::unique_ptr<Form1> window;
};

void TestComputer::init()
{
    openWindow(window);
}

void TestComputer::cleanup()
{
    closeWindow(window);
}

void TestComputer::choiceAppliesAtReset()
{
    reset();
    chooseComputer();
    clickCell(window.get(), 45);
    QCOMPARE(caption(window.get(), "giliranlbl"), QStringLiteral("Player  2"));
    // The game in progress keeps its opponent: the computer is not asked.
    QVERIFY(!computer()->busy());
    QVERIFY(!pause()->isActive());

    reset();
    clickCell(window.get(), 45);
    QCOMPARE(caption(window.get(), "giliranlbl"), QStringLiteral("Computer"));
    QTRY_COMPARE(stonesOf(*window, kComputer), 1);
}

void TestComputer::computerAnswersAfterAPause()
{
    chooseComputer();
    reset();
    QCOMPARE(pause()->interval(), 400);
    holdPause();
    clickCell(window.get(), 45);
    QVERIFY(pause()->isActive()); // from the player's stone on

    // While it thinks, the board waits: no click, no preview.
    clickCell(window.get(), 12);
    pointAt(window.get(), Form1::cellRect(13).center());
    QCOMPARE(window->game().state().board.at(12), kesto::kEmpty);
    QCOMPARE(shownColour(window.get(), 13), QColor(Qt::white));

    // Its stone is chosen, and waits until the pause is over.
    QTRY_VERIFY(computer()->hasChosen());
    QCOMPARE(stonesOf(*window, kComputer), 0);
    QCOMPARE(caption(window.get(), "giliranlbl"), QStringLiteral("Computer"));
    tick(pause());
    QCOMPARE(caption(window.get(), "giliranlbl"), QStringLiteral("Player  1"));
    QCOMPARE(stonesOf(*window, kComputer), 1);
    for (int cell = 1; cell <= kesto::kCellCount; ++cell) {
        if (window->game().state().board.at(cell) == 3) {
            QCOMPARE(shownColour(window.get(), cell), kYellow);
        }
    }
    QVERIFY(timer(window.get(), "Timer1")->isActive());
    QVERIFY(timer(window.get(), "Timer2")->isActive());
}

void TestComputer::computerCanWin()
{
    chooseComputer();
    reset();
    // The player scatters stones along the edges; the computer builds.
    const QList<int> scattered{1, 10, 91, 100, 3, 8, 93, 98, 21, 30, 71, 80, 5, 96, 41, 50};
    for (int cell : scattered) {
        if (window->game().state().inputLocked == kesto::kTrue16) {
            break;
        }
        if (window->game().state().board.at(cell) != kesto::kEmpty) {
            continue;
        }
        clickCell(window.get(), cell);
        QTRY_VERIFY(!window->game().computerToMove());
    }
    QCOMPARE(window->game().state().inputLocked, kesto::kTrue16);
    QCOMPARE(window->game().state().currentPlayer, kComputer);
    QCOMPARE(openDialogs<Form2>().size(), 1);
    QCOMPARE(control<QLabel>(openDialogs<Form2>().first(), QStringLiteral("Label1"))->text(),
             QStringLiteral("Computer"));
    const int first = window->game().state().winLine.at(1);
    QCOMPARE(shownColour(window.get(), first), kYellow);
    tick(timer(window.get(), "Timer3"));
    QCOMPARE(shownColour(window.get(), first), QColor(Qt::white));
    tick(timer(window.get(), "Timer3"));
    QCOMPARE(shownColour(window.get(), first), kYellow);
}

void TestComputer::resetWhileTheComputerThinks()
{
    chooseComputer();
    reset();
    clickCell(window.get(), 45);
    QCOMPARE(caption(window.get(), "giliranlbl"), QStringLiteral("Computer"));
    reset(); // at once, long before the computer's stone is due
    QCOMPARE(caption(window.get(), "giliranlbl"), QStringLiteral("Player  1"));
    // The thought was stopped and waited for; what it left behind is
    // delivered now, and no stone comes of it.
    flushEvents();
    QVERIFY(!computer()->busy());
    QVERIFY(!pause()->isActive());
    QCOMPARE(stonesOf(*window, kComputer), 0);
    QCOMPARE(stonesOf(*window, 1), 0);

    // The new game goes on as usual.
    clickCell(window.get(), 12);
    QTRY_COMPARE(stonesOf(*window, kComputer), 1);
}

void TestComputer::closingWhileTheComputerThinks()
{
    chooseComputer();
    reset();
    clickCell(window.get(), 45);
    window->close();
    window.reset(); // the thought is stopped and waited for, not left running
    flushEvents(); // and nothing it left behind opens anything
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

QTEST_MAIN(TestComputer)
#include "tst_computer.moc"

// The hint: the strongest player's choice for the side to move, found off
// the window's thread, shown as a ring in the mover's colour until the game
// moves on, and never in the way of a stone, Undo or Reset.

#include "BoardOf.h"
#include "WindowTest.h"
#include "ui/HintPlayer.h"

#include <QSignalSpy>

#include <memory>

using kesto::ui::Form1;
using kesto::ui::HintPlayer;
using namespace windowtest;

namespace {

// The hint's ring runs 6 pixels inside the circle: the colour there, on its
// left.
QColor ringColour(QWidget* window, int cell)
{
    const QRect circle = Form1::cellRect(static_cast<kesto::CellIndex>(cell));
    return window->grab(circle).toImage().pixelColor(6, circle.height() / 2);
}

} // namespace

class TestHint : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepareWindowTests(); }
    void init() { openWindow(window); }
    void cleanup() { closeWindow(window); }

    void forcedAnswers_data();
    void forcedAnswers();
    void theRingShowsUntilTheGameMovesOn();
    void aStoneUndoOrResetWhileItThinksDropsIt_data();
    void aStoneUndoOrResetWhileItThinksDropsIt();
    void greyedWhenThereIsNoMoveToHint();

private:
    QAction* hintAction() const { return control<QAction>(window.get(), QStringLiteral("Hint")); }
    HintPlayer* hint() const { return window->findChild<HintPlayer*>(); }
    void askByKey() { QTest::keyClick(window.get(), Qt::Key_H, Qt::ControlModifier); }

    std::unique_ptr<Form1> window;
};

void TestHint::forcedAnswers_data()
{
    QTest::addColumn<QList<int>>("mine");
    QTest::addColumn<QList<int>>("theirs");
    QTest::addColumn<int>("expected");
    // Row 5 from column 2: four of mine, the fifth to take at 46 (47 is theirs).
    QTest::newRow("takes a five") << QList<int>{42, 43, 44, 45} << QList<int>{41, 47, 88, 89} << 46;
    // Column 3 from row 2: four of theirs, stopped at 62 (row 1 is blocked).
    // Column 3 from row 3: four of theirs, closed by mine on row 2; stopped
    // below, on row 7.
    QTest::newRow("stops a four") << QList<int>{13, 77, 78} << QList<int>{23, 33, 43, 53} << 63;
    // Mine as in the first row; theirs, four down column 8 from row 2.
    QTest::newRow("takes a five rather than stop one")
        << QList<int>{42, 43, 44, 45} << QList<int>{41, 18, 28, 38, 48} << 46;
}

void TestHint::forcedAnswers()
{
    QFETCH(QList<int>, mine);
    QFETCH(QList<int>, theirs);
    QFETCH(int, expected);
    HintPlayer player;
    QSignalSpy found(&player, &HintPlayer::found);
    player.ask(boardOf(1, mine, 2, theirs), 1);
    QVERIFY(found.wait());
    QCOMPARE(found.first().at(0).value<kesto::CellIndex>(), expected);
    QCOMPARE(found.first().at(1).value<std::int16_t>(), 1);
}

void TestHint::theRingShowsUntilTheGameMovesOn()
{
    clickReset(window.get());
    // Player 1 holds the top row from 1 to 4; Player 2 must stop it at 5.
    clickCells(window.get(), {1, 11, 2, 12, 3, 13, 4});
    QVERIFY(hintAction()->isEnabled());
    askByKey();
    QTRY_COMPARE(ringColour(window.get(), 5), QColor(Qt::green));
    QCOMPARE(shownColour(window.get(), 5), QColor(Qt::white)); // a ring on an empty cell
    clickCell(window.get(), 50); // Player 2 looks elsewhere: the hint goes
    QCOMPARE(ringColour(window.get(), 5), QColor(Qt::white));
}

void TestHint::aStoneUndoOrResetWhileItThinksDropsIt_data()
{
    QTest::addColumn<int>("action"); // 0: a stone, 1: Undo, 2: Reset
    QTest::newRow("a stone") << 0;
    QTest::newRow("Undo") << 1;
    QTest::newRow("Reset") << 2;
}

void TestHint::aStoneUndoOrResetWhileItThinksDropsIt()
{
    QFETCH(int, action);
    clickReset(window.get());
    clickCells(window.get(), {45, 56}); // a quiet position: the hint must think
    askByKey();
    QVERIFY(hint()->thinking());
    switch (action) {
    case 0:
        clickCell(window.get(), 12);
        QCOMPARE(window->game().state().board.at(12), 1);
        break;
    case 1:
        QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(window->game().state().board.at(56), 0);
        break;
    default:
        clickReset(window.get());
        QCOMPARE(stonesOf(*window, 1), 0);
        break;
    }
    // The action took effect at once; the hint is dropped, and when its
    // thread has ended, it shows nowhere.
    QVERIFY(!hint()->thinking());
    QTRY_VERIFY(!hint()->busy());
    flushEvents();
    for (int cell = 1; cell <= kesto::kCellCount; ++cell) {
        if (window->game().state().board.at(cell) == kesto::kEmpty) {
            QCOMPARE(ringColour(window.get(), cell), QColor(Qt::white));
        }
    }
}

void TestHint::greyedWhenThereIsNoMoveToHint()
{
    QVERIFY(!hintAction()->isEnabled()); // before the first Reset
    clickReset(window.get());
    QVERIFY(hintAction()->isEnabled());
    clickCells(window.get(), {1, 11, 2, 12, 3, 13, 4, 14, 5});
    QVERIFY(!hintAction()->isEnabled()); // won
    askByKey();
    QVERIFY(!hint()->thinking());

    clickMode(window.get(), 1);
    clickReset(window.get());
    clickCell(window.get(), 45);
    QVERIFY(window->game().computerToMove());
    QVERIFY(!hintAction()->isEnabled()); // the computer thinks
    QTRY_VERIFY(hintAction()->isEnabled());
    timer(window.get(), "TimerReplay")->setInterval(std::numeric_limits<int>::max());
    chooseFromMenu(window.get(), Form1::cellRect(1).center(), "Replay");
    QVERIFY(!hintAction()->isEnabled()); // a replay
}

QTEST_MAIN(TestHint)
#include "tst_hint.moc"

// Playing the computer through the real window: its turn, which nothing a
// player does can stall; Undo in both modes; the marker on its last stone;
// and the banner's ticks, which repaint only what changes.

#include "WindowTest.h"
#include "dialogs/Form2.h"
#include "ui/ComputerPlayer.h"

#include <QScreen>
#include <QThreadPool>

#include <memory>

using kesto::dialogs::Form2;
using kesto::ui::ComputerPlayer;
using kesto::ui::Form1;
using namespace windowtest;

class TestPlaying : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepareWindowTests(); }
    void init();
    void cleanup();

    void clicksDuringTheComputersTurnChangeNothing();
    void undoWhileTheComputerThinks();
    void undoByKey_data();
    void undoByKey();
    void undoAfterAWin_data();
    void undoAfterAWin();
    void undoNeedsAMove();
    void markerComesAndGoes();
    void bannerTicksShowWhatAFullPaintShows();

private:
    void reset() { clickReset(window.get()); }
    void chooseMode(int index) { clickMode(window.get(), index); }
    void undoKey() { QTest::keySequence(window.get(), QKeySequence::Undo); }
    QAction* action(const char* name) const { return control<QAction>(window.get(), QLatin1String(name)); }
    ComputerPlayer* computer() const { return window->findChild<ComputerPlayer*>(); }

    std::unique_ptr<Form1> window;
};

void TestPlaying::init()
{
    openWindow(window);
}

void TestPlaying::cleanup()
{
    closeWindow(window);
}

void TestPlaying::clicksDuringTheComputersTurnChangeNothing()
{
    chooseMode(1);
    reset();
    clickCell(window.get(), 45);
    // The player clicks, points and presses keys all through the computer's
    // turn, waiting a moment for its stone after each round.
    constexpr int kRounds = 1000;
    for (int round = 0, cell = 1; round < kRounds && stonesOf(*window, kComputer) == 0; ++round, cell = cell % 40 + 1) {
        clickCell(window.get(), cell);
        QTest::mouseMove(cellTarget(window.get(), cell + 50));
        QTest::keyClick(window.get(), Qt::Key_Space);
        if (QTest::qWaitFor([this] { return stonesOf(*window, kComputer) > 0; }, 20)) {
            break;
        }
    }
    QCOMPARE(stonesOf(*window, kComputer), 1);
    QCOMPARE(stonesOf(*window, 1), 1);
    QVERIFY(!computer()->busy());
    QTRY_COMPARE(QThreadPool::globalInstance()->activeThreadCount(), 0); // no thought left behind
    QCOMPARE(caption(window.get(), "giliranlbl"), QStringLiteral("Player  1"));
}

void TestPlaying::undoWhileTheComputerThinks()
{
    chooseMode(1);
    reset();
    clickCell(window.get(), 45);
    QVERIFY(computer()->busy());
    undoKey();
    QVERIFY(!computer()->busy());
    QCOMPARE(stonesOf(*window, 1), 0);
    QCOMPARE(caption(window.get(), "giliranlbl"), QStringLiteral("Player  1"));
    flushEvents(); // the stone it was thinking of never lands
    QVERIFY(!computer()->busy());
    QCOMPARE(stonesOf(*window, kComputer), 0);
    QCOMPARE(shownColour(window.get(), 45), QColor(Qt::white));
}

void TestPlaying::undoByKey_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("playerStones");
    QTest::addColumn<QString>("turn");

    QTest::newRow("two players: the last stone") << 0 << 1 << QStringLiteral("Player  1");
    QTest::newRow("computer: its stone and the player's") << 1 << 1 << QStringLiteral("Player  1");
}

void TestPlaying::undoByKey()
{
    QFETCH(int, mode);
    QFETCH(int, playerStones);
    QFETCH(QString, turn);

    chooseMode(mode);
    reset();
    clickCell(window.get(), 45);
    if (mode == 0) {
        clickCells(window.get(), {46, 55});
    } else {
        QTRY_COMPARE(stonesOf(*window, kComputer), 1);
        const int mine = window->game().state().board.at(55) == kesto::kEmpty ? 55 : 56;
        clickCell(window.get(), mine);
        QTRY_COMPARE(stonesOf(*window, kComputer), 2);
        QCOMPARE(window->game().state().board.at(mine), 1);
    }
    undoKey();
    QCOMPARE(stonesOf(*window, 1), playerStones);
    QCOMPARE(stonesOf(*window, 2) + stonesOf(*window, kComputer), 1);
    QCOMPARE(caption(window.get(), "giliranlbl"), turn);
    const int taken = window->game().state().board.at(55) == kesto::kEmpty ? 55 : 56;
    QCOMPARE(shownColour(window.get(), taken), QColor(Qt::white));
    QCOMPARE(cellTarget(window.get(), taken)->accessibleName(),
             QStringLiteral("Row 6, column %1: empty").arg(taken - 50));
}

void TestPlaying::undoAfterAWin_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("stonesTakenBack");
    QTest::newRow("Player 1 beats Player 2") << 0 << 1;
    QTest::newRow("the computer wins") << 1 << 2;
}

void TestPlaying::undoAfterAWin()
{
    QFETCH(int, mode);
    QFETCH(int, stonesTakenBack);
    chooseMode(mode);
    reset();
    if (mode == 0) {
        clickCells(window.get(), {1, 91, 2, 92, 3, 93, 4, 94, 5});
    } else {
        // The player looks the other way, along the edges, until the
        // computer has its five.
        for (int cell = 1; window->game().state().inputLocked == kesto::kFalse16 && cell <= kesto::kCellCount; ++cell) {
            const bool edge = cell <= 10 || cell > 90 || cell % 10 <= 1;
            if (!edge || window->game().state().board.at(cell) != kesto::kEmpty) {
                continue;
            }
            const int computers = stonesOf(*window, kComputer);
            clickCell(window.get(), cell);
            QTRY_VERIFY(stonesOf(*window, kComputer) == computers + 1 || window->game().state().inputLocked);
        }
        QCOMPARE(window->game().state().currentPlayer, kComputer);
    }
    QCOMPARE(window->game().state().inputLocked, kesto::kTrue16);
    QCOMPARE(openDialogs<Form2>().size(), 1);
    tick(timer(window.get(), "Timer3"), 3);
    tick(timer(window.get(), "Timer2"), 2);
    const int stones = stonesOf(*window, 1) + stonesOf(*window, 2) + stonesOf(*window, kComputer);
    const kesto::WinLine line = window->game().state().winLine;
    const QString stoppedAt = caption(window.get(), "timelbl");

    undoKey();
    QTRY_VERIFY(openDialogs<Form2>().isEmpty());
    QCOMPARE(stonesOf(*window, 1) + stonesOf(*window, 2) + stonesOf(*window, kComputer), stones - stonesTakenBack);
    QVERIFY(!timer(window.get(), "Timer3")->isActive());
    QVERIFY(timer(window.get(), "Timer2")->isActive());
    QCOMPARE(caption(window.get(), "timelbl"), stoppedAt); // goes on from there, not from zero
    QCOMPARE(caption(window.get(), "giliranlbl"), QStringLiteral("Player  1"));
    QCOMPARE(window->game().state().inputLocked, kesto::kFalse16);
    // The blink stops with every circle of the line showing its stone again.
    const QColor winner = mode == 0 ? QColor(Qt::red) : QColor(Qt::yellow);
    QCOMPARE(shownColour(window.get(), line.at(1)), QColor(Qt::white));
    for (int slot = 2; slot <= kesto::kLineLength; ++slot) {
        QCOMPARE(shownColour(window.get(), line.at(slot)), winner);
    }
    clickCell(window.get(), line.at(1)); // the board takes clicks again
    QCOMPARE(window->game().state().board.at(line.at(1)), 1);
}

void TestPlaying::undoNeedsAMove()
{
    QVERIFY(!action("Undo")->isEnabled()); // before the first Reset
    undoKey();
    reset();
    QVERIFY(!action("Undo")->isEnabled());
    clickCell(window.get(), 45);
    QVERIFY(action("Undo")->isEnabled());
    undoKey();
    QVERIFY(!action("Undo")->isEnabled());
    QCOMPARE(action("Undo")->shortcut(), QKeySequence(QKeySequence::Undo));
}

void TestPlaying::markerComesAndGoes()
{
    chooseMode(1);
    reset();
    clickCell(window.get(), 45);
    QTRY_COMPARE(stonesOf(*window, kComputer), 1);
    int computers = 0;
    for (int cell = 1; cell <= kesto::kCellCount; ++cell) {
        if (window->game().state().board.at(cell) == kComputer) {
            computers = cell;
        }
    }
    QVERIFY(ringed(window.get(), computers));
    QVERIFY(!ringed(window.get(), 45));
    const int next = window->game().state().board.at(1) == kesto::kEmpty ? 1 : 2;
    clickCell(window.get(), next);
    QVERIFY(!ringed(window.get(), computers)); // gone with the player's next stone
    QVERIFY(!ringed(window.get(), next));

    chooseMode(0);
    reset();
    clickCells(window.get(), {45, 46});
    QVERIFY(!ringed(window.get(), 45));
    QVERIFY(!ringed(window.get(), 46));
}

void TestPlaying::bannerTicksShowWhatAFullPaintShows()
{
    // Ticks repaint the captions and the face alone, from pictures kept
    // from earlier ticks; what is on the screen must still be exactly what
    // painting the whole window shows.
    const auto shownAsPainted = [this] {
        const QImage shown = window->screen()->grabWindow(window->winId()).toImage();
        const QImage painted = window->grab().toImage();
        return shown.convertToFormat(QImage::Format_RGB32) == painted.convertToFormat(QImage::Format_RGB32);
    };
    for (int step = 0; step < 7; ++step) {
        tick(timer(window.get(), "Timer1"));
        QTRY_VERIFY2(shownAsPainted(), qPrintable(QStringLiteral("after tick %1").arg(step + 1)));
    }
}

QTEST_MAIN(TestPlaying)
#include "tst_playing.moc"

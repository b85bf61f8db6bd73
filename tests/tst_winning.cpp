// Whole games played on the real window with clicks on the cells: the turn
// label, the win, the winner dialog, the locked board and the blinking line.

#include "WindowTest.h"
#include "dialogs/Form2.h"

#include <QPushButton>

#include <memory>

using kesto::dialogs::Form2;
using kesto::ui::Form1;
using namespace windowtest;

namespace {

QList<Form2*> winnerDialogs()
{
    return openDialogs<Form2>();
}

QString shownName(const Form2* dialog)
{
    return control<QLabel>(dialog, QStringLiteral("Label1"))->text();
}

// Player 1 takes the top row, Player 2 answers on the row below.
void playerOneWins(QWidget* window)
{
    clickCells(window, {1, 11, 2, 12, 3, 13, 4, 14, 5});
}

// Player 2 fills column 10 while Player 1 scatters.
void playerTwoWins(QWidget* window)
{
    clickCells(window, {1, 10, 23, 20, 45, 30, 67, 40, 89, 50});
}

} // namespace

class TestWinning : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepareWindowTests(); }
    void init();
    void cleanup();

    void turnLabelFollowsTheMoves();
    void aWinShowsTheDialogLocksTheBoardAndBlinks();
    void clockStandsStillAfterAWin();
    void resetWithTheDialogOpenStartsANewGame();
    void twoWinsLeaveOneDialogWithTheSecondName();
    void aClosedDialogComesBackFresh();
    void dialogLayout();
    void dialogClosesOnItsSurfaceNotOnTheName_data();
    void dialogClosesOnItsSurfaceNotOnTheName();
    void closingTheMainWindowLeavesTheDialogOpen();
    void closingTheMainWindowBringsTheDialogToTheFront();

private:
    void reset() { QTest::mouseClick(control<QPushButton>(window.get(), QStringLiteral("Command1")), Qt::LeftButton); }

    std::unique_ptr<Form1> window;
};

void TestWinning::init()
{
    openWindow(window);
    reset();
}

void TestWinning::cleanup()
{
    window.reset();
    for (Form2* dialog : winnerDialogs()) {
        dialog->close();
    }
    QTRY_VERIFY(winnerDialogs().isEmpty());
}

void TestWinning::turnLabelFollowsTheMoves()
{
    clickCell(window.get(), 55);
    QCOMPARE(caption(window.get(), "giliranlbl"), QStringLiteral("Player  2"));
    clickCell(window.get(), 55); // taken: the turn does not pass
    QCOMPARE(caption(window.get(), "giliranlbl"), QStringLiteral("Player  2"));
    clickCell(window.get(), 56);
    QCOMPARE(caption(window.get(), "giliranlbl"), QStringLiteral("Player  1"));
    QCOMPARE(shownColour(window.get(), 55), QColor(Qt::red));
    QCOMPARE(shownColour(window.get(), 56), QColor(Qt::green));
}

void TestWinning::aWinShowsTheDialogLocksTheBoardAndBlinks()
{
    playerOneWins(window.get());

    QCOMPARE(winnerDialogs().size(), 1);
    Form2* dialog = winnerDialogs().first();
    QVERIFY(dialog->isVisible());
    QCOMPARE(shownName(dialog), QStringLiteral("Player  1"));
    QCOMPARE(caption(window.get(), "giliranlbl"), QStringLiteral("Player  1"));
    QVERIFY(!timer(window.get(), "Timer2")->isActive());
    QVERIFY(timer(window.get(), "Timer3")->isActive());

    // The board is locked.
    clickCell(window.get(), 77);
    QCOMPARE(shownColour(window.get(), 77), QColor(Qt::white));

    // Each blink tick turns exactly the five stones of the line white, then
    // back; the other stones stay as they are.
    const QList<int> line{1, 2, 3, 4, 5};
    const QList<int> others{11, 12, 13, 14};
    for (int tickNo = 1; tickNo <= 4; ++tickNo) {
        tick(timer(window.get(), "Timer3"));
        for (int cell : line) {
            QCOMPARE(shownColour(window.get(), cell), tickNo % 2 == 1 ? QColor(Qt::white) : QColor(Qt::red));
        }
        for (int cell : others) {
            QCOMPARE(shownColour(window.get(), cell), QColor(Qt::green));
        }
    }
}

void TestWinning::clockStandsStillAfterAWin()
{
    tick(timer(window.get(), "Timer2"), 7);
    playerOneWins(window.get());
    QCOMPARE(caption(window.get(), "timelbl"), QStringLiteral("00:00:07"));
    QVERIFY(!timer(window.get(), "Timer2")->isActive()); // so no time passing moves it
    flushEvents();
    QCOMPARE(caption(window.get(), "timelbl"), QStringLiteral("00:00:07"));
}

void TestWinning::resetWithTheDialogOpenStartsANewGame()
{
    playerOneWins(window.get());
    tick(timer(window.get(), "Timer3")); // the line is white
    reset();

    QCOMPARE(winnerDialogs().size(), 1);
    QVERIFY(winnerDialogs().first()->isVisible());
    QVERIFY(!timer(window.get(), "Timer3")->isActive());
    QVERIFY(timer(window.get(), "Timer2")->isActive());
    for (int cell : {1, 2, 3, 4, 5, 11, 14}) {
        QCOMPARE(shownColour(window.get(), cell), QColor(Qt::white));
    }
    clickCell(window.get(), 50);
    QCOMPARE(shownColour(window.get(), 50), QColor(Qt::red));
    QCOMPARE(caption(window.get(), "giliranlbl"), QStringLiteral("Player  2"));
}

void TestWinning::twoWinsLeaveOneDialogWithTheSecondName()
{
    playerOneWins(window.get());
    const QPointer<Form2> first = winnerDialogs().first();
    reset();
    playerTwoWins(window.get());

    QCOMPARE(winnerDialogs().size(), 1);
    QCOMPARE(winnerDialogs().first(), first.data());
    QVERIFY(first->isVisible());
    QCOMPARE(shownName(first), QStringLiteral("Player  2"));
    QCOMPARE(window->game().state().currentPlayer, 2);
    tick(timer(window.get(), "Timer3"));
    QCOMPARE(shownColour(window.get(), 50), QColor(Qt::white));
    tick(timer(window.get(), "Timer3"));
    QCOMPARE(shownColour(window.get(), 50), QColor(Qt::green));
}

void TestWinning::aClosedDialogComesBackFresh()
{
    playerOneWins(window.get());
    QPointer<Form2> first = winnerDialogs().first();
    QTest::mouseClick(first->windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
    QTRY_VERIFY(first.isNull());
    QCOMPARE(openWindows(), 1);

    // Closing the dialog neither stops the blink nor unlocks the board.
    QVERIFY(timer(window.get(), "Timer3")->isActive());
    QCOMPARE(window->game().state().inputLocked, kesto::kTrue16);

    reset();
    playerTwoWins(window.get());
    QCOMPARE(winnerDialogs().size(), 1);
    QCOMPARE(shownName(winnerDialogs().first()), QStringLiteral("Player  2"));
}

void TestWinning::dialogLayout()
{
    playerOneWins(window.get());
    Form2* dialog = winnerDialogs().first();
    QCOMPARE(dialog->size(), QSize(387, 252));
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Kesto: the winner")); // for window lists and screen readers
    QVERIFY(dialog->windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(dialog->windowType(), Qt::Tool); // no task-bar entry
    QVERIFY(dialog->parentWidget() == nullptr);

    const auto* name = control<QLabel>(dialog, QStringLiteral("Label1"));
    QCOMPARE(name->geometry(), QRect(176, 128, 192, 61));
    QCOMPARE(name->palette().color(QPalette::WindowText), QColor(0, 255, 0));
    QCOMPARE(name->font().pointSizeF(), 24.0);
    QCOMPARE(name->font().weight(), QFont::Bold);
    QCOMPARE(name->alignment(), Qt::AlignHCenter | Qt::AlignTop);

    // The picture covers all but a four-pixel strip along the right and the
    // bottom, where the dialog's face colour shows.
    const QImage shown = dialog->grab().toImage();
    const QColor face = dialog->palette().color(QPalette::Window);
    QCOMPARE(shown.pixelColor(385, 100), face);
    QCOMPARE(shown.pixelColor(200, 250), face);
    QVERIFY(shown.pixelColor(382, 100) != face);
    QVERIFY(shown.pixelColor(200, 247) != face);
}

void TestWinning::dialogClosesOnItsSurfaceNotOnTheName_data()
{
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<bool>("closes");
    QTest::newRow("the picture") << QPoint(60, 60) << true;
    QTest::newRow("the strip along the right") << QPoint(385, 120) << true;
    QTest::newRow("the strip along the bottom") << QPoint(150, 250) << true;
    QTest::newRow("the name") << QPoint(272, 150) << false;
    QTest::newRow("the name's empty corner") << QPoint(180, 185) << false;
}

void TestWinning::dialogClosesOnItsSurfaceNotOnTheName()
{
    QFETCH(QPoint, pos);
    QFETCH(bool, closes);
    playerOneWins(window.get());
    QPointer<Form2> dialog = winnerDialogs().first();
    QTest::mouseClick(dialog->windowHandle(), Qt::LeftButton, Qt::NoModifier, pos);
    if (closes) {
        QTRY_VERIFY(dialog.isNull());
    } else {
        flushEvents(); // a closed dialog would be gone now
        QVERIFY(!dialog.isNull());
        QVERIFY(dialog->isVisible());
    }
}

void TestWinning::closingTheMainWindowLeavesTheDialogOpen()
{
    // Played inside the program's own event loop, which ends when the last
    // window closes.
    bool runsOnWithTheDialog = false;
    QTimer::singleShot(0, this, [&] {
        playerOneWins(window.get());
        window->close();
        QTimer::singleShot(100, this, [&] {
            runsOnWithTheDialog = winnerDialogs().size() == 1 && winnerDialogs().first()->isVisible();
            QTest::mouseClick(winnerDialogs().first()->windowHandle(), Qt::LeftButton,
                              Qt::NoModifier, QPoint(30, 30));
        });
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, qApp, [] { QCoreApplication::exit(2); });
    watchdog.start(5000);

    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(watchdog.isActive()); // it ended by itself, not by the watchdog
    QVERIFY(runsOnWithTheDialog);
}

void TestWinning::closingTheMainWindowBringsTheDialogToTheFront()
{
    playerOneWins(window.get());
    Form2* dialog = winnerDialogs().first();
    window->activateWindow(); // the player went back to the board
    QTRY_COMPARE(QApplication::activeWindow(), window.get());
    window->close();
    QTRY_COMPARE(QApplication::activeWindow(), dialog);
    QVERIFY(dialog->isVisible());
}

QTEST_MAIN(TestWinning)
#include "tst_winning.moc"

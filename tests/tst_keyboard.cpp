// Playing by keyboard through the real window: the board in the tab chain,
// the cursor and its keys, stones for both players to a win, the focus ring
// only while the board has the focus, and Escape on a dialog.

#include "WindowTest.h"
#include "dialogs/Form2.h"
#include "dialogs/frmAbout.h"

#include <QPushButton>

#include <memory>

using kesto::dialogs::Form2;
using kesto::dialogs::frmAbout;
using kesto::ui::Form1;
using namespace windowtest;

namespace {

// Where the focus ring runs: just outside the circle, on its left.
QColor ringSpot(QWidget* window, int cell)
{
    const QRect circle = Form1::cellRect(static_cast<kesto::CellIndex>(cell));
    const QPoint spot(circle.left() - 4, circle.center().y());
    return window->grab(QRect(spot, QSize(1, 1))).toImage().pixelColor(0, 0);
}

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepareWindowTests(); }
    void init();
    void cleanup();

    void cursorKeys_data();
    void cursorKeys();
    void bothPlayersToAWin();
    void aClickAfterTheCursorMovedLeavesNoPhantom_data();
    void aClickAfterTheCursorMovedLeavesNoPhantom();
    void ringOnlyWithKeyboardFocus();
    void escapeClosesAFocusedDialog_data();
    void escapeClosesAFocusedDialog();

private:
    QWidget* board() const { return control<QWidget>(window.get(), QStringLiteral("Board")); }
    void reset() { clickReset(window.get()); }
    // Tabs from the first control to the board, as a keyboard user would.
    void tabToTheBoard();
    void press(Qt::Key key, int times = 1)
    {
        for (int i = 0; i < times; ++i) {
            QTest::keyClick(QApplication::focusWidget(), key);
        }
    }

    std::unique_ptr<Form1> window;
};

void TestKeyboard::init()
{
    window = std::make_unique<Form1>();
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
}

void TestKeyboard::cleanup()
{
    closeWindow(window);
}

void TestKeyboard::tabToTheBoard()
{
    control<QWidget>(window.get(), QStringLiteral("Option1(0)"))->setFocus();
    press(Qt::Key_Tab, 4);
    QCOMPARE(QApplication::focusWidget(), board());
}

void TestKeyboard::cursorKeys_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("cell");

    QTest::newRow("starts in the middle") << QList<int>{} << 45;
    QTest::newRow("left") << QList<int>{Qt::Key_Left} << 44;
    QTest::newRow("right") << QList<int>{Qt::Key_Right} << 46;
    QTest::newRow("up") << QList<int>{Qt::Key_Up} << 35;
    QTest::newRow("down") << QList<int>{Qt::Key_Down} << 55;
    QTest::newRow("home: start of the row") << QList<int>{Qt::Key_Home} << 41;
    QTest::newRow("end: end of the row") << QList<int>{Qt::Key_End} << 50;
    QTest::newRow("page up: top of the column") << QList<int>{Qt::Key_PageUp} << 5;
    QTest::newRow("page down: foot of the column") << QList<int>{Qt::Key_PageDown} << 95;
    QTest::newRow("no wrap past the left edge") << QList<int>{Qt::Key_Home, Qt::Key_Left} << 41;
    QTest::newRow("no wrap past the right edge") << QList<int>{Qt::Key_End, Qt::Key_Right} << 50;
    QTest::newRow("no wrap past the top") << QList<int>{Qt::Key_PageUp, Qt::Key_Up, Qt::Key_Home} << 1;
    QTest::newRow("no wrap past the foot")
        << QList<int>{Qt::Key_PageDown, Qt::Key_Down, Qt::Key_End, Qt::Key_Right} << 100;
}

void TestKeyboard::cursorKeys()
{
    QFETCH(QList<int>, keys);
    QFETCH(int, cell);

    reset();
    tabToTheBoard();
    for (int key : keys) {
        press(static_cast<Qt::Key>(key));
    }
    // The cursor previews Player 1's stone and the screen reader hears it.
    QCOMPARE(shownColour(window.get(), cell), QColor(Qt::red));
    QCOMPARE(board()->accessibleName(),
             QStringLiteral("Row %1, column %2: empty").arg(kesto::rowOf(cell)).arg(kesto::columnOf(cell)));
    QCOMPARE(window->game().state().hoverCell, cell);
}

void TestKeyboard::bothPlayersToAWin()
{
    reset();
    tabToTheBoard();
    // Player 1 along row 5 from its start, Player 2 along row 6 under it.
    press(Qt::Key_Home);
    for (int stone = 0; stone < 4; ++stone) {
        press(Qt::Key_Space);
        press(Qt::Key_Down);
        press(Qt::Key_Return);
        press(Qt::Key_Up);
        press(Qt::Key_Right);
    }
    QCOMPARE(caption(window.get(), "giliranlbl"), QStringLiteral("Player  1"));
    QCOMPARE(board()->accessibleName(), QStringLiteral("Row 5, column 5: empty"));
    press(Qt::Key_Enter);
    for (int cell = 41; cell <= 45; ++cell) {
        QCOMPARE(window->game().state().board.at(cell), 1);
        QCOMPARE(window->game().state().board.at(cell + 10), cell < 45 ? 2 : 0);
    }
    QCOMPARE(window->game().state().inputLocked, kesto::kTrue16);
    QTRY_COMPARE(openDialogs<Form2>().size(), 1);
    QCOMPARE(board()->accessibleName(), QStringLiteral("Row 5, column 5: Player 1's stone"));
    // A taken cell keeps its stone: Space there again changes nothing.
    press(Qt::Key_Left);
    press(Qt::Key_Space);
    QCOMPARE(window->game().state().board.at(44), 1);
}

void TestKeyboard::ringOnlyWithKeyboardFocus()
{
    reset();
    const QColor background = ringSpot(window.get(), 45);
    tabToTheBoard();
    const QColor ring = window->palette().color(QPalette::Highlight);
    QCOMPARE(ringSpot(window.get(), 45), ring);
    press(Qt::Key_Right);
    QCOMPARE(ringSpot(window.get(), 46), ring);
    QCOMPARE(ringSpot(window.get(), 45), background);
    press(Qt::Key_Tab); // on round the tab chain
    QVERIFY(QApplication::focusWidget() != board());
    QCOMPARE(ringSpot(window.get(), 46), background);
    // The pointer never brings the ring.
    clickCell(window.get(), 47);
    QCOMPARE(ringSpot(window.get(), 47), background);
    QCOMPARE(ringSpot(window.get(), 46), background);
}

void TestKeyboard::escapeClosesAFocusedDialog_data()
{
    QTest::addColumn<bool>("winner");
    QTest::newRow("winner") << true;
    QTest::newRow("about") << false;
}

void TestKeyboard::escapeClosesAFocusedDialog()
{
    QFETCH(bool, winner);
    if (winner) {
        reset();
        clickCells(window.get(), {1, 11, 2, 12, 3, 13, 4, 14, 5});
    } else {
        QTest::mouseClick(control<QPushButton>(window.get(), QStringLiteral("Command2")), Qt::LeftButton);
    }
    QWidget* dialog = winner ? static_cast<QWidget*>(openDialogs<Form2>().value(0))
                             : static_cast<QWidget*>(openDialogs<frmAbout>().value(0));
    QVERIFY(dialog != nullptr);
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    QPointer<QWidget> open(dialog);
    QTest::keyClick(QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : dialog, Qt::Key_Escape);
    QTRY_VERIFY(open.isNull());
    QCOMPARE(window->isVisible(), true);
}

void TestKeyboard::aClickAfterTheCursorMovedLeavesNoPhantom_data()
{
    QTest::addColumn<QList<int>>("before"); // stones laid by click first
    QTest::addColumn<int>("clicked");
    QTest::newRow("an ordinary stone") << QList<int>{} << 89;
    // Player 1 holds 1-4 of the top row: the click on 5 wins.
    QTest::newRow("the winning stone") << QList<int>{1, 11, 2, 12, 3, 13, 4, 14} << 5;
}

void TestKeyboard::aClickAfterTheCursorMovedLeavesNoPhantom()
{
    QFETCH(QList<int>, before);
    QFETCH(int, clicked);
    reset();
    for (int cell : before) {
        clickCell(window.get(), cell);
    }
    tabToTheBoard(); // the cursor on row 5, column 5
    pointAt(window.get(), Form1::cellRect(static_cast<kesto::CellIndex>(clicked)).center());
    QCOMPARE(shownColour(window.get(), clicked), QColor(Qt::red));
    press(Qt::Key_Home);
    press(Qt::Key_Right); // row 5, column 2 now previews
    QCOMPARE(shownColour(window.get(), 42), QColor(Qt::red));
    clickAt(window.get(), Form1::cellRect(static_cast<kesto::CellIndex>(clicked)).center());

    QCOMPARE(window->game().state().board.at(clicked), 1);
    // No cell shows a colour that is neither its stone nor a live preview.
    const bool won = window->game().state().inputLocked != kesto::kFalse16;
    for (int cell = 1; cell <= kesto::kCellCount; ++cell) {
        const int owner = window->game().state().board.at(cell);
        const QColor expected = owner == 1 ? QColor(Qt::red) : owner == 2 ? QColor(Qt::green) : QColor(Qt::white);
        QVERIFY2(shownColour(window.get(), cell) == expected || (won && owner == 1),
                 qPrintable(QStringLiteral("cell %1").arg(cell)));
    }
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"

// The main window as a player meets it: its size and title bar, its
// controls, the board's click squares, the tab order, the access keys, and
// what "&Reset" does.

#include "WindowTest.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include <memory>

using kesto::ui::Form1;
using namespace windowtest;

class TestForm1 : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepareWindowTests(); }
    void init();
    void cleanup();

    void windowIsFixedWithoutMaximise();
    void windowedControls_data();
    void windowedControls();
    void labels_data();
    void labels();
    void labelsGrowToTheRight();
    void buttonsAndOptions();
    void timersAtStartUp();
    void bannerPicturesAreHidden();
    void boardLooksLaidOut();
    void cellSquaresTakeClicksCornersIncluded_data();
    void cellSquaresTakeClicksCornersIncluded();
    void boardIsLockedBeforeTheFirstReset();
    void resetStartsAGame();
    void resetTwiceIsResetOnce();
    void altRPressesReset();
    void altAOpensAbout();
    void windowStartsCentred();
    void tabOrder();

private:
    std::unique_ptr<Form1> window;
};

void TestForm1::init()
{
    openWindow(window);
}

void TestForm1::cleanup()
{
    window.reset();
}

void TestForm1::windowIsFixedWithoutMaximise()
{
    QCOMPARE(window->size(), QSize(642, 438));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QCOMPARE(window->windowTitle(), QStringLiteral("Kesto"));
    QVERIFY(!window->windowIcon().isNull());
    const Qt::WindowFlags flags = window->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowTitleHint));
    QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(flags.testFlag(Qt::MSWindowsFixedSizeDialogHint));
}

void TestForm1::windowedControls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("geometry"); // pixels, in the container
    QTest::newRow("Frame1") << "Frame1" << "Form1" << QRect(448, 224, 153, 73);
    QTest::newRow("Option1(0)") << "Option1(0)" << "Frame1" << QRect(8, 16, 121, 25);
    QTest::newRow("Option1(1)") << "Option1(1)" << "Frame1" << QRect(8, 40, 121, 25);
    QTest::newRow("Frame2") << "Frame2" << "Form1" << QRect(448, 304, 153, 81);
    QTest::newRow("Command1") << "Command1" << "Frame2" << QRect(64, 16, 81, 25);
    QTest::newRow("Command2") << "Command2" << "Frame2" << QRect(64, 48, 81, 25);
    QTest::newRow("Picture1") << "Picture1" << "Frame2" << QRect(16, 24, 36, 36);
    QTest::newRow("Picture2(1)") << "Picture2(1)" << "Form1" << QRect(424, 24, 36, 36);
    QTest::newRow("Picture2(2)") << "Picture2(2)" << "Form1" << QRect(440, 32, 36, 36);
    QTest::newRow("Picture2(3)") << "Picture2(3)" << "Form1" << QRect(456, 40, 36, 36);
    QTest::newRow("Image2(1)") << "Image2(1)" << "Form1" << QRect(24, 24, 33, 33);
    QTest::newRow("Image2(10)") << "Image2(10)" << "Form1" << QRect(384, 24, 33, 33);
    QTest::newRow("Image2(91)") << "Image2(91)" << "Form1" << QRect(24, 384, 33, 33);
    QTest::newRow("Image2(100)") << "Image2(100)" << "Form1" << QRect(384, 384, 33, 33);
    QTest::newRow("Image2(57)") << "Image2(57)" << "Form1" << QRect(264, 224, 33, 33);
}

void TestForm1::windowedControls()
{
    QFETCH(QString, name);
    QFETCH(QString, container);
    QFETCH(QRect, geometry);
    const QWidget* widget = control<QWidget>(window.get(), name);
    QCOMPARE(widget->parentWidget()->objectName(), container);
    QCOMPARE(widget->geometry(), geometry);
}

void TestForm1::labels_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QPoint>("topLeft");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<double>("points");
    QTest::newRow("Label1") << "Label1" << "Turn :" << QPoint(472, 160) << QColor(0, 255, 0) << 12.0;
    QTest::newRow("Label2") << "Label2" << "Time :" << QPoint(472, 184) << QColor(0, 255, 0) << 12.0;
    QTest::newRow("giliranlbl") << "giliranlbl" << "None" << QPoint(528, 160) << QColor(255, 255, 255)
                                << 12.0;
    QTest::newRow("timelbl") << "timelbl" << "00:00:00" << QPoint(528, 184) << QColor(255, 0, 0)
                             << 12.0;
    QTest::newRow("Label3") << "Label3" << "Five in a row" << QPoint(467, 392)
                            << QColor(128, 128, 128) << 13.5;
}

void TestForm1::labels()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QPoint, topLeft);
    QFETCH(QColor, colour);
    QFETCH(double, points);
    const auto* label = control<QLabel>(window.get(), name);
    QCOMPARE(label->text(), text);
    QCOMPARE(label->pos(), topLeft);
    QCOMPARE(label->palette().color(QPalette::WindowText), colour);
    QCOMPARE(label->font().pointSizeF(), points);
    QCOMPARE(label->font().weight(), QFont::Bold);
    QVERIFY(!label->autoFillBackground());
    // Sized to its text, as wide as the caption needs.
    QCOMPARE(label->size(), label->sizeHint());
}

void TestForm1::labelsGrowToTheRight()
{
    auto* turn = control<QLabel>(window.get(), QStringLiteral("giliranlbl"));
    const int before = turn->width();
    QTest::mouseClick(control<QPushButton>(window.get(), QStringLiteral("Command1")),
                      Qt::LeftButton);
    QCOMPARE(turn->text(), QStringLiteral("Player  1"));
    QCOMPARE(turn->pos(), QPoint(528, 160));
    QVERIFY2(turn->width() > before, "the player's name is wider than \"None\"");
    QCOMPARE(turn->size(), turn->sizeHint());
}

void TestForm1::buttonsAndOptions()
{
    const auto* reset = control<QPushButton>(window.get(), QStringLiteral("Command1"));
    const auto* about = control<QPushButton>(window.get(), QStringLiteral("Command2"));
    QCOMPARE(reset->text(), QStringLiteral("&Reset"));
    QCOMPARE(reset->toolTip(), QStringLiteral("Let's Play.."));
    QCOMPARE(about->text(), QStringLiteral("&About"));
    QCOMPARE(about->toolTip(), QStringLiteral("Who make me ?"));

    auto* versus = control<QRadioButton>(window.get(), QStringLiteral("Option1(0)"));
    auto* computer = control<QRadioButton>(window.get(), QStringLiteral("Option1(1)"));
    QCOMPARE(versus->text(), QStringLiteral("Player 1 vs Player 2"));
    QCOMPARE(computer->text(), QStringLiteral("Player 1 vs Computer"));
    QVERIFY(versus->isChecked());
    QVERIFY(computer->isEnabled());

    // The choice is only recorded: the game in progress, or the locked board
    // before the first game, keeps its mode until Reset.
    QTest::mouseClick(computer, Qt::LeftButton);
    QVERIFY(computer->isChecked());
    QVERIFY(!versus->isChecked());
    QCOMPARE(window->game().state().playMode, 1);
    QCOMPARE(window->game().state().inputLocked, kesto::kTrue16);
    QTest::mouseClick(versus, Qt::LeftButton);
    QVERIFY(versus->isChecked());
    QCOMPARE(window->game().state().playMode, 1);

    QCOMPARE(control<QGroupBox>(window.get(), QStringLiteral("Frame1"))->title(), QStringLiteral("Mode"));
    QCOMPARE(control<QGroupBox>(window.get(), QStringLiteral("Frame2"))->title(), QStringLiteral("Menu"));
}

void TestForm1::timersAtStartUp()
{
    QCOMPARE(timer(window.get(), "Timer1")->interval(), 500);
    QCOMPARE(timer(window.get(), "Timer2")->interval(), 1000);
    QCOMPARE(timer(window.get(), "Timer3")->interval(), 500);
    QVERIFY(timer(window.get(), "Timer1")->isActive());
    QVERIFY(!timer(window.get(), "Timer2")->isActive());
    QVERIFY(!timer(window.get(), "Timer3")->isActive());
}

void TestForm1::bannerPicturesAreHidden()
{
    for (int face = 1; face <= 3; ++face) {
        QVERIFY(!control<QWidget>(window.get(), QStringLiteral("Picture2(%1)").arg(face))->isVisible());
    }
    QVERIFY(control<QWidget>(window.get(), QStringLiteral("Picture1"))->isVisible());
}

void TestForm1::boardLooksLaidOut()
{
    const QImage shown = window->grab().toImage();
    const QColor white(255, 255, 255);
    const QColor blue(0, 0, 255);
    const QColor lightBlue(128, 128, 255);
    const QColor orange(255, 128, 0);
    const QColor darkGreen(0, 128, 0);
    // Every circle white in the middle, on a blue rim.
    for (int cell = 1; cell <= kesto::kCellCount; ++cell) {
        const QRect square = Form1::cellRect(static_cast<kesto::CellIndex>(cell));
        QCOMPARE(shown.pixelColor(square.center()), white);
        QCOMPARE(shown.pixelColor(square.left() + 1, square.center().y()), blue);
    }
    // Grid lines between the circles, light blue between the lines.
    QCOMPARE(shown.pixelColor(60, 41), blue);   // the line from cell 1 to cell 2
    QCOMPARE(shown.pixelColor(41, 60), blue);   // the line from cell 1 to cell 11
    QCOMPARE(shown.pixelColor(60, 60), lightBlue);
    QCOMPARE(shown.pixelColor(260, 300), lightBlue);
    QCOMPARE(shown.pixelColor(20, 200), orange); // the board's margin
    QCOMPARE(shown.pixelColor(437, 200), darkGreen);
    QCOMPARE(shown.pixelColor(3, 3), darkGreen);
    QCOMPARE(shown.pixelColor(500, 200), QColor(0, 0, 0)); // the read-out box
    QCOMPARE(shown.pixelColor(450, 400), QColor(192, 192, 192)); // the side panel
}

void TestForm1::cellSquaresTakeClicksCornersIncluded_data()
{
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<int>("cell"); // 0: the click reaches no cell
    QTest::newRow("cell 1, middle") << QPoint(40, 40) << 1;
    QTest::newRow("cell 1, top-left corner") << QPoint(24, 24) << 1;
    QTest::newRow("cell 1, bottom-right corner") << QPoint(56, 56) << 1;
    QTest::newRow("gap right of cell 1") << QPoint(57, 40) << 0;
    QTest::newRow("gap below cell 1") << QPoint(40, 63) << 0;
    QTest::newRow("cell 2, top-left corner") << QPoint(64, 24) << 2;
    QTest::newRow("cell 12, top-right corner") << QPoint(96, 64) << 12;
    QTest::newRow("cell 100, bottom-right corner") << QPoint(416, 416) << 100;
    QTest::newRow("board margin") << QPoint(12, 200) << 0;
    QTest::newRow("cell 55, bottom-left corner") << QPoint(184, 256) << 55;
}

void TestForm1::cellSquaresTakeClicksCornersIncluded()
{
    QFETCH(QPoint, pos);
    QFETCH(int, cell);
    QTest::mouseClick(control<QPushButton>(window.get(), QStringLiteral("Command1")),
                      Qt::LeftButton);
    clickAt(window.get(), pos);
    int placed = 0;
    for (int c = 1; c <= kesto::kCellCount; ++c) {
        if (window->game().state().board.at(c) != kesto::kEmpty) {
            QCOMPARE(placed, 0);
            placed = c;
        }
    }
    QCOMPARE(placed, cell);
}

void TestForm1::boardIsLockedBeforeTheFirstReset()
{
    const kesto::GameState before = window->game().state();
    for (int cell = 1; cell <= kesto::kCellCount; cell += 7) {
        pointAt(window.get(), Form1::cellRect(static_cast<kesto::CellIndex>(cell)).center());
        clickCell(window.get(), cell);
    }
    QVERIFY(window->game().state() == before);
    QCOMPARE(caption(window.get(), "giliranlbl"), QStringLiteral("None"));
    QCOMPARE(caption(window.get(), "timelbl"), QStringLiteral("00:00:00"));
    QCOMPARE(shownColour(window.get(), 1), QColor(Qt::white));
    QCOMPARE(shownColour(window.get(), 99), QColor(Qt::white));
    QVERIFY(!timer(window.get(), "Timer2")->isActive());
}

void TestForm1::resetStartsAGame()
{
    QTest::mouseClick(control<QPushButton>(window.get(), QStringLiteral("Command1")),
                      Qt::LeftButton);
    QCOMPARE(caption(window.get(), "giliranlbl"), QStringLiteral("Player  1"));
    QCOMPARE(caption(window.get(), "timelbl"), QStringLiteral("00:00:00"));
    QVERIFY(timer(window.get(), "Timer2")->isActive());
    QVERIFY(!timer(window.get(), "Timer3")->isActive());
    QCOMPARE(window->game().state().inputLocked, kesto::kFalse16);

    clickCell(window.get(), 45);
    QCOMPARE(shownColour(window.get(), 45), QColor(Qt::red));
    QCOMPARE(caption(window.get(), "giliranlbl"), QStringLiteral("Player  2"));
}

void TestForm1::resetTwiceIsResetOnce()
{
    auto* reset = control<QPushButton>(window.get(), QStringLiteral("Command1"));
    QTest::mouseClick(reset, Qt::LeftButton);
    clickCells(window.get(), {33, 34, 35});
    QTest::mouseClick(reset, Qt::LeftButton);
    const kesto::GameState once = window->game().state();
    QTest::mouseClick(reset, Qt::LeftButton);
    QVERIFY(window->game().state() == once);
    QCOMPARE(caption(window.get(), "giliranlbl"), QStringLiteral("Player  1"));
    QCOMPARE(shownColour(window.get(), 34), QColor(Qt::white));
}

void TestForm1::altRPressesReset()
{
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window->windowHandle(), Qt::Key_R, Qt::AltModifier);
    // The button shows itself pressed for a moment before it acts.
    QTRY_COMPARE(window->game().state().inputLocked, kesto::kFalse16);
    QCOMPARE(caption(window.get(), "giliranlbl"), QStringLiteral("Player  1"));
    QVERIFY(timer(window.get(), "Timer2")->isActive());
}

void TestForm1::altAOpensAbout()
{
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window->windowHandle(), Qt::Key_A, Qt::AltModifier);
    QTRY_COMPARE(openWindows(), 2);
    QWidget* about = QApplication::activeWindow();
    QVERIFY(about != window.get());
    QCOMPARE(about->windowTitle(), QStringLiteral("About Kesto"));
    about->close();
    QTRY_COMPARE(openWindows(), 1);
}

void TestForm1::windowStartsCentred()
{
    const QRect screen = window->screen()->availableGeometry();
    const QPoint offset = window->geometry().center() - screen.center();
    // Within the few pixels that a window frame may shift it.
    QVERIFY2(qAbs(offset.x()) <= 3 && qAbs(offset.y()) <= 3, qPrintable(QStringLiteral("%1, %2").arg(offset.x()).arg(offset.y())));
}

void TestForm1::tabOrder()
{
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    const QStringList expected{QStringLiteral("Option1(0)"), QStringLiteral("Command1"),
                               QStringLiteral("Command2"), QStringLiteral("Picture1"),
                               QStringLiteral("Board"), QStringLiteral("Option1(0)")};
    QStringList seen{QApplication::focusWidget()->objectName()};
    for (int press = 1; press < expected.size(); ++press) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        seen << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(seen, expected);
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"

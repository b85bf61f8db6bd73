// The parts of the window that move on their own or follow the pointer: the
// hover preview, the game clock, the banner, and the about dialog.

#include "WindowTest.h"
#include "dialogs/Form2.h"
#include "dialogs/frmAbout.h"
#include "widgets/PictureBox.h"

#include <QGroupBox>
#include <QPushButton>

#include <memory>

using kesto::dialogs::Form2;
using kesto::dialogs::frmAbout;
using kesto::ui::Form1;
using kesto::widgets::PictureBox;
using namespace windowtest;

namespace {

QPoint middleOf(int cell)
{
    return Form1::cellRect(static_cast<kesto::CellIndex>(cell)).center();
}

} // namespace

class TestLiving : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepareWindowTests(); }
    void init();
    void cleanup();

    void firstHoverAfterReset();
    void hoverMovesFromCellToCell();
    void hoverStaysWhenThePointerLeavesOrMeetsAStone();
    void hoverOnAPlayedCell();
    void hoverNeverDisturbsTheBlink();
    void clockShowsTheRulesTime();
    void clockRestartsAtResetButTheCaptionWaitsForATick();
    void bannerSequence();
    void bannerIgnoresTheGameAndTheDialogs();
    void aboutDialogOpensOnceAndClosesOnAClick();
    void aboutDialogComesBackTheSame();
    void gameGoesOnWhileAboutIsOpen();

private:
    void reset() { clickReset(window.get()); }
    void about() { QTest::mouseClick(control<QPushButton>(window.get(), QStringLiteral("Command2")), Qt::LeftButton); }
    QStringList bannerNow() const;

    std::unique_ptr<Form1> window;
};

void TestLiving::init()
{
    openWindow(window);
    // The banner is stepped by hand here, one tick at a time.
    timer(window.get(), "Timer1")->stop();
}

void TestLiving::cleanup()
{
    window.reset();
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        widget->close();
    }
    QTRY_COMPARE(QApplication::topLevelWidgets().size(), 0);
}

void TestLiving::firstHoverAfterReset()
{
    reset();
    pointAt(window.get(), middleOf(47));
    QCOMPARE(shownColour(window.get(), 47), QColor(Qt::red));
    QCOMPARE(shownColour(window.get(), 1), QColor(Qt::white));
    QCOMPARE(window->game().state().hoverCell, 47);
}

void TestLiving::hoverMovesFromCellToCell()
{
    reset();
    pointAt(window.get(), middleOf(47));
    // Entering the next square, even at its very corner, moves the preview.
    const QRect next = Form1::cellRect(48);
    pointAt(window.get(), next.topLeft());
    QCOMPARE(shownColour(window.get(), 47), QColor(Qt::white));
    QCOMPARE(shownColour(window.get(), 48), QColor(Qt::red));
    pointAt(window.get(), next.center());
    QCOMPARE(shownColour(window.get(), 48), QColor(Qt::red));
}

void TestLiving::hoverStaysWhenThePointerLeavesOrMeetsAStone()
{
    reset();
    clickCell(window.get(), 20); // Player 1's stone; Player 2 to move
    pointAt(window.get(), middleOf(19));
    QCOMPARE(shownColour(window.get(), 19), QColor(Qt::green));

    pointAt(window.get(), middleOf(20)); // onto the stone
    QCOMPARE(shownColour(window.get(), 19), QColor(Qt::green));
    QCOMPARE(shownColour(window.get(), 20), QColor(Qt::red));

    pointAt(window.get(), QPoint(437, 200)); // off the board
    pointAt(window.get(), QPoint(60, 60));   // into a gap between squares
    QCOMPARE(shownColour(window.get(), 19), QColor(Qt::green));
    QCOMPARE(window->game().state().hoverCell, 19);
}

void TestLiving::hoverOnAPlayedCell()
{
    reset();
    pointAt(window.get(), middleOf(66));
    clickAt(window.get(), middleOf(66));
    pointAt(window.get(), middleOf(66) + QPoint(3, 2)); // moving inside the stone
    QCOMPARE(shownColour(window.get(), 66), QColor(Qt::red));
    pointAt(window.get(), middleOf(67)); // the next player's preview
    QCOMPARE(shownColour(window.get(), 66), QColor(Qt::red));
    QCOMPARE(shownColour(window.get(), 67), QColor(Qt::green));
}

void TestLiving::hoverNeverDisturbsTheBlink()
{
    reset();
    clickCells(window.get(), {1, 11, 2, 12, 3, 13, 4, 14, 5});
    tick(timer(window.get(), "Timer3")); // the line is white
    for (int cell : {1, 3, 5, 6, 15, 50}) {
        pointAt(window.get(), middleOf(cell));
    }
    for (int cell : {1, 2, 3, 4, 5, 6, 15, 50}) {
        QCOMPARE(shownColour(window.get(), cell), QColor(Qt::white));
    }
    tick(timer(window.get(), "Timer3"));
    for (int cell : {1, 2, 3, 4, 5}) {
        QCOMPARE(shownColour(window.get(), cell), QColor(Qt::red));
    }
}

void TestLiving::clockShowsTheRulesTime()
{
    // The rules count the time (their own suite checks the count); the
    // window ticks them with its timer and shows what they say.
    reset();
    QCOMPARE(timer(window.get(), "Timer2")->interval(), 1000);
    auto* label = control<QLabel>(window.get(), QStringLiteral("timelbl"));
    for (int ticks : {1, 9, 50, 3540}) {
        tick(timer(window.get(), "Timer2"), ticks);
        const kesto::GameState& s = window->game().state();
        QCOMPARE(label->text(), QString::fromStdString(kesto::Game::clockText(s.clockHours, s.clockMinutes, s.clockSeconds)));
        QCOMPARE(label->pos(), QPoint(528, 184));
        QCOMPARE(label->size(), label->sizeHint());
    }
    QCOMPARE(label->text(), QStringLiteral("01:00:00"));
}

void TestLiving::clockRestartsAtResetButTheCaptionWaitsForATick()
{
    reset();
    tick(timer(window.get(), "Timer2"), 125);
    QCOMPARE(caption(window.get(), "timelbl"), QStringLiteral("00:02:05"));
    reset();
    QCOMPARE(caption(window.get(), "timelbl"), QStringLiteral("00:02:05"));
    QVERIFY(timer(window.get(), "Timer2")->isActive());
    tick(timer(window.get(), "Timer2"));
    QCOMPARE(caption(window.get(), "timelbl"), QStringLiteral("00:00:01"));
}

QStringList TestLiving::bannerNow() const
{
    const auto* banner = control<PictureBox>(window.get(), QStringLiteral("Picture1"));
    int face = 0;
    for (int k = 1; k <= 3; ++k) {
        if (banner->picture()
            == control<PictureBox>(window.get(), QStringLiteral("Picture2(%1)").arg(k))->picture()) {
            face = k;
        }
    }
    return {control<QGroupBox>(window.get(), QStringLiteral("Frame1"))->title(),
            control<QGroupBox>(window.get(), QStringLiteral("Frame2"))->title(),
            QString::number(face)};
}

void TestLiving::bannerSequence()
{
    const QList<QStringList> expected{
        {"Mode", "Menu", "1"},     {"Mode.", "Menu.", "2"},   {"Mode..", "Menu..", "3"},
        {"Mode.", "Menu.", "1"},   {"Mode..", "Menu..", "2"}, {"Mode...", "Menu...", "3"},
        {"Mode.", "Menu.", "1"},   {"Mode..", "Menu..", "2"},
    };
    QList<QStringList> seen{bannerNow()};
    for (int tickNo = 1; tickNo < expected.size(); ++tickNo) {
        tick(timer(window.get(), "Timer1"));
        seen << bannerNow();
    }
    QCOMPARE(seen, expected);
    for (int face = 1; face <= 3; ++face) {
        QVERIFY(!control<QWidget>(window.get(), QStringLiteral("Picture2(%1)").arg(face))->isVisible());
    }
}

void TestLiving::bannerIgnoresTheGameAndTheDialogs()
{
    // Tick by tick, with the game and the dialogs busy in between, the
    // banner runs exactly as it does alone.
    const QList<std::function<void()>> interruptions{
        [this] { reset(); },
        [this] { clickCells(window.get(), {1, 11, 2, 12, 3, 13, 4, 14, 5}); },
        [this] { about(); },
        [this] { tick(timer(window.get(), "Timer3")); },
        [this] { reset(); },
        [] { openDialogs<Form2>().first()->close(); },
        [] { openDialogs<frmAbout>().first()->close(); },
    };
    Form1 alone;
    timer(&alone, "Timer1")->stop();
    for (const auto& interrupt : interruptions) {
        interrupt();
        tick(timer(window.get(), "Timer1"));
        tick(timer(&alone, "Timer1"));
        const QStringList shown = bannerNow();
        QCOMPARE(shown.mid(0, 2),
                 (QStringList{control<QGroupBox>(&alone, QStringLiteral("Frame1"))->title(),
                              control<QGroupBox>(&alone, QStringLiteral("Frame2"))->title()}));
        QCOMPARE(window->game().state().bannerStep, alone.game().state().bannerStep);
        QCOMPARE(shown.at(2), QString::number(alone.game().state().bannerStep));
    }
    QVERIFY(timer(window.get(), "Timer1")->interval() == 500);
}

void TestLiving::aboutDialogOpensOnceAndClosesOnAClick()
{
    about();
    about();
    QCOMPARE(openDialogs<frmAbout>().size(), 1);
    QPointer<frmAbout> dialog = openDialogs<frmAbout>().first();
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->size(), QSize(349, 248));
    QCOMPARE(dialog->windowTitle(), QStringLiteral("About Kesto"));
    QVERIFY(dialog->windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(dialog->windowType(), Qt::Tool);
    QVERIFY(dialog->findChildren<QWidget*>().isEmpty());

    // The picture covers the whole dialog, to its last pixel.
    const QImage shown = dialog->grab().toImage();
    QVERIFY(shown.pixelColor(348, 247) != dialog->palette().color(QPalette::Window));

    QTest::mouseClick(dialog->windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(348, 247));
    QTRY_VERIFY(dialog.isNull());
    QCOMPARE(openWindows(), 1);
}

void TestLiving::aboutDialogComesBackTheSame()
{
    about();
    QPointer<frmAbout> first = openDialogs<frmAbout>().first();
    const QImage firstLook = first->grab().toImage();
    QTest::mouseClick(first->windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(170, 120));
    QTRY_VERIFY(first.isNull());

    about();
    QCOMPARE(openDialogs<frmAbout>().size(), 1);
    QCOMPARE(openDialogs<frmAbout>().first()->grab().toImage(), firstLook);
}

void TestLiving::gameGoesOnWhileAboutIsOpen()
{
    reset();
    about();
    QVERIFY(openDialogs<frmAbout>().first()->isVisible());
    clickCell(window.get(), 44);
    QCOMPARE(shownColour(window.get(), 44), QColor(Qt::red));
    QVERIFY(timer(window.get(), "Timer2")->isActive());
    tick(timer(window.get(), "Timer2"), 3);
    QCOMPARE(caption(window.get(), "timelbl"), QStringLiteral("00:00:03"));
    reset();
    QCOMPARE(shownColour(window.get(), 44), QColor(Qt::white));
    QVERIFY(openDialogs<frmAbout>().first()->isVisible());
}

QTEST_MAIN(TestLiving)
#include "tst_living.moc"

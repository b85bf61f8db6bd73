// The dialogs opened and closed a thousand times each and a hundred games
// played: every dialog is destroyed again, and the memory checker of the
// checking build finds nothing left behind.

#include "WindowTest.h"
#include "dialogs/Form2.h"
#include "dialogs/frmAbout.h"

#include <QMenu>
#include <QPushButton>

using kesto::dialogs::Form2;
using kesto::dialogs::frmAbout;
using kesto::ui::Form1;
using namespace windowtest;

namespace {

constexpr int kOpenings = 1000;
constexpr int kGames = 100;

template <typename T>
void closeByClick()
{
    QPointer<T> dialog = openDialogs<T>().first();
    QTest::mouseClick(dialog->windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(dialog.isNull());
}

// The windows that are not the window's own menus.
int windowsBesideMenus()
{
    int windows = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        windows += qobject_cast<QMenu*>(widget) == nullptr ? 1 : 0;
    }
    return windows;
}

} // namespace

class TestLeaks : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepareWindowTests(); }
    void dialogsComeAndGo();
    void dialogsGoWithTheWindow();
};

void TestLeaks::dialogsComeAndGo()
{
    {
        Form1 window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* reset = control<QPushButton>(&window, QStringLiteral("Command1"));
        auto* about = control<QPushButton>(&window, QStringLiteral("Command2"));

        for (int opening = 0; opening < kOpenings; ++opening) {
            QTest::mouseClick(reset, Qt::LeftButton);
            clickCells(&window, {1, 11, 2, 12, 3, 13, 4, 14, 5});
            QCOMPARE(openDialogs<Form2>().size(), 1);
            closeByClick<Form2>();

            QTest::mouseClick(about, Qt::LeftButton);
            QCOMPARE(openDialogs<frmAbout>().size(), 1);
            closeByClick<frmAbout>();
        }

        // Whole games, won by either player, the winner dialog left open
        // from one to the next.
        for (int game = 0; game < kGames; ++game) {
            QTest::mouseClick(reset, Qt::LeftButton);
            if (game % 2 == 0) {
                clickCells(&window, {45, 46, 55, 56, 65, 66, 75, 76, 85});
            } else {
                clickCells(&window, {1, 20, 3, 30, 5, 40, 7, 50, 9, 60});
            }
            QCOMPARE(window.game().state().inputLocked, kesto::kTrue16);
            tick(timer(&window, "Timer3"), 3);
        }
        QCOMPARE(openDialogs<Form2>().size(), 1);
        QCOMPARE(openWindows(), 2);
        closeByClick<Form2>();
        QCOMPARE(openWindows(), 1);
        QCOMPARE(windowsBesideMenus(), 1);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void TestLeaks::dialogsGoWithTheWindow()
{
    // The program ends with both dialogs open: they go with the window,
    // though no event loop runs any more to delete them later.
    QPointer<Form2> winner;
    QPointer<frmAbout> about;
    {
        Form1 window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::mouseClick(control<QPushButton>(&window, QStringLiteral("Command1")), Qt::LeftButton);
        clickCells(&window, {1, 11, 2, 12, 3, 13, 4, 14, 5});
        QTest::mouseClick(control<QPushButton>(&window, QStringLiteral("Command2")), Qt::LeftButton);
        winner = openDialogs<Form2>().value(0);
        about = openDialogs<frmAbout>().value(0);
        QVERIFY(winner && about);
    }
    QVERIFY(winner.isNull());
    QVERIFY(about.isNull());
}

QTEST_MAIN(TestLeaks)
#include "tst_leaks.moc"

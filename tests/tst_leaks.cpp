// The dialogs opened and closed a thousand times each and a hundred games
// played: every dialog is destroyed again, and the memory checker of the
// checking build finds nothing left behind.

#include "WindowTest.h"
#include "dialogs/Form2.h"
#include "dialogs/frmAbout.h"

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

} // namespace

class TestLeaks : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { quietRaiseWarnings(); }
    void dialogsComeAndGo();
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
        QCOMPARE(QApplication::topLevelWidgets().size(), 1);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

QTEST_MAIN(TestLeaks)
#include "tst_leaks.moc"

// What the game offers assistive technology: every control has a name, and
// each cell tells its row, its column and what is on it.

#include "WindowTest.h"

#include <QAccessible>
#include <QPushButton>

#include <memory>

using kesto::ui::Form1;
using namespace windowtest;

namespace {

QString accessibleName(QObject* object)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face != nullptr ? face->text(QAccessible::Name) : QString();
}

} // namespace

class TestAccessible : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepareWindowTests(); }
    void init();
    void cleanup() { window.reset(); }

    void cellsTellTheirPlaceAndContent();
    void everyControlHasAName();
    void turnAndTimeAreReadable();

private:
    std::unique_ptr<Form1> window;
};

void TestAccessible::init()
{
    openWindow(window);
}

void TestAccessible::cellsTellTheirPlaceAndContent()
{
    QWidget* cell = cellTarget(window.get(), 37);
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(cell);
    QVERIFY(face != nullptr);
    QCOMPARE(face->role(), QAccessible::Button);
    QCOMPARE(face->text(QAccessible::Name), QStringLiteral("Row 4, column 7: empty"));

    QTest::mouseClick(control<QPushButton>(window.get(), QStringLiteral("Command1")), Qt::LeftButton);
    clickCells(window.get(), {37, 38});
    QCOMPARE(accessibleName(cell), QStringLiteral("Row 4, column 7: Player 1's stone"));
    QCOMPARE(accessibleName(cellTarget(window.get(), 38)),
             QStringLiteral("Row 4, column 8: Player 2's stone"));
    QCOMPARE(accessibleName(cellTarget(window.get(), 100)), QStringLiteral("Row 10, column 10: empty"));

    // A preview is not a stone.
    pointAt(window.get(), Form1::cellRect(39).center());
    QCOMPARE(accessibleName(cellTarget(window.get(), 39)), QStringLiteral("Row 4, column 9: empty"));

    QTest::mouseClick(control<QPushButton>(window.get(), QStringLiteral("Command1")), Qt::LeftButton);
    QCOMPARE(accessibleName(cell), QStringLiteral("Row 4, column 7: empty"));
}

void TestAccessible::everyControlHasAName()
{
    QStringList nameless;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (accessibleName(widget).trimmed().isEmpty()) {
            nameless << widget->objectName();
        }
    }
    QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join(QStringLiteral(", "))));
    QCOMPARE(accessibleName(window.get()), QStringLiteral("Kesto"));
}

void TestAccessible::turnAndTimeAreReadable()
{
    QTest::mouseClick(control<QPushButton>(window.get(), QStringLiteral("Command1")), Qt::LeftButton);
    tick(timer(window.get(), "Timer2"), 65);
    QCOMPARE(accessibleName(control<QLabel>(window.get(), QStringLiteral("giliranlbl"))),
             QStringLiteral("Player  1"));
    QCOMPARE(accessibleName(control<QLabel>(window.get(), QStringLiteral("timelbl"))),
             QStringLiteral("00:01:05"));
}

QTEST_MAIN(TestAccessible)
#include "tst_accessible.moc"

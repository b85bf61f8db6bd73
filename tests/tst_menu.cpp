// The context menu through the real window: where it opens, the computer's
// strength and who opens, and the choices kept from one run to the next,
// whatever state the file they are kept in is found in.

#include "WindowTest.h"
#include "ui/ComputerPlayer.h"
#include "ui/Preferences.h"

#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>

#include <sys/stat.h>

#include <memory>

using kesto::engine::Strength;
using kesto::ui::ComputerPlayer;
using kesto::ui::Form1;
using namespace windowtest;

namespace {

QString settingsFile()
{
    return kesto::ui::Preferences::path();
}

QByteArray settingsOnDisk()
{
    QFile file(settingsFile());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeSettings(const QByteArray& content)
{
    QDir().mkpath(QFileInfo(settingsFile()).absolutePath());
    QFile file(settingsFile());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

} // namespace

class TestMenu : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void computerOpens();
    void menuBelongsToTheBoardAndTheModeFrame();
    void menuChoicesApplyAtTheNextResetAndAreKept();
    void damagedSettingsGiveTheDefaults_data();
    void damagedSettingsGiveTheDefaults();
    void settingsThatAreNoFileOrTooBigAreLeftAlone_data();
    void settingsThatAreNoFileOrTooBigAreLeftAlone();
    void onlyTheGamesOwnChoicesAreWrittenBack();

private:
    void reset() { clickReset(window.get()); }
    void chooseMode(int index) { clickMode(window.get(), index); }
    QMenu* menu() const { return control<QMenu>(window.get(), QStringLiteral("GameMenu")); }
    QAction* action(const char* name) const { return control<QAction>(window.get(), QLatin1String(name)); }
    ComputerPlayer* computer() const { return window->findChild<ComputerPlayer*>(); }
    void chooseFromMenu(QPoint pos, const char* name) { windowtest::chooseFromMenu(window.get(), pos, name); }

    std::unique_ptr<Form1> window;
};

void TestMenu::initTestCase()
{
    prepareWindowTests();
    QFile::remove(settingsFile());
}

void TestMenu::init()
{
    openWindow(window);
}

void TestMenu::cleanup()
{
    window.reset();
    QFile::remove(settingsFile());
}

void TestMenu::computerOpens()
{
    chooseFromMenu(Form1::cellRect(45).center(), "ComputerOpens");
    QVERIFY(action("ComputerOpens")->isChecked());
    chooseMode(1);
    reset();
    QCOMPARE(caption(window.get(), "giliranlbl"), QStringLiteral("Computer"));
    QTRY_COMPARE(stonesOf(*window, kComputer), 1);
    const QList<int> middle{45, 46, 55, 56};
    QVERIFY(std::any_of(middle.begin(), middle.end(),
                        [this](int cell) { return window->game().state().board.at(cell) == kComputer; }));
    QCOMPARE(caption(window.get(), "giliranlbl"), QStringLiteral("Player  1"));
    QVERIFY(!action("Undo")->isEnabled()); // nothing of the player's to take back

    chooseMode(0); // a game between two people always opens with Player 1
    reset();
    QCOMPARE(caption(window.get(), "giliranlbl"), QStringLiteral("Player  1"));
}

void TestMenu::menuBelongsToTheBoardAndTheModeFrame()
{
    const auto opensAt = [this](QPoint pos) {
        QTest::mouseClick(window->windowHandle(), Qt::RightButton, Qt::NoModifier, pos);
        const bool opened = menu()->isVisible();
        menu()->hide();
        return opened;
    };
    QVERIFY(opensAt(Form1::cellRect(1).center()));
    QVERIFY(opensAt(Form1::cellRect(1).bottomRight() + QPoint(3, 3))); // between circles
    auto* mode = control<QWidget>(window.get(), QStringLiteral("Frame1"));
    QVERIFY(opensAt(mode->geometry().topLeft() + QPoint(4, 4)));
    auto* option = control<QRadioButton>(window.get(), QStringLiteral("Option1(1)"));
    QVERIFY(opensAt(option->mapTo(window.get(), option->rect().center())));
    auto* menuFrame = control<QWidget>(window.get(), QStringLiteral("Frame2"));
    QVERIFY(!opensAt(menuFrame->geometry().center()));

    // From the keyboard: Shift+F10 and the Menu key where the focus is.
    option->setFocus();
    QTest::keyClick(option, Qt::Key_F10, Qt::ShiftModifier);
    QTRY_VERIFY(menu()->isVisible());
    menu()->hide();
    QTest::keyClick(option, Qt::Key_Menu);
    QTRY_VERIFY(menu()->isVisible());

    // Every item is named for assistive technology.
    QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(menu());
    QVERIFY(shown != nullptr);
    QCOMPARE(shown->childCount(), menu()->actions().size());
    for (int item = 0; item < shown->childCount(); ++item) {
        if (!menu()->actions().at(item)->isSeparator()) {
            QVERIFY(!shown->child(item)->text(QAccessible::Name).isEmpty());
        }
    }
    menu()->hide();
}

void TestMenu::menuChoicesApplyAtTheNextResetAndAreKept()
{
    chooseMode(1);
    reset();
    QCOMPARE(computer()->strength(), Strength::Medium); // the default
    chooseFromMenu(Form1::cellRect(1).center(), "Easy");
    QVERIFY(action("Easy")->isChecked());
    QVERIFY(!action("Medium")->isChecked());
    QCOMPARE(computer()->strength(), Strength::Medium); // the game under way keeps its opponent
    reset();
    QCOMPARE(computer()->strength(), Strength::Easy);
    chooseFromMenu(Form1::cellRect(1).center(), "ComputerOpens");

    // The next run starts with the same choices.
    openWindow(window);
    QVERIFY(action("Easy")->isChecked());
    QVERIFY(action("ComputerOpens")->isChecked());
    chooseMode(1);
    reset();
    QCOMPARE(computer()->strength(), Strength::Easy);
    QTRY_COMPARE(stonesOf(*window, kComputer), 1);
}

void TestMenu::damagedSettingsGiveTheDefaults_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("binary noise") << QByteArray("\x00\xff\xfe[\x01\x02=\x80\n\x7f", 10);
    QTest::newRow("nonsense values") << QByteArray("[computer]\nstrength=ninja\nopens=maybe\n");
    QTest::newRow("wrong case") << QByteArray("[computer]\nstrength=HARD\nopens=True\n");
    QTest::newRow("a megabyte of one line") << QByteArray(1 << 20, 'x');
}

void TestMenu::damagedSettingsGiveTheDefaults()
{
    QFETCH(QByteArray, content);
    window.reset();
    writeSettings(content);
    openWindow(window);
    QVERIFY(action("Medium")->isChecked());
    QVERIFY(!action("ComputerOpens")->isChecked());
    chooseMode(1);
    reset();
    QCOMPARE(computer()->strength(), Strength::Medium);
    QCOMPARE(caption(window.get(), "giliranlbl"), QStringLiteral("Player  1"));
}

void TestMenu::settingsThatAreNoFileOrTooBigAreLeftAlone_data()
{
    QTest::addColumn<bool>("pipe");
    QTest::newRow("a named pipe") << true;
    QTest::newRow("80 MB") << false;
}

void TestMenu::settingsThatAreNoFileOrTooBigAreLeftAlone()
{
    QFETCH(bool, pipe);
    window.reset();
    QFile::remove(settingsFile());
    if (pipe) {
        QCOMPARE(mkfifo(QFile::encodeName(settingsFile()).constData(), 0600), 0);
    } else {
        writeSettings("[computer]\nstrength=hard\n" + QByteArray(80 << 20, '#'));
    }
    openWindow(window); // opens: it does not wait on the pipe for a writer
    QVERIFY(action("Medium")->isChecked());
    QVERIFY(!action("ComputerOpens")->isChecked());
}

void TestMenu::onlyTheGamesOwnChoicesAreWrittenBack()
{
    window.reset();
    writeSettings("[computer]\nstrength=hard\nopens=true\nsecret=42\n[elsewhere]\n\x01\x02 odd key=%%41\n");
    openWindow(window);
    QVERIFY(action("Hard")->isChecked());
    QVERIFY(action("ComputerOpens")->isChecked());
    chooseFromMenu(Form1::cellRect(1).center(), "Easy");
    window.reset(); // the choice is on the disk once the window has gone
    QCOMPARE(settingsOnDisk(), QByteArray("[computer]\nstrength=easy\nopens=true\n"));
}

QTEST_MAIN(TestMenu)
#include "tst_menu.moc"

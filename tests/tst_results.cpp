// The player's results against the computer, through the real window: each
// game counted once, at its strength, when it is won or lost or given up
// with a stone of the player's; shown in the menu, kept across a restart,
// read as none from a damaged settings file, and cleared.

#include "WindowTest.h"
#include "ui/FileWriter.h"
#include "ui/GameKeeper.h"
#include "ui/Preferences.h"

#include <memory>

using kesto::engine::Strength;
using kesto::ui::FileWriter;
using kesto::ui::Form1;
using kesto::ui::GameKeeper;
using kesto::ui::Preferences;
using namespace windowtest;

class TestResults : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepareWindowTests(); }
    void init();
    void cleanup();

    void eachGameCountsOnceAtItsStrength();
    void aGameWithoutAStoneOfThePlayersCountsNothing();
    void keptAcrossARestartAndCleared();
    void aDamagedSettingsFileGivesNone();

private:
    // Leaves `moves` against the computer at `strength` as the kept game,
    // and continues it in a window opened anew.
    void continueGame(std::vector<kesto::CellIndex> moves, Strength strength);
    QString line(const char* strength) const
    {
        return control<QAction>(window.get(), QStringLiteral("Results%1").arg(QLatin1String(strength)))->text();
    }

    std::unique_ptr<Form1> window;
};

void TestResults::init()
{
    QFile::remove(Preferences::path());
    QFile::remove(GameKeeper::path());
    openWindow(window);
}

void TestResults::cleanup()
{
    closeWindow(window);
    QFile::remove(Preferences::path());
    QFile::remove(GameKeeper::path());
}

void TestResults::continueGame(std::vector<kesto::CellIndex> moves, Strength strength)
{
    window.reset();
    keepAgainstTheComputer(std::move(moves), strength);
    openWindow(window);
    chooseFromMenu(window.get(), Form1::cellRect(1).center(), "Continue");
}

void TestResults::eachGameCountsOnceAtItsStrength()
{
    QCOMPARE(line("Hard"), QStringLiteral("Hard: 0 won, 0 lost, 0 unfinished"));
    // The player has four on row 5 and is to move: a win at Hard.
    continueGame({41, 91, 42, 92, 43, 93, 44, 94}, Strength::Hard);
    clickCell(window.get(), 45);
    QCOMPARE(window->game().state().inputLocked, kesto::kTrue16);
    QCOMPARE(line("Hard"), QStringLiteral("Hard: 1 won, 0 lost, 0 unfinished"));
    // Taken back and won again: the same game, counted once.
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    clickCell(window.get(), 45);
    QCOMPARE(line("Hard"), QStringLiteral("Hard: 1 won, 0 lost, 0 unfinished"));
    clickReset(window.get()); // decided already: not given up
    QCOMPARE(line("Hard"), QStringLiteral("Hard: 1 won, 0 lost, 0 unfinished"));

    // The computer has four on row 5; the player looks away: lost, at Strongest.
    continueGame({11, 41, 13, 42, 15, 43, 17, 44}, Strength::Strongest);
    clickCell(window.get(), 99);
    QTRY_COMPARE(window->game().state().inputLocked, kesto::kTrue16);
    QCOMPARE(line("Strongest"), QStringLiteral("Strongest: 0 won, 1 lost, 0 unfinished"));

    // Given up with the player's stones on the board, by Reset.
    continueGame({45, 46, 56}, Strength::Easy);
    QTRY_VERIFY(window->game().playerToMove());
    clickReset(window.get());
    QCOMPARE(line("Easy"), QStringLiteral("Easy: 0 won, 0 lost, 1 unfinished"));
    QCOMPARE(line("Hard"), QStringLiteral("Hard: 1 won, 0 lost, 0 unfinished"));
    QCOMPARE(line("Medium"), QStringLiteral("Medium: 0 won, 0 lost, 0 unfinished"));
}

void TestResults::aGameWithoutAStoneOfThePlayersCountsNothing()
{
    clickMode(window.get(), 1);
    clickReset(window.get());
    clickReset(window.get()); // no stone at all
    chooseFromMenu(window.get(), Form1::cellRect(1).center(), "ComputerOpens");
    clickReset(window.get());
    QTRY_COMPARE(stonesOf(*window, kComputer), 1);
    clickReset(window.get()); // the computer's stone alone
    // And a game between two people is no result against the computer.
    clickMode(window.get(), 0);
    clickReset(window.get());
    clickCells(window.get(), {1, 11, 2, 12, 3, 13, 4, 14, 5});
    clickReset(window.get());
    for (const char* level : {"Easy", "Medium", "Hard", "Strongest"}) {
        QCOMPARE(line(level), QStringLiteral("%1: 0 won, 0 lost, 0 unfinished").arg(QLatin1String(level)));
    }
}

void TestResults::keptAcrossARestartAndCleared()
{
    continueGame({45, 46, 56}, Strength::Medium);
    QTRY_VERIFY(window->game().playerToMove());
    clickReset(window.get());
    openWindow(window); // closing counts nothing, and the count is kept
    QCOMPARE(line("Medium"), QStringLiteral("Medium: 0 won, 0 lost, 1 unfinished"));
    QVERIFY(control<QAction>(window.get(), QStringLiteral("ClearResults"))->isEnabled());
    control<QAction>(window.get(), QStringLiteral("ClearResults"))->trigger();
    QCOMPARE(line("Medium"), QStringLiteral("Medium: 0 won, 0 lost, 0 unfinished"));
    QVERIFY(!control<QAction>(window.get(), QStringLiteral("ClearResults"))->isEnabled());
    openWindow(window);
    QCOMPARE(line("Medium"), QStringLiteral("Medium: 0 won, 0 lost, 0 unfinished"));
}

void TestResults::aDamagedSettingsFileGivesNone()
{
    window.reset();
    QVERIFY(FileWriter::writeWhole(Preferences::path(),
                                   "[results]\neasy=1 2\nmedium=-4 0 0\nhard=x y z\nstrongest=3 2 1\nninja=9 9 9\n"));
    openWindow(window);
    QCOMPARE(line("Easy"), QStringLiteral("Easy: 0 won, 0 lost, 0 unfinished"));
    QCOMPARE(line("Medium"), QStringLiteral("Medium: 0 won, 0 lost, 0 unfinished"));
    QCOMPARE(line("Hard"), QStringLiteral("Hard: 0 won, 0 lost, 0 unfinished"));
    QCOMPARE(line("Strongest"), QStringLiteral("Strongest: 3 won, 2 lost, 1 unfinished")); // the one whole line
}

QTEST_MAIN(TestResults)
#include "tst_results.moc"

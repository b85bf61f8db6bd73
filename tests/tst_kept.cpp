// Games that outlive the window, through the real window: the game kept
// after each stone and continued after a restart, saved and opened with the
// file dialog stood in for, opened from the command line, and replayed.

#include "WindowTest.h"
#include "dialogs/Form2.h"
#include "game/PsqFile.h"
#include "ui/GameFiles.h"
#include "ui/GameKeeper.h"
#include "ui/KeptGame.h"

#include <QMessageBox>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <limits>
#include <memory>

using kesto::PsqFile;
using kesto::dialogs::Form2;
using kesto::ui::Form1;
using kesto::ui::GameFiles;
using kesto::ui::GameKeeper;
using kesto::ui::KeptGame;
using namespace windowtest;

namespace {

// The stones of the kept game, or -1 when none can be read.
int keptStones()
{
    QFile file(GameKeeper::path());
    if (!file.open(QIODevice::ReadOnly)) {
        return -1;
    }
    std::string why;
    const auto kept = KeptGame::fromText(file.readAll().toStdString(), why);
    return kept ? static_cast<int>(kept->record.moves.size()) : -1;
}

void writeFile(const QString& path, const QByteArray& text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
}

const QByteArray kTopRowWin("Piskvorky 10x10, 11:11, 0\n1,1,0\n1,2,0\n2,1,0\n2,2,0\n3,1,0\n3,2,0\n4,1,0\n4,2,0\n5,1,0\n");

} // namespace

class TestKept : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void continueBringsBackTheGameAfterARestart();
    void continueGivesTheComputerItsTurn();
    void aResetWithoutAStoneKeepsTheKeptGame();
    void aDamagedKeptFileIsIgnored();
    void saveWritesTheRecord();
    void openShowsAWonGameWithoutTheDialog();
    void openPlaysOnBetweenTwoPlayers();
    void aRefusedFileLeavesTheBoardAndSaysWhy();
    void theCommandLinesFileOpensAsOpenDoes();
    void replayPlaysTheGameBackAndAClickOnlyStopsIt();
    void aKeyStopsTheReplayAndDoesNothingElse();
    void resetDuringAReplayStartsANewGame();
    void altRDuringAReplayStartsANewGame();

private:
    void restart();
    void reset() { clickReset(window.get()); }
    QAction* action(const char* name) const { return control<QAction>(window.get(), QLatin1String(name)); }
    void choose(const char* name) { chooseFromMenu(window.get(), Form1::cellRect(45).center(), name); }
    QString turn() const { return caption(window.get(), "giliranlbl"); }
    QString time() const { return caption(window.get(), "timelbl"); }
    // The replay steps only when the test ticks it, however slowly the
    // test runs: its timer's own ticks are put off past the test's end.
    void holdReplayTimer() { timer(window.get(), "TimerReplay")->setInterval(std::numeric_limits<int>::max()); }

    std::unique_ptr<Form1> window;
    std::unique_ptr<QTemporaryDir> files;
};

void TestKept::initTestCase()
{
    prepareWindowTests();
}

void TestKept::init()
{
    QFile::remove(GameKeeper::path());
    files = std::make_unique<QTemporaryDir>();
    restart();
}

void TestKept::cleanup()
{
    window.reset();
    GameFiles::chooseWith({});
    QFile::remove(GameKeeper::path());
}

// The window closed and opened again, as a new run would.
void TestKept::restart()
{
    openWindow(window);
}

void TestKept::continueBringsBackTheGameAfterARestart()
{
    QVERIFY(!action("Continue")->isEnabled());
    reset();
    clickCells(window.get(), {45, 46, 56});
    tick(timer(window.get(), "Timer2"), 75);
    clickCell(window.get(), 57);
    QTRY_COMPARE(keptStones(), 4);

    restart();
    QCOMPARE(turn(), QStringLiteral("None")); // the start-up is as always
    QCOMPARE(time(), QStringLiteral("00:00:00"));
    QVERIFY(action("Continue")->isEnabled());
    choose("Continue");
    QCOMPARE(turn(), QStringLiteral("Player  1"));
    QCOMPARE(time(), QStringLiteral("00:01:15"));
    QCOMPARE(stonesOf(*window, 1), 2);
    QCOMPARE(stonesOf(*window, 2), 2);
    QCOMPARE(shownColour(window.get(), 57), QColor(Qt::green));
    QVERIFY(timer(window.get(), "Timer2")->isActive());
    QVERIFY(!action("Continue")->isEnabled()); // it is the game on the board
    QVERIFY(action("Undo")->isEnabled());
    tick(timer(window.get(), "Timer2"));
    QCOMPARE(time(), QStringLiteral("00:01:16"));
    clickCell(window.get(), 67);
    QCOMPARE(window->game().state().board.at(67), 1);
    QTRY_COMPARE(keptStones(), 5);
}

void TestKept::continueGivesTheComputerItsTurn()
{
    // A game against the computer, kept while it was to move: the player
    // opened on 45, the computer answered 46, the player played 56.
    window.reset();
    keepAgainstTheComputer({45, 46, 56}, kesto::engine::Strength::Easy, 20);
    restart();

    clickMode(window.get(), 0); // the Mode frame does not decide a continued game
    choose("Continue");
    QCOMPARE(window->game().state().playMode, kesto::Game::kVersusComputer);
    QCOMPARE(turn(), QStringLiteral("Computer"));
    QCOMPARE(window->game().lastComputerStone(), 0);
    QTRY_COMPARE(stonesOf(*window, kComputer), 2);
    QCOMPARE(turn(), QStringLiteral("Player  1"));
    QVERIFY(window->game().lastComputerStone() != 0); // ringed
    QTRY_COMPARE(keptStones(), 4);

    // Kept with the computer's stone last: it comes back ringed, and the
    // player is to move.
    window.reset();
    keepAgainstTheComputer({45, 46}, kesto::engine::Strength::Easy, 20);
    restart();
    choose("Continue");
    QCOMPARE(window->game().lastComputerStone(), 46);
    QVERIFY(ringed(window.get(), 46));
    QVERIFY(!ringed(window.get(), 45));
    QCOMPARE(turn(), QStringLiteral("Player  1"));
    QCOMPARE(time(), QStringLiteral("00:00:20"));
}

void TestKept::aResetWithoutAStoneKeepsTheKeptGame()
{
    reset();
    clickCells(window.get(), {45, 46});
    QTRY_COMPARE(keptStones(), 2);
    reset();
    QVERIFY(action("Continue")->isEnabled()); // the earlier game is still there
    restart();
    reset();
    QVERIFY(action("Continue")->isEnabled());
    QCOMPARE(keptStones(), 2);
    clickCell(window.get(), 11); // this game's first stone replaces it
    QVERIFY(!action("Continue")->isEnabled());
    QTRY_COMPARE(keptStones(), 1);
}

void TestKept::aDamagedKeptFileIsIgnored()
{
    window.reset();
    writeFile(GameKeeper::path(), QByteArray("Piskvorky 10x10, 11:11, 0\n5,5,0\n5,5,0\nkesto-game 1 won=maybe\n"));
    restart();
    QCOMPARE(turn(), QStringLiteral("None"));
    QCOMPARE(time(), QStringLiteral("00:00:00"));
    QVERIFY(!action("Continue")->isEnabled());
    clickCell(window.get(), 45);
    QCOMPARE(window->game().state().board.at(45), 0); // locked until Reset, as always
}

void TestKept::saveWritesTheRecord()
{
    const QString path = files->filePath(QStringLiteral("saved.psq"));
    GameFiles::chooseWith([path](bool saving) { return saving ? path : QString(); });
    QVERIFY(!action("Save")->isEnabled());
    reset();
    clickCells(window.get(), {45, 46, 100});
    QVERIFY(action("Save")->isEnabled());
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), QByteArray("Piskvorky 10x10, 11:11, 0\n5,5,0\n6,5,0\n10,10,0\n"));
}

void TestKept::openShowsAWonGameWithoutTheDialog()
{
    const QString path = files->filePath(QStringLiteral("won.psq"));
    writeFile(path, kTopRowWin + "-1\nsome engine\n");
    GameFiles::chooseWith([path](bool saving) { return saving ? QString() : path; });
    QTest::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(turn(), QStringLiteral("Player  1"));
    QCOMPARE(time(), QStringLiteral("00:00:00"));
    QVERIFY(timer(window.get(), "Timer3")->isActive());
    QVERIFY(!timer(window.get(), "Timer2")->isActive());
    QVERIFY(openDialogs<Form2>().isEmpty());
    QCOMPARE(stonesOf(*window, 1), 5);
    QCOMPARE(stonesOf(*window, 2), 4);
    clickCell(window.get(), 50);
    QCOMPARE(window->game().state().board.at(50), 0);
    QTRY_COMPARE(keptStones(), 9); // an opened game is kept too
}

void TestKept::openPlaysOnBetweenTwoPlayers()
{
    const QString path = files->filePath(QStringLiteral("open.psq"));
    writeFile(path, "Piskvorky 10x10, 11:11, 0\r\n5,5,120\r\n6,6,98\r\n7,7,10");
    GameFiles::chooseWith([path](bool) { return path; });
    clickMode(window.get(), 1); // the computer is chosen for the next Reset
    reset();
    QTRY_COMPARE(window->game().state().currentPlayer, 1);
    clickCell(window.get(), 1);
    choose("Open");
    QCOMPARE(window->game().state().playMode, kesto::Game::kTwoPlayers);
    QCOMPARE(turn(), QStringLiteral("Player  2"));
    QCOMPARE(window->game().state().board.at(1), 0);
    clickCell(window.get(), 88);
    QCOMPARE(window->game().state().board.at(88), 2);
    QCOMPARE(stonesOf(*window, kComputer), 0);
    reset(); // and the Mode frame's choice comes back with Reset
    QCOMPARE(window->game().state().playMode, kesto::Game::kVersusComputer);
}

void TestKept::aRefusedFileLeavesTheBoardAndSaysWhy()
{
    const QString path = files->filePath(QStringLiteral("bad.psq"));
    writeFile(path, "Piskvorky 10x10, 11:11, 0\n5,5,0\n5,5,0\n");
    GameFiles::chooseWith([path](bool) { return path; });
    reset();
    clickCells(window.get(), {45, 46});
    const kesto::GameState before = window->game().state();
    QTest::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier);
    QTRY_VERIFY(window->findChild<QMessageBox*>(QStringLiteral("FileMessage")) != nullptr);
    auto* message = window->findChild<QMessageBox*>(QStringLiteral("FileMessage"));
    QVERIFY(message->isVisible());
    QVERIFY2(message->text().contains(QStringLiteral("line 3: a stone on row 5, column 5, which is taken")),
             qPrintable(message->text()));
    QVERIFY(window->game().state() == before);
    message->close();
    QTRY_VERIFY(window->findChild<QMessageBox*>(QStringLiteral("FileMessage")) == nullptr);
    QTRY_COMPARE(keptStones(), 2);
}

void TestKept::theCommandLinesFileOpensAsOpenDoes()
{
    const QString path = files->filePath(QStringLiteral("argument.psq"));
    writeFile(path, kTopRowWin);
    window->openFile(path);
    QCOMPARE(turn(), QStringLiteral("Player  1"));
    QVERIFY(timer(window.get(), "Timer3")->isActive());
    QCOMPARE(stonesOf(*window, 1), 5);

    window->openFile(files->filePath(QStringLiteral("missing.psq")));
    QTRY_VERIFY(window->findChild<QMessageBox*>(QStringLiteral("FileMessage")) != nullptr);
    QCOMPARE(stonesOf(*window, 1), 5);
}

void TestKept::replayPlaysTheGameBackAndAClickOnlyStopsIt()
{
    reset();
    QSignalSpy written(window->findChild<GameKeeper*>(), &GameKeeper::written);
    clickCells(window.get(), {45, 46, 56});
    QTRY_VERIFY(!written.isEmpty() && written.last().first().toInt() == 3);
    written.clear();
    QTimer* replay = timer(window.get(), "TimerReplay");
    QCOMPARE(replay->interval(), 500);
    holdReplayTimer();
    choose("Replay");
    QVERIFY(replay->isActive());
    QVERIFY(!timer(window.get(), "Timer2")->isActive());
    QCOMPARE(shownColour(window.get(), 45), QColor(Qt::white));
    QCOMPARE(turn(), QStringLiteral("Player  1"));
    for (const char* name : {"Undo", "Save", "Replay", "Continue"}) {
        QVERIFY2(!action(name)->isEnabled(), name);
    }
    pointAt(window.get(), Form1::cellRect(77).center()); // no preview meanwhile
    QCOMPARE(shownColour(window.get(), 77), QColor(Qt::white));
    tick(replay);
    QCOMPARE(shownColour(window.get(), 45), QColor(Qt::red));
    QCOMPARE(shownColour(window.get(), 46), QColor(Qt::white));
    QCOMPARE(turn(), QStringLiteral("Player  2"));

    clickCell(window.get(), 77); // stops the replay, and plays nothing
    QVERIFY(!replay->isActive());
    QCOMPARE(window->game().state().board.at(77), 0);
    QCOMPARE(shownColour(window.get(), 46), QColor(Qt::green));
    QCOMPARE(shownColour(window.get(), 56), QColor(Qt::red));
    QCOMPARE(turn(), QStringLiteral("Player  2"));
    QVERIFY(timer(window.get(), "Timer2")->isActive());
    QVERIFY(action("Undo")->isEnabled());
    clickCell(window.get(), 77); // the next click plays as always
    QCOMPARE(window->game().state().board.at(77), 2);
    // Its game is the first written since the replay began: a replay
    // writes nothing.
    QTRY_COMPARE(written.size(), 1);
    QCOMPARE(written.first().first().toInt(), 4);
}

void TestKept::aKeyStopsTheReplayAndDoesNothingElse()
{
    reset();
    clickCells(window.get(), {45, 46, 56});
    holdReplayTimer();
    choose("Replay");
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier); // Undo's key, swallowed
    QVERIFY(!timer(window.get(), "TimerReplay")->isActive());
    QCOMPARE(stonesOf(*window, 1), 2);
    QCOMPARE(shownColour(window.get(), 56), QColor(Qt::red));
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier); // and now it undoes
    QCOMPARE(stonesOf(*window, 1), 1);

    // A replay runs to its end by itself, and the game shows again.
    choose("Replay");
    tick(timer(window.get(), "TimerReplay"), 2);
    QVERIFY(!timer(window.get(), "TimerReplay")->isActive());
    QCOMPARE(shownColour(window.get(), 46), QColor(Qt::green));
    QCOMPARE(turn(), QStringLiteral("Player  1"));
}

void TestKept::resetDuringAReplayStartsANewGame()
{
    const QString path = files->filePath(QStringLiteral("won.psq"));
    writeFile(path, kTopRowWin);
    window->openFile(path);
    holdReplayTimer();
    choose("Replay");
    QVERIFY(!timer(window.get(), "Timer3")->isActive());
    tick(timer(window.get(), "TimerReplay"), 3);
    reset();
    QVERIFY(!timer(window.get(), "TimerReplay")->isActive());
    QVERIFY(!timer(window.get(), "Timer3")->isActive());
    QCOMPARE(stonesOf(*window, 1), 0);
    QCOMPARE(turn(), QStringLiteral("Player  1"));
    clickCell(window.get(), 45);
    QCOMPARE(window->game().state().board.at(45), 1);
}

void TestKept::altRDuringAReplayStartsANewGame()
{
    reset();
    clickCells(window.get(), {45, 46, 56});
    holdReplayTimer();
    choose("Replay");
    // As a keyboard gives it: Alt goes down first, then R.
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QTest::keyPress(window.get(), Qt::Key_Alt);
    QVERIFY(timer(window.get(), "TimerReplay")->isActive()); // Alt alone stops nothing
    QTest::keyClick(window.get(), Qt::Key_R, Qt::AltModifier);
    QTest::keyRelease(window.get(), Qt::Key_Alt);
    auto* button = control<QPushButton>(window.get(), QStringLiteral("Command1"));
    QTRY_VERIFY(!button->isDown()); // Reset acts once it has shown itself pressed
    QTRY_COMPARE(stonesOf(*window, 1), 0);
    QVERIFY(!timer(window.get(), "TimerReplay")->isActive());
    QCOMPARE(turn(), QStringLiteral("Player  1"));
}

QTEST_MAIN(TestKept)
#include "tst_kept.moc"

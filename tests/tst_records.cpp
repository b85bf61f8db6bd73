// Games written down and brought back, in the rules alone: the tournament
// managers' file form read and written, a whole game set on the board, and
// a game played back stone by stone.

#include "FullBoard.h"
#include "RecordingTable.h"
#include "game/Game.h"
#include "game/PsqFile.h"

#include <QtTest>

#include <string>
#include <vector>

using kesto::CellIndex;
using kesto::Game;
using kesto::GameRecord;
using kesto::PsqFile;
using recording::Table;

Q_DECLARE_METATYPE(std::vector<CellIndex>)

namespace {

// Player 1 takes the top row from 1 to 5 while Player 2 plays the row below.
const std::vector<CellIndex> kTopRowWin{1, 11, 2, 12, 3, 13, 4, 14, 5};

GameRecord twoPlayers(std::vector<CellIndex> moves, std::int64_t clock = 0)
{
    GameRecord record;
    record.moves = std::move(moves);
    record.clockSeconds = clock;
    return record;
}

std::string everyCircle(const Table& table)
{
    std::string colours;
    for (kesto::Color colour : table.colours()) {
        colours += colour == kesto::kWhite ? '.' : colour == kesto::kRed ? 'r' : colour == kesto::kGreen ? 'g' : 'y';
    }
    return colours;
}

} // namespace

class TestRecords : public QObject {
    Q_OBJECT

private slots:
    void writtenGamesReadBack_data();
    void writtenGamesReadBack();
    void managersFilesRead_data();
    void managersFilesRead();
    void badFilesRefused_data();
    void badFilesRefused();
    void loadSetsTheWholeGame_data();
    void loadSetsTheWholeGame();
    void aWonRecordShowsAsAfterAWinWithoutTheDialog();
    void aRefusedRecordLeavesTheGameAlone();
    void loadAgainstTheComputerGivesItTheTurn();
    void replayShowsTheStonesInTurnThenTheGame();
    void replayHoldsTheBoardUndoAndClock();
    void replayOfAWonGameBlinksAgainAfterwards();
    void newGameEndsAReplay();
};

void TestRecords::writtenGamesReadBack_data()
{
    QTest::addColumn<std::vector<CellIndex>>("moves");
    QTest::newRow("no stones") << std::vector<CellIndex>{};
    QTest::newRow("one stone in a corner") << std::vector<CellIndex>{100};
    QTest::newRow("a game under way") << std::vector<CellIndex>{45, 46, 56, 1, 10, 91};
    QTest::newRow("a game won by five") << kTopRowWin;
    QTest::newRow("a full board") << fullBoardGame();
}

void TestRecords::writtenGamesReadBack()
{
    QFETCH(std::vector<CellIndex>, moves);
    const std::string text = PsqFile::write(moves, {"-1"});
    QVERIFY(text.starts_with("Piskvorky 10x10, 11:11, 0\n"));
    const PsqFile::Contents contents = PsqFile::read(text);
    QVERIFY2(contents.ok(), contents.faultText().c_str());
    QCOMPARE(contents.moves, moves);
    QCOMPARE(contents.trailer, std::vector<std::string>{"-1"});
}

void TestRecords::managersFilesRead_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<std::vector<CellIndex>>("moves");
    // x is the column, y the row: 3,2 is row 2, column 3, cell 13.
    QTest::newRow("with the managers' trailing lines")
        << QByteArray("Piskvorky 10x10, 11:11, 0\n3,2,1062\n4,2,0\n5,5,31\n-1\npbrain-kesto.exe\npbrain-other.exe\n-1\n")
        << std::vector<CellIndex>{13, 14, 45};
    QTest::newRow("CRLF line endings") << QByteArray("Piskvorky 10x10, 11:11, 0\r\n1,1,0\r\n10,10,5\r\n")
                                       << std::vector<CellIndex>{1, 100};
    QTest::newRow("no newline after the last stone") << QByteArray("Piskvorky 10x10, 5:5, 1\n1,10,0\n2,9,0")
                                                     << std::vector<CellIndex>{91, 82};
    QTest::newRow("a header with nothing after the size") << QByteArray("Piskvorky 10x10\n6,6,0\n")
                                                          << std::vector<CellIndex>{56};
    QTest::newRow("a byte order mark") << QByteArray("\xEF\xBB\xBFPiskvorky 10x10, 11:11, 0\n2,1,0\n")
                                       << std::vector<CellIndex>{2};
    QTest::newRow("stones end at a line of another form")
        << QByteArray("Piskvorky 10x10, 11:11, 0\n1,1,0\n2,2\n3,3,0\n") << std::vector<CellIndex>{1};
    QTest::newRow("a five at the end, then the result")
        << QByteArray("Piskvorky 10x10, 11:11, 0\n1,1,0\n1,2,0\n2,1,0\n2,2,0\n3,1,0\n3,2,0\n4,1,0\n4,2,0\n5,1,0\n1\n")
        << kTopRowWin;
    QTest::newRow("a header only") << QByteArray("Piskvorky 10x10, 11:11, 0\n") << std::vector<CellIndex>{};
}

void TestRecords::managersFilesRead()
{
    QFETCH(QByteArray, text);
    QFETCH(std::vector<CellIndex>, moves);
    const PsqFile::Contents contents = PsqFile::read(text.toStdString());
    QVERIFY2(contents.ok(), contents.faultText().c_str());
    QCOMPARE(contents.moves, moves);
}

void TestRecords::badFilesRefused_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("reason");
    QTest::newRow("an empty file") << QByteArray() << 1 << "not a game record";
    QTest::newRow("no header") << QByteArray("1,1,0\n2,2,0\n") << 1 << "not a game record";
    QTest::newRow("a 15x15 board") << QByteArray("Piskvorky 15x15, 11:11, 0\n1,1,0\n") << 1 << "15x15";
    QTest::newRow("a 20x10 board") << QByteArray("Piskvorky 20x10, 11:11, 0\n") << 1 << "20x10";
    QTest::newRow("a header with no size") << QByteArray("Piskvorky big, 11:11, 0\n") << 1 << "no board size";
    QTest::newRow("a stone past the right edge") << QByteArray("Piskvorky 10x10, 11:11, 0\n1,1,0\n11,3,0\n") << 3
                                                 << "11,3,0 lies off";
    QTest::newRow("a stone at 0") << QByteArray("Piskvorky 10x10, 11:11, 0\n0,4,0\n") << 2 << "off the 10 by 10 board";
    QTest::newRow("a stone far below") << QByteArray("Piskvorky 10x10, 11:11, 0\n4,99999999999,0\n") << 2
                                       << "off the 10 by 10 board";
    QTest::newRow("a taken cell") << QByteArray("Piskvorky 10x10, 11:11, 0\r\n5,5,0\r\n6,6,0\r\n5,5,0\r\n") << 4
                                  << "row 5, column 5, which is taken";
    QTest::newRow("a stone after a five")
        << QByteArray("Piskvorky 10x10, 11:11, 0\n1,1,0\n1,2,0\n2,1,0\n2,2,0\n3,1,0\n3,2,0\n4,1,0\n4,2,0\n5,1,0\n9,9,0\n")
        << 11 << "after the five";
}

void TestRecords::badFilesRefused()
{
    QFETCH(QByteArray, text);
    QFETCH(int, line);
    QFETCH(QString, reason);
    const PsqFile::Contents contents = PsqFile::read(text.toStdString());
    QVERIFY(!contents.ok());
    QCOMPARE(contents.faultLine, line);
    QVERIFY2(QString::fromStdString(contents.fault).contains(reason), contents.fault.c_str());
    QVERIFY(QString::fromStdString(contents.faultText()).startsWith(QStringLiteral("line %1: ").arg(line)));
    QVERIFY(contents.moves.empty());
}

void TestRecords::loadSetsTheWholeGame_data()
{
    QTest::addColumn<std::vector<CellIndex>>("moves");
    QTest::addColumn<qint64>("clock");
    QTest::addColumn<QString>("turn");
    QTest::addColumn<QString>("time");
    QTest::newRow("Player 2 to move") << std::vector<CellIndex>{45, 46, 56} << qint64(75) << "Player  2" << "00:01:15";
    QTest::newRow("Player 1 to move") << std::vector<CellIndex>{45, 46} << qint64(3600 * 12 + 1) << "Player  1"
                                      << "12:00:01";
    QTest::newRow("no stones") << std::vector<CellIndex>{} << qint64(0) << "Player  1" << "00:00:00";
}

void TestRecords::loadSetsTheWholeGame()
{
    QFETCH(std::vector<CellIndex>, moves);
    QFETCH(qint64, clock);
    QFETCH(QString, turn);
    QFETCH(QString, time);
    Table table;
    table.game.NewGame();
    table.play({1, 2, 3}); // a game that the record replaces
    table.game.Image2_MouseMove(99);
    const int recordsBefore = table.view.recordChanges;

    QVERIFY(!table.game.load(twoPlayers(moves, clock)));
    const kesto::GameState& s = table.game.state();
    QCOMPARE(s.inputLocked, kesto::kFalse16);
    for (int cell = 1; cell <= kesto::kCellCount; ++cell) {
        const auto at = std::find(moves.begin(), moves.end(), cell);
        const int expected = at == moves.end() ? 0 : (at - moves.begin()) % 2 == 0 ? 1 : 2;
        QCOMPARE(s.board.at(cell), expected);
    }
    QCOMPARE(table.countColoured(kesto::kWhite), kesto::kCellCount - static_cast<int>(moves.size()));
    QCOMPARE(QString::fromStdString(table.view.events.back()), "turn " + turn);
    QCOMPARE(QString::fromStdString(table.view.timeCaption), time);
    QCOMPARE(table.game.record(), twoPlayers(moves, clock));
    QCOMPARE(table.view.recordChanges, recordsBefore + 1);
    QCOMPARE(table.view.undoPossible, !moves.empty());
    // The clock goes on from the record's time.
    table.game.Timer2_Timer();
    QCOMPARE(table.game.record().clockSeconds, clock + 1);
}

void TestRecords::aWonRecordShowsAsAfterAWinWithoutTheDialog()
{
    Table table;
    QVERIFY(!table.game.load(twoPlayers(kTopRowWin, 30)));
    const kesto::GameState& s = table.game.state();
    QCOMPARE(s.inputLocked, kesto::kTrue16);
    QCOMPARE(s.currentPlayer, 1);
    const std::vector<std::string>& events = table.view.events;
    QVERIFY(std::find(events.begin(), events.end(), "blink on") != events.end());
    QCOMPARE(std::count_if(events.begin(), events.end(), [](const std::string& e) { return e.starts_with("winner P"); }),
             0);
    QCOMPARE(events.back(), std::string("turn Player  1"));
    QCOMPARE(events.at(events.size() - 2), std::string("blink on")); // and the clock stays off
    QCOMPARE(std::vector<int>({s.winLine.at(1), s.winLine.at(2), s.winLine.at(3), s.winLine.at(4), s.winLine.at(5)}),
             std::vector<int>({5, 4, 3, 2, 1}));
    // The line blinks as after a win, and the board takes no stone.
    table.game.Timer3_Timer();
    QCOMPARE(table.countColoured(kesto::kWhite), kesto::kCellCount - 4);
    table.game.Image2_Click(50);
    QCOMPARE(s.board.at(50), 0);
    QVERIFY(!table.view.computerTurns);
}

void TestRecords::aRefusedRecordLeavesTheGameAlone()
{
    Table table;
    table.game.NewGame();
    table.play({45, 46, 47});
    const kesto::GameState before = table.game.state();
    const std::string circles = everyCircle(table);
    const std::size_t events = table.view.events.size();

    const auto fault = table.game.load(twoPlayers({1, 2, 1}));
    QVERIFY(fault);
    QCOMPARE(fault->move, 2U);
    QVERIFY(table.game.state() == before);
    QCOMPARE(everyCircle(table), circles);
    QCOMPARE(table.view.events.size(), events);
    QCOMPARE(table.game.record().moves, std::vector<CellIndex>({45, 46, 47}));
}

void TestRecords::loadAgainstTheComputerGivesItTheTurn()
{
    Table table;
    GameRecord record;
    record.versusComputer = true;
    record.computerOpens = true;
    record.moves = {45, 56};
    QVERIFY(!table.game.load(record));
    const kesto::GameState& s = table.game.state();
    QCOMPARE(s.board.at(45), Game::kComputer);
    QCOMPARE(s.board.at(56), 1);
    QCOMPARE(s.currentPlayer, Game::kComputer);
    QCOMPARE(table.view.computerTurns, 1);
    QCOMPARE(table.view.marked, 0); // the computer's stone is not the last
    QCOMPARE(table.game.record(), record);

    record.moves = {45, 56, 57};
    QVERIFY(!table.game.load(record));
    QCOMPARE(table.view.marked, 57);
    QCOMPARE(s.currentPlayer, 1);
    QCOMPARE(table.view.computerTurns, 1);
    QVERIFY(table.view.undoPossible);
}

void TestRecords::replayShowsTheStonesInTurnThenTheGame()
{
    Table table;
    table.game.NewGame();
    table.play({45, 46, 56});
    table.game.Image2_MouseMove(99); // Player 2's preview
    const std::string final = everyCircle(table);
    QVERIFY(table.game.canReplay());

    table.game.startReplay();
    QVERIFY(table.view.replayTimerOn);
    QCOMPARE(table.countColoured(kesto::kWhite), kesto::kCellCount);
    QCOMPARE(table.view.events.back(), std::string("turn Player  1"));
    table.game.replayStep();
    QCOMPARE(table.game.boxColor(45), kesto::kRed);
    QCOMPARE(table.countColoured(kesto::kWhite), kesto::kCellCount - 1);
    QCOMPARE(table.view.events.back(), std::string("turn Player  2"));
    table.game.replayStep();
    QCOMPARE(table.game.boxColor(46), kesto::kGreen);
    QCOMPARE(table.view.events.back(), std::string("turn Player  1"));
    table.game.replayStep(); // the last stone ends the replay
    QVERIFY(!table.game.replaying());
    QVERIFY(!table.view.replayTimerOn);
    QCOMPARE(table.view.events.back(), std::string("turn Player  2"));
    // Every stone is back, and the preview is gone.
    QCOMPARE(final.at(98), 'g');
    QCOMPARE(everyCircle(table).substr(0, 98), final.substr(0, 98));
    QCOMPARE(everyCircle(table).at(98), '.');
    QVERIFY(table.view.undoPossible);
}

void TestRecords::replayHoldsTheBoardUndoAndClock()
{
    Table table;
    table.game.NewGame();
    table.play({45, 46, 56});
    const int records = table.view.recordChanges;
    table.game.startReplay();
    QVERIFY(!table.game.canReplay());
    QCOMPARE(table.view.events.at(table.view.events.size() - 2 - kesto::kCellCount), std::string("clock off"));
    QVERIFY(!table.view.undoPossible);
    QVERIFY(!table.game.canUndo());
    table.game.Image2_Click(50);
    table.game.Image2_MouseMove(51);
    table.game.undo();
    QCOMPARE(table.game.state().board.at(50), 0);
    QCOMPARE(table.game.boxColor(51), kesto::kWhite);
    QCOMPARE(table.game.state().board.at(56), 1);

    table.game.replayStep();
    table.game.stopReplay(); // stopped half-way: the whole game shows
    QCOMPARE(table.countColoured(kesto::kWhite), kesto::kCellCount - 3);
    QCOMPARE(table.view.events.back(), std::string("turn Player  2"));
    QCOMPARE(table.view.events.at(table.view.events.size() - 2), std::string("clock on"));
    QCOMPARE(table.view.recordChanges, records); // a replay changes nothing kept
    table.game.Image2_Click(50);
    QCOMPARE(table.game.state().board.at(50), 2);
}

void TestRecords::replayOfAWonGameBlinksAgainAfterwards()
{
    Table table;
    table.game.NewGame();
    for (CellIndex cell : kTopRowWin) {
        table.game.Image2_Click(cell);
    }
    table.game.Timer3_Timer(); // the line in its white phase
    table.game.startReplay();
    QCOMPARE(table.view.events.at(table.view.events.size() - 3 - kesto::kCellCount), std::string("blink off"));
    for (std::size_t step = 0; step < kTopRowWin.size(); ++step) {
        table.game.replayStep();
    }
    QVERIFY(!table.game.replaying());
    QCOMPARE(table.view.events.at(table.view.events.size() - 2), std::string("blink on"));
    QCOMPARE(table.view.events.back(), std::string("turn Player  1"));
    QCOMPARE(table.countColoured(kesto::kRed), 5); // from the coloured phase
    QCOMPARE(table.game.state().inputLocked, kesto::kTrue16);
}

void TestRecords::newGameEndsAReplay()
{
    Table table;
    table.game.NewGame();
    table.play({45, 46});
    table.game.startReplay();
    table.game.NewGame();
    QVERIFY(!table.game.replaying());
    QVERIFY(!table.view.replayTimerOn);
    QCOMPARE(table.countColoured(kesto::kWhite), kesto::kCellCount);
    table.game.Image2_Click(50);
    QCOMPARE(table.game.state().board.at(50), 1);
}

QTEST_APPLESS_MAIN(TestRecords)
#include "tst_records.moc"

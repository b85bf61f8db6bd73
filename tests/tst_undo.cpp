// Taking moves back, who opens against the computer, and which stone is the
// computer's last: the rules driven directly.

#include "RecordingTable.h"

#include <QtTest>

#include <algorithm>

using kesto::CellIndex;
using kesto::Game;
using recording::Table;

namespace {

// A game in `mode`, started afresh, with `moves` played in order: a
// positive cell is a click, a negative one the computer's stone.
void start(Table& table, int mode, bool computerOpens, const QList<int>& moves)
{
    table.game.choosePlayMode(static_cast<std::int16_t>(mode));
    table.game.chooseComputerOpens(computerOpens);
    table.game.NewGame();
    for (int move : moves) {
        if (move > 0) {
            table.game.Image2_Click(static_cast<CellIndex>(move));
        } else {
            table.game.computerMove(static_cast<CellIndex>(-move));
        }
    }
}

QList<int> stones(const Table& table)
{
    QList<int> cells;
    for (int cell = 1; cell <= kesto::kCellCount; ++cell) {
        if (table.game.state().board.at(cell) != kesto::kEmpty) {
            cells << cell;
        }
    }
    return cells;
}

// Every circle shows what is on its cell: the owner's colour or white.
bool circlesMatchTheBoard(const Table& table)
{
    const kesto::GameState& state = table.game.state();
    for (int cell = 1; cell <= kesto::kCellCount; ++cell) {
        const std::int16_t owner = state.board.at(cell);
        const kesto::Color expected = owner == kesto::kEmpty ? kesto::kWhite : state.playerColor.at(owner);
        if (table.game.boxColor(static_cast<CellIndex>(cell)) != expected) {
            return false;
        }
    }
    return true;
}

bool saw(const Table& table, const std::string& event)
{
    const auto& events = table.view.events;
    return std::find(events.begin(), events.end(), event) != events.end();
}

} // namespace

class TestUndo : public QObject {
    Q_OBJECT

private slots:
    void undo_data();
    void undo();
    void nothingToUndo_data();
    void nothingToUndo();
    void undoAfterAWin_data();
    void undoAfterAWin();
    void computerOpensFromTheNextNewGame();
    void lastComputerStone();
};

void TestUndo::undo_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("computerOpens");
    QTest::addColumn<QList<int>>("moves");
    QTest::addColumn<QList<int>>("left");
    QTest::addColumn<int>("mover");

    QTest::newRow("two players, Player 1's stone") << 1 << false << QList<int>{45} << QList<int>{} << 1;
    QTest::newRow("two players, Player 2's stone") << 1 << false << QList<int>{45, 46} << QList<int>{45} << 2;
    QTest::newRow("two players, third stone") << 1 << false << QList<int>{45, 46, 55} << QList<int>{45, 46} << 1;
    QTest::newRow("computer, after its answer") << 2 << false << QList<int>{45, -46} << QList<int>{} << 1;
    QTest::newRow("computer, while it thinks") << 2 << false << QList<int>{45, -46, 55} << QList<int>{45, 46} << 1;
    QTest::newRow("computer opened, after its answer")
        << 2 << true << QList<int>{-45, 46, -47} << QList<int>{45} << 1;
    QTest::newRow("computer opened, while it thinks") << 2 << true << QList<int>{-45, 46} << QList<int>{45} << 1;
    QTest::newRow("opens has no say against a person") << 1 << true << QList<int>{45, 46} << QList<int>{45} << 2;
}

void TestUndo::undo()
{
    QFETCH(int, mode);
    QFETCH(bool, computerOpens);
    QFETCH(QList<int>, moves);
    QFETCH(QList<int>, left);
    QFETCH(int, mover);

    Table table;
    start(table, mode, computerOpens, moves);
    QVERIFY(table.game.canUndo());
    table.game.undo();
    QCOMPARE(stones(table), left);
    QCOMPARE(table.game.state().currentPlayer, mover);
    QCOMPARE(table.view.events.back(), "turn " + table.game.state().playerName.at(mover));
    QVERIFY(circlesMatchTheBoard(table));
    QVERIFY(!table.game.computerToMove());

    // The game goes on from there as if the stones had never been played.
    const int next = mover == 1 ? 1 : 2;
    table.game.Image2_Click(static_cast<CellIndex>(next));
    QCOMPARE(table.game.state().board.at(next), mover);
}

void TestUndo::nothingToUndo_data()
{
    QTest::addColumn<bool>("started");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("computerOpens");
    QTest::addColumn<QList<int>>("moves");

    QTest::newRow("before the first new game") << false << 1 << false << QList<int>{};
    QTest::newRow("new game, no stone yet") << true << 1 << false << QList<int>{};
    QTest::newRow("only the computer's opening stone") << true << 2 << true << QList<int>{-45};
    QTest::newRow("everything taken back") << true << 2 << false << QList<int>{45, -46};
}

void TestUndo::nothingToUndo()
{
    QFETCH(bool, started);
    QFETCH(int, mode);
    QFETCH(bool, computerOpens);
    QFETCH(QList<int>, moves);

    Table table;
    if (started) {
        start(table, mode, computerOpens, moves);
        if (QByteArray(QTest::currentDataTag()) == "everything taken back") {
            table.game.undo();
        }
    }
    const QList<int> before = stones(table);
    const auto events = table.view.events.size();
    QVERIFY(!table.game.canUndo());
    table.game.undo();
    QCOMPARE(stones(table), before);
    QCOMPARE(table.view.events.size(), events);
}

void TestUndo::undoAfterAWin_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QList<int>>("moves");
    QTest::addColumn<int>("stonesLeft");
    QTest::addColumn<int>("mover");

    QTest::newRow("Player 1 wins against Player 2") << 1 << QList<int>{1, 11, 2, 12, 3, 13, 4, 14, 5} << 8 << 1;
    QTest::newRow("Player 2 wins") << 1 << QList<int>{1, 11, 2, 12, 3, 13, 4, 14, 50, 15} << 9 << 2;
    QTest::newRow("Player 1 wins against the computer")
        << 2 << QList<int>{1, -11, 2, -12, 3, -13, 4, -14, 5} << 8 << 1;
    QTest::newRow("the computer wins") << 2 << QList<int>{1, -11, 2, -12, 3, -13, 4, -14, 50, -15} << 8 << 1;
}

void TestUndo::undoAfterAWin()
{
    QFETCH(int, mode);
    QFETCH(QList<int>, moves);
    QFETCH(int, stonesLeft);
    QFETCH(int, mover);

    Table table;
    start(table, mode, false, moves);
    QCOMPARE(table.game.state().inputLocked, kesto::kTrue16);
    for (int phase = 0; phase < 3; ++phase) {
        table.game.Timer3_Timer(); // the blink caught in its white phase
    }
    table.game.Timer2_Timer();
    table.view.events.clear();

    table.game.undo();
    QCOMPARE(stones(table).size(), stonesLeft);
    QCOMPARE(table.game.state().currentPlayer, mover);
    QCOMPARE(table.game.state().inputLocked, kesto::kFalse16);
    QVERIFY(saw(table, "blink off"));
    QVERIFY(saw(table, "winner closed"));
    QVERIFY(saw(table, "clock on"));
    QVERIFY(circlesMatchTheBoard(table));
    // The clock goes on from where it stopped.
    QCOMPARE(table.game.state().clockSeconds, 1);
    table.game.Timer2_Timer();
    QCOMPARE(table.view.timeCaption, std::string("00:00:02"));
}

void TestUndo::computerOpensFromTheNextNewGame()
{
    Table table;
    start(table, 2, false, {});
    table.game.chooseComputerOpens(true);
    QCOMPARE(table.game.state().currentPlayer, 1); // the game in progress keeps its opener
    table.game.NewGame();
    QCOMPARE(table.game.state().currentPlayer, Game::kComputer);
    QVERIFY(table.game.computerToMove());
    QCOMPARE(table.view.events.back(), std::string("turn Computer"));
    table.game.Image2_Click(45);
    QCOMPARE(stones(table), QList<int>{}); // Player 1 waits for the computer's stone
    table.game.computerMove(45);
    QCOMPARE(table.game.state().currentPlayer, 1);
}

void TestUndo::lastComputerStone()
{
    Table table;
    start(table, 2, false, {45});
    QCOMPARE(table.game.lastComputerStone(), 0);
    table.game.computerMove(46);
    QCOMPARE(table.game.lastComputerStone(), 46);
    table.game.Image2_Click(55);
    QCOMPARE(table.game.lastComputerStone(), 0);
    table.game.computerMove(56);
    table.game.Image2_Click(65);
    table.game.undo(); // the player's stone alone: the computer's 56 is the last again
    QCOMPARE(table.game.lastComputerStone(), 56);
    table.game.undo(); // 56 and the player's 55 before it
    QCOMPARE(table.game.lastComputerStone(), 46);

    start(table, 1, false, {45, 46});
    QCOMPARE(table.game.lastComputerStone(), 0);
}

QTEST_APPLESS_MAIN(TestUndo)
#include "tst_undo.moc"

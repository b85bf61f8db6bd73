// The game record and its rules, driven directly: start-up, new games,
// moves, the win, the blink, the hover preview and the computer's turn.

#include "RecordingTable.h"
#include "game/Game.h"

#include <QtTest>

#include <string>
#include <vector>

using kesto::CellIndex;
using kesto::Game;

namespace {

using recording::Table;

constexpr kesto::Color kRed = kesto::kRed;
constexpr kesto::Color kGreen = kesto::kGreen;
constexpr kesto::Color kWhite = kesto::kWhite;

QList<int> winLineOf(const Game& game)
{
    QList<int> cells;
    for (int slot = 1; slot <= kesto::kLineLength; ++slot) {
        cells << game.state().winLine.at(slot);
    }
    return cells;
}

// Player 1 takes the top row from 1 to 5 while Player 2 plays the row below.
void playTopRowWin(Table& table)
{
    table.play({1, 11, 2, 12, 3, 13, 4, 14, 5});
}

} // namespace

class TestGame : public QObject {
    Q_OBJECT

private slots:
    void startUpValues();
    void boardIsDeadBeforeTheFirstGame();
    void newGameStopsTheBlinkFirstAndHandsTheMoveToPlayerOne();
    void newGameMidGameClearsEverything();
    void newGameTwiceIsNewGameOnce();
    void turnsAlternateAndTakenCellsAreIgnored();
    void fullBoardWithoutALineKeepsPlaying();
    void winLocksTheBoardAndAnnouncesTheWinner();
    void blinkTogglesOnlyTheFiveRecordedStones();
    void newGameDuringTheBlinkLeavesEveryCircleWhite();
    void hoverPreview();
    void hoverIsDeadWhileLocked();
    void computerModeAppliesFromTheNextNewGame();
    void computerMovesThroughTheSamePathAsAClick();
};

void TestGame::startUpValues()
{
    Table table;
    const kesto::GameState& s = table.game.state();
    QCOMPARE(s.playerName.at(1), std::string("Player  1"));
    QCOMPARE(s.playerName.at(2), std::string("Player  2"));
    QCOMPARE(s.playerName.at(3), std::string("Computer"));
    QCOMPARE(s.playerName.at(1).size(), 9U);
    QCOMPARE(s.playerColor.at(1), 255);
    QCOMPARE(s.playerColor.at(2), 65280);
    QCOMPARE(s.playerColor.at(3), 65535);
    QCOMPARE(s.playMode, 1);
    QCOMPARE(s.inputLocked, kesto::kTrue16);
    QCOMPARE(s.bannerStep, 1);
    QCOMPARE(s.currentPlayer, 0);
    QCOMPARE(s.hoverCell, 0);
    QCOMPARE(table.countColoured(kWhite), kesto::kCellCount);
    QVERIFY(table.view.events.empty());
}

void TestGame::boardIsDeadBeforeTheFirstGame()
{
    Table table;
    const kesto::GameState before = table.game.state();
    for (int cell = 1; cell <= kesto::kCellCount; ++cell) {
        table.game.Image2_MouseMove(static_cast<CellIndex>(cell));
        table.game.Image2_Click(static_cast<CellIndex>(cell));
    }
    QVERIFY(table.game.state() == before);
    QCOMPARE(table.countColoured(kWhite), kesto::kCellCount);
    QVERIFY(table.view.events.empty());
}

void TestGame::newGameStopsTheBlinkFirstAndHandsTheMoveToPlayerOne()
{
    Table table;
    table.game.NewGame();

    const auto& events = table.view.events;
    QCOMPARE(events.size(), 103U);
    QCOMPARE(events.front(), std::string("blink off"));
    for (int cell = 1; cell <= kesto::kCellCount; ++cell) {
        QCOMPARE(events.at(static_cast<std::size_t>(cell)), "circle " + std::to_string(cell));
    }
    QCOMPARE(events.at(101), std::string("clock on"));
    QCOMPARE(events.at(102), std::string("turn Player  1"));

    const kesto::GameState& s = table.game.state();
    QCOMPARE(s.inputLocked, kesto::kFalse16);
    QCOMPARE(s.currentPlayer, 1);
    QCOMPARE(s.hoverCell, 1);
    QCOMPARE(s.clockHours, 0);
    QCOMPARE(s.clockMinutes, 0);
    QCOMPARE(s.clockSeconds, 0);
}

void TestGame::newGameMidGameClearsEverything()
{
    Table table;
    table.game.NewGame();
    table.play({45, 46, 47}); // Player 2 to move
    for (int tick = 0; tick < 75; ++tick) {
        table.game.Timer2_Timer();
    }
    table.game.Image2_MouseMove(50);
    QCOMPARE(table.game.state().currentPlayer, 2);

    table.game.NewGame();
    const kesto::GameState& s = table.game.state();
    QCOMPARE(s.currentPlayer, 1);
    QCOMPARE(s.clockMinutes, 0);
    QCOMPARE(s.clockSeconds, 0);
    QCOMPARE(s.hoverCell, 1);
    for (int cell = 1; cell <= kesto::kCellCount; ++cell) {
        QCOMPARE(s.board.at(cell), kesto::kEmpty);
    }
    QCOMPARE(table.countColoured(kWhite), kesto::kCellCount);
    QCOMPARE(table.view.events.back(), std::string("turn Player  1"));
}

void TestGame::newGameTwiceIsNewGameOnce()
{
    Table once;
    once.game.NewGame();
    once.play({12, 13, 14});
    once.game.NewGame();

    Table twice;
    twice.game.NewGame();
    twice.play({12, 13, 14});
    twice.game.NewGame();
    twice.game.NewGame();

    QVERIFY(once.game.state() == twice.game.state());
    QCOMPARE(once.colours(), twice.colours());
}

void TestGame::turnsAlternateAndTakenCellsAreIgnored()
{
    Table table;
    table.game.NewGame();
    table.view.events.clear();

    table.game.Image2_Click(44);
    QCOMPARE(table.game.state().board.at(44), 1);
    QCOMPARE(table.game.boxColor(44), kRed);
    QCOMPARE(table.game.state().currentPlayer, 2);
    QCOMPARE(table.view.events.back(), std::string("turn Player  2"));

    // Clicking a taken cell, one's own or the opponent's, changes nothing.
    const kesto::GameState before = table.game.state();
    table.view.events.clear();
    table.game.Image2_Click(44);
    QVERIFY(table.game.state() == before);
    QVERIFY(table.view.events.empty());

    table.game.Image2_Click(45);
    QCOMPARE(table.game.state().board.at(45), 2);
    QCOMPARE(table.game.boxColor(45), kGreen);
    QCOMPARE(table.game.state().currentPlayer, 1);
    QCOMPARE(table.view.events.back(), std::string("turn Player  1"));
}

void TestGame::fullBoardWithoutALineKeepsPlaying()
{
    // Pairs of columns alternate red and green, and every row swaps them, so
    // no run in any direction is longer than two.
    Table table;
    table.game.NewGame();
    std::vector<int> red;
    std::vector<int> green;
    for (int cell = 1; cell <= kesto::kCellCount; ++cell) {
        const int row = kesto::rowOf(cell) - 1;
        const int column = kesto::columnOf(cell) - 1;
        ((column / 2 + row) % 2 == 0 ? red : green).push_back(cell);
    }
    QCOMPARE(red.size(), green.size());
    for (std::size_t move = 0; move < red.size(); ++move) {
        table.game.Image2_Click(static_cast<CellIndex>(red[move]));
        table.game.Image2_Click(static_cast<CellIndex>(green[move]));
    }
    QCOMPARE(table.countColoured(kRed), 50);
    QCOMPARE(table.countColoured(kGreen), 50);
    // No draw: the game stays open, with nowhere left to play.
    QCOMPARE(table.game.state().inputLocked, kesto::kFalse16);
    QCOMPARE(table.game.state().currentPlayer, 1);
    QVERIFY(std::find(table.view.events.begin(), table.view.events.end(), "clock off")
            == table.view.events.end());
}

void TestGame::winLocksTheBoardAndAnnouncesTheWinner()
{
    Table table;
    table.game.NewGame();
    table.play({1, 11, 2, 12, 3, 13, 4, 14});
    table.view.events.clear();

    table.game.Image2_Click(5);
    const std::vector<std::string> expected{
        "circle 5",          // the stone is placed
        "clock off",         // the clock stops
        "blink on",          // the blink starts
        "winner Player  1",  // the dialog names the winner
        "circle 5", "circle 4", "circle 3", "circle 2", "circle 1", // the line, coloured again
    };
    QCOMPARE(table.view.events, expected);

    const kesto::GameState& s = table.game.state();
    QCOMPARE(s.inputLocked, kesto::kTrue16);
    QCOMPARE(s.currentPlayer, 1);
    QCOMPARE(winLineOf(table.game), (QList<int>{5, 4, 3, 2, 1}));

    // The board is locked: no more stones, no turn passes.
    const kesto::GameState won = s;
    table.view.events.clear();
    table.play({6, 50});
    QVERIFY(table.game.state() == won);
    QVERIFY(table.view.events.empty());
}

void TestGame::blinkTogglesOnlyTheFiveRecordedStones()
{
    // Player 2 wins with six in a row: 22, 23 and 25, 26, 27, then 24.
    Table table;
    table.game.NewGame();
    table.play({1, 22, 2, 23, 3, 25, 41, 26, 42, 27, 60, 24});
    QCOMPARE(table.game.state().currentPlayer, 2);
    const QList<int> line{24, 23, 22, 25, 26};
    QCOMPARE(winLineOf(table.game), line);

    const QList<kesto::Color> won = table.colours();
    for (int tick = 1; tick <= 4; ++tick) {
        table.game.Timer3_Timer();
        const QList<kesto::Color> now = table.colours();
        for (int cell = 1; cell <= kesto::kCellCount; ++cell) {
            const kesto::Color expected =
                line.contains(cell) && tick % 2 == 1 ? kWhite : won.at(cell - 1);
            QCOMPARE(now.at(cell - 1), expected);
        }
    }
    QCOMPARE(table.game.boxColor(27), kGreen); // counted, not recorded: steady
}

void TestGame::newGameDuringTheBlinkLeavesEveryCircleWhite()
{
    Table table;
    table.game.NewGame();
    playTopRowWin(table);
    table.game.Timer3_Timer(); // the line is white now
    QCOMPARE(table.game.boxColor(3), kWhite);

    table.view.events.clear();
    table.game.NewGame();
    QCOMPARE(table.view.events.front(), std::string("blink off"));
    QCOMPARE(table.countColoured(kWhite), kesto::kCellCount);
    // The last win is remembered until the next one.
    QCOMPARE(winLineOf(table.game), (QList<int>{5, 4, 3, 2, 1}));
}

void TestGame::hoverPreview()
{
    Table table;
    table.game.NewGame();
    table.view.events.clear();

    // First hover: cell 1 is painted white, the pointed cell takes red.
    table.game.Image2_MouseMove(34);
    QCOMPARE(table.view.events, (std::vector<std::string>{"circle 1", "circle 34"}));
    QCOMPARE(table.game.boxColor(34), kRed);
    QCOMPARE(table.game.state().hoverCell, 34);

    // From one empty cell to the next.
    table.game.Image2_MouseMove(35);
    QCOMPARE(table.game.boxColor(34), kWhite);
    QCOMPARE(table.game.boxColor(35), kRed);

    // Moving inside the same cell keeps the preview.
    table.game.Image2_MouseMove(35);
    QCOMPARE(table.game.boxColor(35), kRed);
    QCOMPARE(table.countColoured(kRed), 1);

    // Clicking the previewed cell makes it a stone; hovering on it again
    // changes nothing.
    table.game.Image2_Click(35);
    table.game.Image2_MouseMove(35);
    QCOMPARE(table.game.boxColor(35), kRed);
    QCOMPARE(table.game.state().hoverCell, 35);

    // From the stone to an empty cell: the stone stays, the preview is now
    // Player 2's.
    table.game.Image2_MouseMove(36);
    QCOMPARE(table.game.boxColor(35), kRed);
    QCOMPARE(table.game.boxColor(36), kGreen);

    // From an empty cell onto a stone: the preview stays where it was.
    table.game.Image2_MouseMove(35);
    QCOMPARE(table.game.boxColor(36), kGreen);
    QCOMPARE(table.game.state().hoverCell, 36);
}

void TestGame::hoverIsDeadWhileLocked()
{
    Table table;
    table.game.NewGame();
    playTopRowWin(table);
    table.game.Timer3_Timer();
    const QList<kesto::Color> blinking = table.colours();
    const kesto::GameState won = table.game.state();
    for (int cell = 1; cell <= kesto::kCellCount; ++cell) {
        table.game.Image2_MouseMove(static_cast<CellIndex>(cell));
    }
    QCOMPARE(table.colours(), blinking);
    QVERIFY(table.game.state() == won);
}

void TestGame::computerModeAppliesFromTheNextNewGame()
{
    Table table;
    table.game.NewGame();
    table.game.choosePlayMode(Game::kVersusComputer);
    table.play({44});
    QCOMPARE(table.game.state().currentPlayer, 2); // this game keeps its opponent
    QVERIFY(!table.game.computerToMove());

    table.game.NewGame();
    QCOMPARE(table.game.state().playMode, Game::kVersusComputer);
    QCOMPARE(table.game.state().currentPlayer, 1); // Player 1 always opens
    table.play({44});
    QCOMPARE(table.game.state().currentPlayer, Game::kComputer);
    QCOMPARE(table.view.events.back(), std::string("turn Computer"));
    QVERIFY(table.game.computerToMove());

    table.game.choosePlayMode(Game::kTwoPlayers);
    table.game.NewGame();
    QCOMPARE(table.game.state().playMode, Game::kTwoPlayers);
}

void TestGame::computerMovesThroughTheSamePathAsAClick()
{
    Table table;
    table.game.choosePlayMode(Game::kVersusComputer);
    table.game.NewGame();
    table.game.computerMove(50); // not its turn: ignored
    QCOMPARE(table.game.state().board.at(50), kesto::kEmpty);

    table.play({44});
    // While the computer is to move, the player's clicks and hovering wait.
    const kesto::GameState waiting = table.game.state();
    table.game.Image2_Click(45);
    table.game.Image2_MouseMove(46);
    QVERIFY(table.game.state() == waiting);
    QCOMPARE(table.game.boxColor(46), kWhite);

    table.game.computerMove(44); // taken: ignored
    QVERIFY(table.game.state() == waiting);
    table.game.computerMove(55);
    QCOMPARE(table.game.state().board.at(55), Game::kComputer);
    QCOMPARE(table.game.boxColor(55), kesto::kYellow);
    QCOMPARE(table.game.state().currentPlayer, 1);
    QCOMPARE(table.view.events.back(), std::string("turn Player  1"));

    // The computer's line of five wins like anyone's.
    table.play({1});
    table.game.computerMove(56);
    table.play({2});
    table.game.computerMove(57);
    table.play({3});
    table.game.computerMove(58);
    table.play({91});
    table.view.events.clear();
    table.game.computerMove(59);
    QCOMPARE(table.game.state().inputLocked, kesto::kTrue16);
    QVERIFY(std::find(table.view.events.begin(), table.view.events.end(), "winner Computer")
            != table.view.events.end());
    table.game.Timer3_Timer();
    QCOMPARE(table.game.boxColor(57), kWhite);
    table.game.Timer3_Timer();
    QCOMPARE(table.game.boxColor(57), kesto::kYellow);
}

QTEST_APPLESS_MAIN(TestGame)
#include "tst_game.moc"

#pragma once

#include "GameRecord.h"
#include "GameState.h"
#include "GameView.h"

#include <optional>
#include <string>
#include <vector>

namespace kesto {

// The rules of the game and its record. It keeps the game record and the fill
// colour of every circle on the board, and tells its view what to show. The
// window's event handlers call the handlers of the same name here.
class Game {
public:
    // Play modes, and the player the computer plays as.
    static constexpr std::int16_t kTwoPlayers = 1;
    static constexpr std::int16_t kVersusComputer = 2;
    static constexpr std::int16_t kComputer = kComputerPlayer;

    explicit Game(GameView& view);

    // Start-up: fills the player tables and locks the board. No game runs
    // until the first NewGame.
    void Form_Load();

    // Starts a fresh game, at any moment: stops the blink, empties the board,
    // restarts the clock and gives the move to Player 1. The game is played
    // in the mode chosen last.
    void NewGame();

    // Chooses the play mode of the next new game; the game in progress keeps
    // its opponent.
    void choosePlayMode(std::int16_t mode);

    // Whether the computer opens the games against it, from the next new
    // game on; Player 1 opens them otherwise.
    void chooseComputerOpens(bool computerOpens);

    // Whether there is a move to take back: a stone in a game against a
    // person, a stone of Player 1's against the computer.
    bool canUndo() const;

    // Takes back the last move and gives the turn back to whoever made it.
    // Against the computer, takes back the stones since Player 1's last,
    // that one included, so that Player 1 is to move again. A win taken
    // back is no win: the blink stops, the winner dialog closes, the clock
    // goes on and the board unlocks.
    void undo();

    // The game on the board, written down.
    GameRecord record() const;
    // Its stones in the order played.
    const std::vector<CellIndex>& moves() const { return moves_; }

    // Sets a whole game on the board at once: its stones, its opponent, its
    // clock, and whose turn it is. A record that ends in five shows as after
    // a win (the board locked, the line blinking), without the winner
    // dialog. A record that cannot be played leaves the game as it was and
    // says why.
    std::optional<RecordFault> load(const GameRecord& record);

    // Whether the game on the board can be played back: it has stones, and
    // is not being played back already.
    bool canReplay() const;
    bool replaying() const { return replaying_; }

    // Plays the game back from an empty board, a stone a step; meanwhile
    // the board, the clock, the blink, Undo and the computer wait.
    void startReplay();
    // The next stone of the replay; after the last, the replay ends.
    void replayStep();
    // Ends the replay at once: the game shows as it stands again.
    void stopReplay();

    // The computer's stone while it is the last on the board, else 0.
    CellIndex lastComputerStone() const;

    // Whether the computer is to move: the player's clicks and hovering wait
    // until it has.
    bool computerToMove() const;

    // Whether a player at the board is to move: a game under way, not won,
    // not being replayed, and not the computer's turn.
    bool playerToMove() const;

    // The computer's stone, placed as a click places a player's. Ignored
    // unless the computer is to move and the cell is empty.
    void computerMove(CellIndex index);

    // A click on a cell: places the mover's stone and either declares the
    // winner or passes the turn. Ignored while the board is locked, when the
    // cell is taken, or while the computer is to move.
    void Image2_Click(CellIndex index);

    // The pointer moved over a cell: the empty cell under it previews the
    // mover's colour, and the previous preview, if still empty, turns white.
    void Image2_MouseMove(CellIndex index);

    // One second of game time.
    void Timer2_Timer();

    // One half-second of the winning line's blink.
    void Timer3_Timer();

    // Moves the banner on by one step, 1, 2, 3, 1, ... Returns true when it
    // wrapped round to step 1.
    bool advanceBanner();

    const GameState& state() const { return state_; }

    // The fill colour of the circle on `cell`, 1..100.
    Color boxColor(CellIndex cell) const { return box_.at(cell); }

    // The clock as the time label shows it: "HH:MM:SS", at least two digits
    // each, every digit of the hours.
    static std::string clockText(std::int64_t hours, int minutes, int seconds);

private:
    void playStone(CellIndex index);
    // Tells the view what follows from the game as it now stands: the
    // computer's ring, Undo, and the computer's turn.
    void settle();
    // Paints every circle as the board stands: stones in their colours,
    // empty cells white.
    void paintBoard();
    void showTurn();
    void takeBackWin();
    // Empties the cell of the last move and returns its owner.
    std::int16_t takeBackStone();
    void DeclareWinner();
    void paintBox(CellIndex cell, Color color);
    Color moverColor() const;

    GameView& view_;
    GameState state_;
    OneBasedArray<Color, kCellCount> box_;
    std::int16_t chosenMode_ = kTwoPlayers;
    bool computerOpens_ = false; // as chosen for the next new game
    bool gameComputerOpens_ = false; // whether the computer opened the game in progress
    bool replaying_ = false;
    std::size_t replayShown_ = 0; // stones the replay has shown so far
    std::vector<CellIndex> moves_; // the stones of the game, in the order played
};

} // namespace kesto

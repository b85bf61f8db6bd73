#pragma once

#include "Types.h"

#include <string>

namespace kesto {

// What the game asks of the window that shows it. The game decides; the view
// only shows, in the order the game calls it.
class GameView {
public:
    GameView() = default;
    GameView(const GameView&) = delete;
    GameView& operator=(const GameView&) = delete;
    virtual ~GameView() = default;

    // The fill colour of the circle on `cell` was written (read it back with
    // Game::boxColor).
    virtual void circleChanged(CellIndex cell) = 0;
    // The turn label now reads `name`.
    virtual void setTurnCaption(const std::string& name) = 0;
    // The time label now reads `time`.
    virtual void setTimeCaption(const std::string& time) = 0;
    // The once-a-second game clock starts (from a full second) or stops.
    virtual void switchClockTimer(bool on) = 0;
    // The half-second blink of the winning line starts or stops.
    virtual void switchBlinkTimer(bool on) = 0;
    // The winner dialog shows `name`: it is opened if it is not open, and
    // brought to the front if it is.
    virtual void showWinner(const std::string& name) = 0;
    // The winner dialog closes if it is open: the win was taken back, or
    // another game was set on the board.
    virtual void closeWinner() = 0;
    // The stone on `cell` was placed or taken away (read it from the board).
    virtual void stoneChanged(CellIndex cell) = 0;
    // The computer's last stone, ringed while it is the last on the board;
    // 0 when there is none to ring.
    virtual void markComputerStone(CellIndex cell) = 0;
    // Whether there is now a move the player may take back.
    virtual void setUndoPossible(bool possible) = 0;
    // The computer is to move: the window asks it for its stone.
    virtual void computerToMove() = 0;
    // The game's record changed (a stone, an undo, a whole game set on the
    // board): read it with Game::record.
    virtual void recordChanged() = 0;
    // The half-second steps of a replay start or stop.
    virtual void switchReplayTimer(bool on) = 0;
};

} // namespace kesto

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
    // The winner dialog closes if it is open: the win was taken back.
    virtual void closeWinner() = 0;
};

} // namespace kesto

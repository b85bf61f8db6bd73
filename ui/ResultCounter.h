#pragma once

#include "GameMenu.h"
#include "game/Game.h"

namespace kesto::ui {

// Counts each game against the computer once in the player's results, at
// the strength it was played at: when it is decided (won or lost), or when
// it is given up (a Reset, an Open, a Continue) with at least one of the
// player's stones on the board. Closing the window counts nothing: the game
// can be continued.
class ResultCounter {
public:
    explicit ResultCounter(GameMenu& menu) : menu_(menu) {}

    // After a stone: counts `game` if it has just been decided.
    void decided(const Game& game, engine::Strength strength);

    // Before `game` is given up for another.
    void givenUp(const Game& game, engine::Strength strength);

private:
    GameMenu& menu_;
    bool counted_ = false; // the game on the board is counted already
};

} // namespace kesto::ui

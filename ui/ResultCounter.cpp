#include "ResultCounter.h"

#include <algorithm>

namespace kesto::ui {

void ResultCounter::decided(const Game& game, engine::Strength strength)
{
    const GameState& state = game.state();
    // Counted once: a win taken back and won again is the same game.
    if (state.playMode != Game::kVersusComputer || state.inputLocked == kFalse16 || counted_) {
        return;
    }
    menu_.count(strength, state.currentPlayer == Game::kComputer ? GameMenu::Outcome::Lost : GameMenu::Outcome::Won);
    counted_ = true;
}

void ResultCounter::givenUp(const Game& game, engine::Strength strength)
{
    const GameState& state = game.state();
    const std::vector<CellIndex>& moves = game.moves();
    const bool playersStone = std::any_of(moves.begin(), moves.end(),
                                          [&state](CellIndex cell) { return state.board.at(cell) == kPlayerOne; });
    if (state.playMode == Game::kVersusComputer && !counted_ && playersStone) {
        menu_.count(strength, GameMenu::Outcome::Unfinished);
    }
    counted_ = false; // the next game is not counted yet
}

} // namespace kesto::ui

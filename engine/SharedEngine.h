#pragma once

#include "Engine.h"

#include <memory>
#include <mutex>

namespace kesto::engine {

// One engine for a whole game, used by thoughts that run on other threads:
// each holds it in turn, so what one move learnt serves the next.
class SharedEngine {
public:
    CellIndex chooseMove(const Board& board, std::int16_t player, const Limits& limits,
                         const std::atomic<bool>* stop)
    {
        const std::lock_guard lock(mutex_);
        return engine_.chooseMove(board, player, limits, stop);
    }

    // Forgets the game; the next one is played at `strength`.
    void newGame(Strength strength)
    {
        const std::lock_guard lock(mutex_);
        engine_.newGame();
        engine_.setStrength(strength);
    }

private:
    std::mutex mutex_;
    Engine engine_;
};

} // namespace kesto::engine

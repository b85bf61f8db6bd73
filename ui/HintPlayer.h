#pragma once

#include "engine/SharedEngine.h"
#include "game/GameState.h"

#include <QObject>

#include <memory>

namespace kesto::ui {

class BackgroundWork;

// The hint: the strongest player's choice for the side to move, found by an
// engine of its own on a thread of its own, within the computer's usual
// thinking time. Neither the window nor the computer's engine ever waits for
// it: a hint the game has moved past is told to stop and its answer is
// dropped, without waiting for it to end.
class HintPlayer : public QObject {
    Q_OBJECT

public:
    explicit HintPlayer(QObject* parent = nullptr);

    // Looks for `player`'s move on `board`, in place of any hint under way.
    void ask(const Board& board, std::int16_t player);

    // Drops the hint under way, if any, without waiting for it.
    void drop();

    // Whether a hint is being looked for, and will be found().
    bool thinking() const { return thinking_; }

    // Whether its thread is still busy, with a hint dropped or not.
    bool busy() const;

signals:
    // The hint for `player`: `cell`.
    void found(kesto::CellIndex cell, std::int16_t player);

private:
    BackgroundWork* work_;
    // Made with the first hint: a window whose player never asks does not
    // pay for its memory.
    std::shared_ptr<engine::SharedEngine> engine_;
    bool thinking_ = false;
};

} // namespace kesto::ui

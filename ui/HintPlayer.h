#pragma once

#include "engine/SharedEngine.h"
#include "game/GameState.h"

#include <QObject>
#include <QThreadPool>

#include <atomic>
#include <memory>

namespace kesto::ui {

// The hint: the strongest player's choice for the side to move, found by an
// engine of its own on a thread of its own, within the computer's usual
// thinking time. Neither the window nor the computer's engine ever waits for
// it: a hint the game has moved past is told to stop and its answer is
// dropped, without waiting for it to end.
class HintPlayer : public QObject {
    Q_OBJECT

public:
    explicit HintPlayer(QObject* parent = nullptr);
    // The one wait: the thread ends with the window.
    ~HintPlayer() override;

    // Looks for `player`'s move on `board`, in place of any hint under way.
    void ask(const Board& board, std::int16_t player);

    // Drops the hint under way, if any, without waiting for it.
    void drop();

    // Whether a hint is being looked for, and will be found().
    bool thinking() const { return thinking_; }

    // Whether its thread is still busy, with a hint dropped or not.
    bool busy() const { return thread_.activeThreadCount() > 0; }

signals:
    // The hint for `player`: `cell`.
    void found(kesto::CellIndex cell, std::int16_t player);

private:
    QThreadPool thread_;
    // Made with the first hint: a window whose player never asks does not
    // pay for its memory.
    std::shared_ptr<engine::SharedEngine> engine_;
    std::shared_ptr<std::atomic<bool>> stop_;
    int asked_ = 0; // numbers the hints, so that a dropped one is known
    bool thinking_ = false;
};

} // namespace kesto::ui

#pragma once

#include "engine/SharedEngine.h"
#include "engine/Strength.h"
#include "game/GameState.h"

#include <QFuture>
#include <QObject>

#include <atomic>
#include <memory>

class QTimer;

namespace kesto::ui {

// The computer's turn. It thinks on a worker thread, on a copy of the board,
// and hands its stone over no sooner than a short pause after the player's
// move, so that the player sees it arrive: the pause (the timer named
// "ComputerPause") starts when the computer is asked, and the stone lands
// when both the thought and the pause are over. One thought runs at a time; each
// is numbered, and a stone meant for a position that has since been given
// up (by a new game, an undo or the window closing) never lands.
class ComputerPlayer : public QObject {
    Q_OBJECT

public:
    // The computer may think for this long a move (the hint too).
    static constexpr long long kThinkingMs = 350;

    explicit ComputerPlayer(QObject* parent = nullptr);
    ~ComputerPlayer() override;

    // Forgets the game; the next one is played at `strength`.
    void newGame(engine::Strength strength);

    // Starts thinking about `player`'s move on `board`, unless a thought is
    // already under way: the computer is asked once a turn, however often
    // it is asked.
    void think(const Board& board, std::int16_t player);

    // Stops the thought under way, if any, and waits until it has stopped;
    // its stone is dropped.
    void stop();

    // Whether a thought, or the pause after it, is under way.
    bool busy() const { return busy_; }

    // Whether the stone is chosen and waits for the pause to end.
    bool hasChosen() const { return chosen_ != 0; }

    // The strength of the game under way.
    engine::Strength strength() const { return strength_; }

signals:
    // The computer plays `cell`.
    void moved(kesto::CellIndex cell);

private:
    void thoughtDone(int thought, CellIndex cell);
    void handOver();

    // Made when the computer first thinks: a window that never plays it
    // never pays for its memory.
    std::shared_ptr<engine::SharedEngine> engine_;
    QFuture<CellIndex> thinking_;
    std::shared_ptr<std::atomic<bool>> stopThought_;
    int thought_ = 0;
    bool busy_ = false;
    engine::Strength strength_ = engine::Strength::Strongest;
    CellIndex chosen_ = 0; // the stone thought of, waiting for the pause to end; 0 while none
    QTimer* pause_;
};

} // namespace kesto::ui

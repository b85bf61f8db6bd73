#include "ComputerPlayer.h"

#include "engine/TimeKeeper.h"

#include <QFutureWatcher>
#include <QTimer>
#include <QtConcurrent>

#include <algorithm>

namespace kesto::ui {

namespace {

// The computer may think for this long a move, and its stone never comes
// sooner than the pause after the player's, so that the player sees it
// arrive: in all, well within a second.
constexpr long long kThinkingMs = 350;
constexpr qint64 kPauseMs = 400;

} // namespace

ComputerPlayer::ComputerPlayer(QObject* parent) : QObject(parent), pause_(new QTimer(this))
{
    pause_->setSingleShot(true);
    connect(pause_, &QTimer::timeout, this, [this] {
        busy_ = false;
        emit moved(chosen_);
    });
}

ComputerPlayer::~ComputerPlayer()
{
    stop();
}

void ComputerPlayer::newGame(engine::Strength strength)
{
    stop();
    strength_ = strength;
    if (engine_) {
        engine_->newGame(strength);
    }
}

void ComputerPlayer::think(const Board& board, std::int16_t player)
{
    if (busy_) {
        return;
    }
    busy_ = true;
    sinceAsked_.start();
    if (!engine_) {
        engine_ = std::make_shared<engine::SharedEngine>();
        engine_->newGame(strength_);
    }
    const int thought = ++thought_;
    stopThought_ = std::make_shared<std::atomic<bool>>(false);
    auto* watcher = new QFutureWatcher<CellIndex>(this);
    connect(watcher, &QFutureWatcher<CellIndex>::finished, this, [this, watcher, thought] {
        watcher->deleteLater();
        thoughtDone(thought, watcher->result());
    });
    thinking_ = QtConcurrent::run([board, player, engine = engine_, stop = stopThought_] {
        const auto budget = engine::TimeKeeper::plan({kThinkingMs, 0, -1}, board);
        return engine->chooseMove(board, player, budget, stop.get());
    });
    watcher->setFuture(thinking_);
}

void ComputerPlayer::thoughtDone(int thought, CellIndex cell)
{
    if (thought != thought_) {
        return; // stopped: the position it was about is gone
    }
    if (cell == 0) {
        busy_ = false; // a full board: nothing to play
        return;
    }
    chosen_ = cell;
    pause_->start(static_cast<int>(std::max<qint64>(0, kPauseMs - sinceAsked_.elapsed())));
}

void ComputerPlayer::stop()
{
    ++thought_;
    busy_ = false;
    pause_->stop();
    if (stopThought_) {
        stopThought_->store(true);
    }
    thinking_.waitForFinished();
}

} // namespace kesto::ui

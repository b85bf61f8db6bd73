#include "ComputerPlayer.h"

#include "engine/TimeKeeper.h"

#include <QFutureWatcher>
#include <QTimer>
#include <QtConcurrent>


namespace kesto::ui {

namespace {

// The computer's stone never comes sooner than this pause after the
// player's, so that the player sees it arrive; with its thinking time
// (kThinkingMs), well within a second in all.
constexpr int kPauseMs = 400;

} // namespace

ComputerPlayer::ComputerPlayer(QObject* parent) : QObject(parent), pause_(new QTimer(this))
{
    pause_->setObjectName(QStringLiteral("ComputerPause"));
    pause_->setSingleShot(true);
    pause_->setInterval(kPauseMs);
    connect(pause_, &QTimer::timeout, this, [this] {
        if (chosen_ != 0) {
            handOver();
        }
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
    chosen_ = 0;
    pause_->start();
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
        return engine->chooseMove(board, player, engine::Limits::ofTime(budget), stop.get());
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
        pause_->stop();
        return;
    }
    chosen_ = cell;
    if (!pause_->isActive()) {
        handOver();
    }
}

void ComputerPlayer::handOver()
{
    const CellIndex cell = chosen_;
    chosen_ = 0;
    busy_ = false;
    emit moved(cell);
}

void ComputerPlayer::stop()
{
    ++thought_;
    busy_ = false;
    chosen_ = 0;
    pause_->stop();
    if (stopThought_) {
        stopThought_->store(true);
    }
    thinking_.waitForFinished();
}

} // namespace kesto::ui

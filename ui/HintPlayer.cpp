#include "HintPlayer.h"

#include "ComputerPlayer.h"
#include "engine/TimeKeeper.h"

namespace kesto::ui {

HintPlayer::HintPlayer(QObject* parent) : QObject(parent)
{
    setObjectName(QStringLiteral("HintPlayer"));
    thread_.setMaxThreadCount(1);
}

HintPlayer::~HintPlayer()
{
    drop();
    thread_.waitForDone();
}

void HintPlayer::ask(const Board& board, std::int16_t player)
{
    drop();
    if (!engine_) {
        engine_ = std::make_shared<engine::SharedEngine>();
    }
    thinking_ = true;
    const int hint = ++asked_;
    stop_ = std::make_shared<std::atomic<bool>>(false);
    thread_.start([this, hint, board, player, engine = engine_, stop = stop_] {
        // Each hint is a position of its own, whoever is to move in it.
        engine->newGame(engine::Strength::Strongest);
        const auto budget = engine::TimeKeeper::plan({ComputerPlayer::kThinkingMs, 0, -1}, board);
        const CellIndex cell = engine->chooseMove(board, player, budget, stop.get());
        if (stop->load()) {
            return;
        }
        QMetaObject::invokeMethod(
            this,
            [this, hint, cell, player] {
                if (hint != asked_) {
                    return; // dropped meanwhile
                }
                thinking_ = false;
                if (cell != 0) { // 0: a full board, nothing to hint
                    emit found(cell, player);
                }
            },
            Qt::QueuedConnection);
    });
}

void HintPlayer::drop()
{
    ++asked_;
    thinking_ = false;
    if (stop_) {
        stop_->store(true);
    }
}

} // namespace kesto::ui

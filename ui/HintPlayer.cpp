#include "HintPlayer.h"

#include "BackgroundWork.h"
#include "ComputerPlayer.h"
#include "engine/TimeKeeper.h"

namespace kesto::ui {

HintPlayer::HintPlayer(QObject* parent) : QObject(parent), work_(new BackgroundWork(this))
{
    setObjectName(QStringLiteral("HintPlayer"));
}

bool HintPlayer::busy() const
{
    return work_->busy();
}

void HintPlayer::ask(const Board& board, std::int16_t player)
{
    if (!engine_) {
        engine_ = std::make_shared<engine::SharedEngine>();
    }
    thinking_ = true;
    work_->start([this, board, player, engine = engine_](const std::atomic<bool>& stop, const BackgroundWork::Tell& tell) {
        // Each hint is a position of its own, whoever is to move in it.
        engine->newGame(engine::Strength::Strongest);
        const auto budget = engine::TimeKeeper::plan({ComputerPlayer::kThinkingMs, 0, -1}, board);
        const CellIndex cell = engine->chooseMove(board, player, engine::Limits::ofTime(budget), &stop);
        tell([this, cell, player] {
            thinking_ = false;
            if (cell != 0) { // 0: a full board, nothing to hint
                emit found(cell, player);
            }
        });
    });
}

void HintPlayer::drop()
{
    work_->cancel();
    thinking_ = false;
}

} // namespace kesto::ui

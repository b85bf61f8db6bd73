#include "GameReviewer.h"

#include "BackgroundWork.h"
#include "ReviewDialog.h"

namespace kesto::ui {

GameReviewer::GameReviewer(QObject* parent) : QObject(parent), work_(new BackgroundWork(this))
{
    setObjectName(QStringLiteral("GameReviewer"));
}

void GameReviewer::start(const Game& game, QWidget* window)
{
    end();
    record_ = game.record();
    ReviewDialog::Sides sides;
    for (std::size_t side = 0; side < 2; ++side) {
        const std::int16_t owner = record_.ownerOf(side);
        sides.names.at(side) = QString::fromStdString(game.state().playerName.at(owner)).simplified();
        sides.computer.at(side) = owner == Game::kComputer;
    }
    dialog_ = new ReviewDialog(window);
    dialog_->setSides(sides);
    // Closing the window ends the review.
    connect(dialog_, &QDialog::finished, this, &GameReviewer::end);
    dialog_->show();
    working_ = true;
    work_->start([this, moves = record_.moves](const std::atomic<bool>& stop, const BackgroundWork::Tell& tell) {
        engine::GameReview reader(kQuestion, &stop);
        const engine::GameReview::Summary summary = reader.review(moves, [this, &tell](std::size_t done, std::size_t total) {
            tell([this, done, total] {
                if (dialog_) {
                    dialog_->showProgress(static_cast<int>(done), static_cast<int>(total));
                }
            });
        });
        if (summary.complete) {
            tell([this, summary] {
                working_ = false;
                finish(summary);
            });
        }
    });
}

void GameReviewer::finish(const engine::GameReview::Summary& summary)
{
    if (dialog_) {
        dialog_->showFindings(summary, record_.moves);
    }
    // The losing side's turn; without a winner, the first turn of either.
    std::optional<engine::GameReview::Turn> shown;
    for (std::size_t side = 0; side < 2; ++side) {
        const auto& turn = summary.turning.at(side);
        const bool loser = !summary.winner || *summary.winner != side;
        if (turn && loser && (!shown || turn->move < shown->move)) {
            shown = turn;
        }
    }
    if (shown) {
        emit ringsChanged(record_.moves.at(shown->move), shown->holds);
    }
}

void GameReviewer::end()
{
    work_->cancel();
    working_ = false;
    emit ringsChanged(0, 0);
    if (dialog_) {
        dialog_->disconnect(this); // closed from here: nothing more to hear
        dialog_->close();
    }
}

} // namespace kesto::ui

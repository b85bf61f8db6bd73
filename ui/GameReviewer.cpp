#include "GameReviewer.h"

#include "ReviewDialog.h"

namespace kesto::ui {

GameReviewer::GameReviewer(QObject* parent) : QObject(parent)
{
    setObjectName(QStringLiteral("GameReviewer"));
    thread_.setMaxThreadCount(1);
}

GameReviewer::~GameReviewer()
{
    cancel();
    thread_.waitForDone();
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
    // Closing the window ends the review.
    connect(dialog_, &QDialog::finished, this, &GameReviewer::end);
    dialog_->show();
    dialog_->setSides(sides);
    working_ = true;
    const std::vector<CellIndex> moves = record_.moves;
    const int review = ++started_;
    stop_ = std::make_shared<std::atomic<bool>>(false);
    thread_.start([this, review, moves, stop = stop_] {
        engine::GameReview reader(kLimits, stop.get());
        const engine::GameReview::Summary summary = reader.review(moves, [this, review](std::size_t done, std::size_t total) {
            QMetaObject::invokeMethod(
                this,
                [this, review, done, total] {
                    if (review == started_ && dialog_) {
                        dialog_->showProgress(static_cast<int>(done), static_cast<int>(total));
                    }
                },
                Qt::QueuedConnection);
        });
        if (!summary.complete) {
            return;
        }
        QMetaObject::invokeMethod(
            this,
            [this, review, summary] {
                if (review == started_) {
                    working_ = false;
                    finish(summary);
                }
            },
            Qt::QueuedConnection);
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
    cancel();
    emit ringsChanged(0, 0);
    if (dialog_) {
        dialog_->disconnect(this); // closed from here: nothing more to hear
        dialog_->close();
    }
}

void GameReviewer::cancel()
{
    ++started_;
    working_ = false;
    if (stop_) {
        stop_->store(true);
    }
}

} // namespace kesto::ui

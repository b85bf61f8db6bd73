#include "ReviewDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace kesto::ui {

namespace {

QString where(CellIndex cell)
{
    return QStringLiteral("row %1, column %2").arg(rowOf(cell)).arg(columnOf(cell));
}

// "the computer" in the middle of a sentence, a player by name.
QString asOpponent(const ReviewDialog::Sides& sides, std::size_t side)
{
    return sides.computer.at(side) ? QStringLiteral("the computer") : sides.names.at(side);
}

QString turningSentence(const engine::GameReview::Turn& turn, const std::vector<CellIndex>& moves,
                        const ReviewDialog::Sides& sides, std::size_t side)
{
    const QString held = turn.holds != 0 ? QStringLiteral("%1 would have held.").arg(where(turn.holds))
                                         : QStringLiteral("no move there would have held.");
    return QStringLiteral("Move %1 (%2, %3) let %4 force a win; %5")
        .arg(turn.move + 1)
        .arg(sides.names.at(side), where(moves.at(turn.move)), asOpponent(sides, 1 - side), held);
}

} // namespace

ReviewDialog::ReviewDialog(QWidget* parent)
    : QDialog(parent), text_(new QLabel(QStringLiteral("Reading the game back..."), this)), progress_(new QProgressBar(this))
{
    setObjectName(QStringLiteral("ReviewDialog"));
    setWindowTitle(QStringLiteral("Kesto: where the game turned"));
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);
    text_->setObjectName(QStringLiteral("ReviewText"));
    text_->setWordWrap(true);
    text_->setMinimumWidth(360);
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    progress_->setObjectName(QStringLiteral("ReviewProgress"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(progress_);
    layout->addWidget(buttons);
}

void ReviewDialog::showProgress(int done, int total)
{
    progress_->setRange(0, total);
    progress_->setValue(done);
    text_->setText(QStringLiteral("Reading the game back: move %1 of %2...").arg(done).arg(total));
}

void ReviewDialog::showFindings(const engine::GameReview::Summary& summary, const std::vector<CellIndex>& moves)
{
    progress_->hide();
    text_->setText(describe(summary, moves, sides_));
    adjustSize();
}

QString ReviewDialog::describe(const engine::GameReview::Summary& summary, const std::vector<CellIndex>& moves,
                               const Sides& sides)
{
    QStringList sentences;
    // After a win, the loser's turn; else each side's, in the order played.
    std::vector<std::size_t> order{0, 1};
    if (summary.winner) {
        order = {1 - *summary.winner};
    }
    for (std::size_t side : order) {
        if (const auto& turn = summary.turning.at(side)) {
            sentences << turningSentence(*turn, moves, sides, side);
        }
    }
    if (sentences.isEmpty()) {
        sentences << (summary.winner ? QStringLiteral("No move let a forced win through: the game was lost to slower play.")
                                     : QStringLiteral("No move let a forced win through."));
    }
    for (std::size_t side = 0; side < 2; ++side) {
        if (const auto& letGo = summary.letGo.at(side)) {
            sentences << QStringLiteral("At move %1, %2 had a forced win from %3 and let it go.")
                             .arg(letGo->move + 1)
                             .arg(sides.names.at(side), where(letGo->from));
        }
    }
    return sentences.join(QLatin1Char('\n'));
}

} // namespace kesto::ui

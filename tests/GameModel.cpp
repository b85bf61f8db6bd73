#include "GameModel.h"

QString GameModel::nameOf(int player)
{
    return player == 1 ? QStringLiteral("Player  1") : QStringLiteral("Player  2");
}

std::int32_t GameModel::colourOf(int player)
{
    return player == 1 ? 0x0000FF : 0x00FF00;
}

void GameModel::reset()
{
    phase_ = Phase::Playing;
    board_.fill(0);
    toMove_ = 1;
    preview_.reset();
    blinkWhite_ = false;
    seconds_ = 0;
    turnCaption_ = nameOf(1);
}

// The stones of the mover in one direction from `cell`, nearest first.
QList<int> GameModel::lineThrough(int cell, int dRow, int dColumn) const
{
    QList<int> cells;
    int row = (cell - 1) / kSide + dRow;
    int column = (cell - 1) % kSide + dColumn;
    while (row >= 0 && row < kSide && column >= 0 && column < kSide
           && owner(row * kSide + column + 1) == toMove_) {
        cells << row * kSide + column + 1;
        row += dRow;
        column += dColumn;
    }
    return cells;
}

void GameModel::click(int cell)
{
    if (phase_ != Phase::Playing || owner(cell) != 0) {
        return;
    }
    board_.at(index(cell)) = toMove_;
    // A stone ends the preview wherever it was: one preview at a time.
    preview_.reset();
    // Down, across, and the two diagonals; each one way, then the other.
    const int axes[4][2] = {{-1, 0}, {0, -1}, {-1, -1}, {1, -1}};
    for (const auto& axis : axes) {
        QList<int> run{cell};
        run << lineThrough(cell, axis[0], axis[1]) << lineThrough(cell, -axis[0], -axis[1]);
        if (run.size() >= 5) {
            phase_ = Phase::Won;
            winningCells_ = run.first(5);
            blinkWhite_ = false;
            winnerDialogOpen_ = true;
            winnerShown_ = nameOf(toMove_);
            ++wins_;
            return;
        }
    }
    toMove_ = 3 - toMove_;
    turnCaption_ = nameOf(toMove_);
}

void GameModel::point(int cell)
{
    if (phase_ == Phase::Playing && owner(cell) == 0) {
        preview_ = cell;
        previewColour_ = colourOf(toMove_);
    }
}

void GameModel::clockTick()
{
    ++seconds_;
    timeCaption_ = QString::asprintf("%02lld:%02lld:%02lld", static_cast<long long>(seconds_ / 3600),
                                     static_cast<long long>(seconds_ / 60 % 60),
                                     static_cast<long long>(seconds_ % 60));
}

void GameModel::blinkTick()
{
    blinkWhite_ = !blinkWhite_;
}

void GameModel::bannerTick()
{
    if (++bannerStep_ > 3) {
        bannerStep_ = 1;
        dots_ = 0;
    }
    ++dots_;
}

std::int32_t GameModel::circle(int cell) const
{
    if (phase_ == Phase::Won && blinkWhite_ && winningCells_.contains(cell)) {
        return kWhite;
    }
    if (owner(cell) != 0) {
        return colourOf(owner(cell));
    }
    if (preview_ == cell) {
        return previewColour_;
    }
    return kWhite;
}

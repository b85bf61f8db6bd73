#pragma once

// A small model of the game written from its rules alone, to check the real
// thing against: it walks rows and columns, keeps whole colours per cell,
// and shares no code with the game.

#include <QList>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

class GameModel {
public:
    enum class Phase { NotStarted, Playing, Won };

    static constexpr int kSide = 10;
    static constexpr int kCells = kSide * kSide;
    static constexpr std::int32_t kWhite = 0xFFFFFF;

    // What a player does, and what the timers do.
    void reset();
    void click(int cell);
    void point(int cell);
    void clockTick();
    void blinkTick();
    void bannerTick();
    void closeWinnerDialog() { winnerDialogOpen_ = false; }

    // What the window should show.
    Phase phase() const { return phase_; }
    int owner(int cell) const { return board_.at(index(cell)); }
    int toMove() const { return toMove_; }
    std::int32_t circle(int cell) const;
    QString turnCaption() const { return turnCaption_; }
    QString timeCaption() const { return timeCaption_; }
    bool clockRunning() const { return phase_ == Phase::Playing; }
    bool blinking() const { return phase_ == Phase::Won; }
    QList<int> winningCells() const { return winningCells_; }
    bool winnerDialogOpen() const { return winnerDialogOpen_; }
    QString winnerShown() const { return winnerShown_; }
    int bannerStep() const { return bannerStep_; }
    QString modeCaption() const { return QStringLiteral("Mode") + QString(dots_, QLatin1Char('.')); }
    QString menuCaption() const { return QStringLiteral("Menu") + QString(dots_, QLatin1Char('.')); }
    int wins() const { return wins_; }

    static QString nameOf(int player);
    static std::int32_t colourOf(int player);

private:
    static std::size_t index(int cell) { return static_cast<std::size_t>(cell - 1); }
    QList<int> lineThrough(int cell, int dRow, int dColumn) const;

    Phase phase_ = Phase::NotStarted;
    std::array<int, kCells> board_{};
    int toMove_ = 1;
    std::optional<int> preview_;
    std::int32_t previewColour_ = kWhite;
    QList<int> winningCells_;
    bool blinkWhite_ = false;
    std::int64_t seconds_ = 0;
    QString turnCaption_ = QStringLiteral("None");
    QString timeCaption_ = QStringLiteral("00:00:00");
    bool winnerDialogOpen_ = false;
    QString winnerShown_;
    int bannerStep_ = 1;
    int dots_ = 0;
    int wins_ = 0;
};

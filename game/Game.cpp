#include "Game.h"

#include "LineTest.h"

#include <algorithm>

namespace kesto {

namespace {

constexpr std::int16_t kBannerSteps = 3;
constexpr int kSecondsPerMinute = 60;
constexpr int kMinutesPerHour = 60;

} // namespace

Game::Game(GameView& view) : view_(view)
{
    box_.fill(kWhite);
}

void Game::Form_Load()
{
    state_.playerColor.at(1) = kRed;
    state_.playerColor.at(2) = kGreen;
    state_.playerColor.at(3) = kYellow;
    // The word, then the number as it prints with room for a sign: two blanks.
    state_.playerName.at(1) = "Player  1";
    state_.playerName.at(2) = "Player  2";
    state_.playerName.at(3) = "Computer";
    state_.playMode = kTwoPlayers;
    state_.inputLocked = kTrue16;
    state_.bannerStep = 1;
}

void Game::NewGame()
{
    // The blink stops before the board is repainted, so no late tick can
    // colour a circle of the new game.
    view_.switchBlinkTimer(false);
    for (int cell = Board::first; cell <= Board::last; ++cell) {
        state_.board.at(cell) = kEmpty;
        paintBox(static_cast<CellIndex>(cell), kWhite);
    }
    state_.hoverCell = 1;
    state_.playMode = chosenMode_;
    state_.clockHours = 0;
    state_.clockMinutes = 0;
    state_.clockSeconds = 0;
    view_.switchClockTimer(true);
    moves_.clear();
    state_.currentPlayer = state_.playMode == kVersusComputer && computerOpens_ ? kComputer : 1;
    view_.setTurnCaption(state_.playerName.at(state_.currentPlayer));
    state_.inputLocked = kFalse16;
}

void Game::choosePlayMode(std::int16_t mode)
{
    chosenMode_ = mode == kVersusComputer ? kVersusComputer : kTwoPlayers;
}

void Game::chooseComputerOpens(bool computerOpens)
{
    computerOpens_ = computerOpens;
}

bool Game::canUndo() const
{
    if (state_.playMode != kVersusComputer) {
        return !moves_.empty();
    }
    return std::any_of(moves_.begin(), moves_.end(),
                       [this](CellIndex cell) { return state_.board.at(cell) == 1; });
}

void Game::undo()
{
    if (!canUndo()) {
        return;
    }
    if (state_.inputLocked != kFalse16) {
        takeBackWin();
    }
    // The preview belongs to the mover, who changes.
    if (state_.board.at(state_.hoverCell) == kEmpty) {
        paintBox(state_.hoverCell, kWhite);
    }
    std::int16_t owner = takeBackStone();
    while (state_.playMode == kVersusComputer && owner != 1) {
        owner = takeBackStone();
    }
    state_.currentPlayer = owner;
    view_.setTurnCaption(state_.playerName.at(state_.currentPlayer));
}

void Game::takeBackWin()
{
    view_.switchBlinkTimer(false);
    view_.closeWinner();
    for (int slot = WinLine::first; slot <= WinLine::last; ++slot) {
        const CellIndex cell = state_.winLine.at(slot);
        paintBox(cell, state_.playerColor.at(state_.board.at(cell)));
    }
    view_.switchClockTimer(true);
    state_.inputLocked = kFalse16;
}

std::int16_t Game::takeBackStone()
{
    const CellIndex cell = moves_.back();
    moves_.pop_back();
    const std::int16_t owner = state_.board.at(cell);
    state_.board.at(cell) = kEmpty;
    paintBox(cell, kWhite);
    return owner;
}

CellIndex Game::lastComputerStone() const
{
    if (moves_.empty() || state_.board.at(moves_.back()) != kComputer) {
        return 0;
    }
    return moves_.back();
}

bool Game::computerToMove() const
{
    return state_.inputLocked == kFalse16 && state_.playMode == kVersusComputer
           && state_.currentPlayer == kComputer;
}

void Game::Image2_Click(CellIndex index)
{
    if (!computerToMove()) {
        playStone(index);
    }
}

void Game::computerMove(CellIndex index)
{
    if (computerToMove()) {
        playStone(index);
    }
}

void Game::playStone(CellIndex index)
{
    if (state_.inputLocked != kFalse16 || state_.board.at(index) != kEmpty) {
        return;
    }
    paintBox(index, moverColor());
    state_.board.at(index) = state_.currentPlayer;
    moves_.push_back(index);

    if (completesLine(state_.board, index, state_.currentPlayer, state_.winLine)) {
        DeclareWinner();
        return;
    }
    // Player 1 plays Player 2, or the computer.
    if (state_.currentPlayer == 1) {
        state_.currentPlayer = state_.playMode == kVersusComputer ? kComputer : 2;
    } else {
        state_.currentPlayer = 1;
    }
    view_.setTurnCaption(state_.playerName.at(state_.currentPlayer));
}

void Game::Image2_MouseMove(CellIndex index)
{
    if (state_.inputLocked != kFalse16 || computerToMove() || state_.board.at(index) != kEmpty) {
        return;
    }
    if (state_.board.at(state_.hoverCell) == kEmpty) {
        paintBox(state_.hoverCell, kWhite);
    }
    state_.hoverCell = index;
    paintBox(state_.hoverCell, moverColor());
}

void Game::Timer2_Timer()
{
    ++state_.clockSeconds;
    if (state_.clockSeconds >= kSecondsPerMinute) {
        ++state_.clockMinutes;
        state_.clockSeconds -= kSecondsPerMinute;
    }
    if (state_.clockMinutes >= kMinutesPerHour) {
        ++state_.clockHours;
        state_.clockMinutes -= kMinutesPerHour;
    }
    view_.setTimeCaption(clockText(state_.clockHours, state_.clockMinutes, state_.clockSeconds));
}

void Game::Timer3_Timer()
{
    const Color color = moverColor();
    for (int slot = WinLine::first; slot <= WinLine::last; ++slot) {
        const CellIndex cell = state_.winLine.at(slot);
        paintBox(cell, box_.at(cell) == color ? kWhite : color);
    }
}

bool Game::advanceBanner()
{
    ++state_.bannerStep;
    if (state_.bannerStep > kBannerSteps) {
        state_.bannerStep = 1;
        return true;
    }
    return false;
}

std::string Game::clockText(std::int64_t hours, int minutes, int seconds)
{
    std::string text;
    const auto append = [&text](std::int64_t value) {
        if (value < 10) {
            text += '0';
        }
        text += std::to_string(value);
    };
    append(hours);
    text += ':';
    append(minutes);
    text += ':';
    append(seconds);
    return text;
}

void Game::DeclareWinner()
{
    state_.inputLocked = kTrue16;
    view_.switchClockTimer(false);
    view_.switchBlinkTimer(true);
    view_.showWinner(state_.playerName.at(state_.currentPlayer));
    // The five stones already show the winner's colour; painting them again
    // makes the blink start from its coloured phase.
    const Color color = moverColor();
    for (int slot = WinLine::first; slot <= WinLine::last; ++slot) {
        paintBox(state_.winLine.at(slot), color);
    }
}

void Game::paintBox(CellIndex cell, Color color)
{
    box_.at(cell) = color;
    view_.circleChanged(cell);
}

Color Game::moverColor() const
{
    return state_.playerColor.at(state_.currentPlayer);
}

} // namespace kesto

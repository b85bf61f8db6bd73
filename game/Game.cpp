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
    if (replaying_) {
        replaying_ = false;
        view_.switchReplayTimer(false);
    }
    for (int cell = Board::first; cell <= Board::last; ++cell) {
        state_.board.at(cell) = kEmpty;
        paintBox(static_cast<CellIndex>(cell), kWhite);
        view_.stoneChanged(static_cast<CellIndex>(cell));
    }
    state_.hoverCell = 1;
    state_.playMode = chosenMode_;
    state_.clockHours = 0;
    state_.clockMinutes = 0;
    state_.clockSeconds = 0;
    view_.switchClockTimer(true);
    moves_.clear();
    gameComputerOpens_ = state_.playMode == kVersusComputer && computerOpens_;
    state_.currentPlayer = gameComputerOpens_ ? kComputer : kPlayerOne;
    showTurn();
    state_.inputLocked = kFalse16;
    settle();
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
    if (replaying_) {
        return false;
    }
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
    while (state_.playMode == kVersusComputer && owner != kPlayerOne) {
        owner = takeBackStone();
    }
    state_.currentPlayer = owner;
    showTurn();
    view_.recordChanged();
    settle();
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
    view_.stoneChanged(cell);
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
    return !replaying_ && state_.inputLocked == kFalse16 && state_.playMode == kVersusComputer
           && state_.currentPlayer == kComputer;
}

bool Game::playerToMove() const
{
    return !replaying_ && state_.inputLocked == kFalse16 && !computerToMove();
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
    if (replaying_ || state_.inputLocked != kFalse16 || state_.board.at(index) != kEmpty) {
        return;
    }
    // One preview at a time: the stone may land away from the last preview
    // (the keyboard's cursor moved it, or the window was clicked into
    // focus), which then goes, as it would have gone for the next mover.
    if (state_.hoverCell != index && state_.board.at(state_.hoverCell) == kEmpty) {
        paintBox(state_.hoverCell, kWhite);
    }
    paintBox(index, moverColor());
    state_.board.at(index) = state_.currentPlayer;
    moves_.push_back(index);
    view_.stoneChanged(index);

    if (completesLine(state_.board, index, state_.currentPlayer, state_.winLine)) {
        DeclareWinner();
    } else {
        // Player 1 plays Player 2, or the computer.
        if (state_.currentPlayer == kPlayerOne) {
            state_.currentPlayer = state_.playMode == kVersusComputer ? kComputer : kPlayerTwo;
        } else {
            state_.currentPlayer = kPlayerOne;
        }
        showTurn();
    }
    view_.recordChanged();
    settle();
}

void Game::settle()
{
    view_.markComputerStone(lastComputerStone());
    view_.setUndoPossible(canUndo());
    if (computerToMove()) {
        view_.computerToMove();
    }
}

void Game::showTurn()
{
    view_.setTurnCaption(state_.playerName.at(state_.currentPlayer));
}

void Game::paintBoard()
{
    for (int cell = Board::first; cell <= Board::last; ++cell) {
        const std::int16_t owner = state_.board.at(cell);
        paintBox(static_cast<CellIndex>(cell), owner == kEmpty ? kWhite : state_.playerColor.at(owner));
    }
}

GameRecord Game::record() const
{
    GameRecord record;
    record.versusComputer = state_.playMode == kVersusComputer;
    record.computerOpens = record.versusComputer && gameComputerOpens_;
    record.moves = moves_;
    record.clockSeconds = (state_.clockHours * kMinutesPerHour + state_.clockMinutes) * kSecondsPerMinute
                          + state_.clockSeconds;
    return record;
}

std::optional<RecordFault> Game::load(const GameRecord& record)
{
    const PlayedRecord played = playRecord(record);
    if (played.fault) {
        return played.fault;
    }
    view_.switchBlinkTimer(false);
    if (replaying_) {
        replaying_ = false;
        view_.switchReplayTimer(false);
    }
    view_.closeWinner();
    state_.playMode = record.versusComputer ? kVersusComputer : kTwoPlayers;
    gameComputerOpens_ = record.versusComputer && record.computerOpens;
    moves_ = record.moves;
    state_.board = played.board;
    paintBoard();
    for (int cell = Board::first; cell <= Board::last; ++cell) {
        view_.stoneChanged(static_cast<CellIndex>(cell));
    }
    state_.hoverCell = 1;
    const std::int64_t seconds = std::max<std::int64_t>(0, record.clockSeconds);
    state_.clockHours = seconds / (kSecondsPerMinute * kMinutesPerHour);
    state_.clockMinutes = static_cast<std::int16_t>(seconds / kSecondsPerMinute % kMinutesPerHour);
    state_.clockSeconds = static_cast<std::int16_t>(seconds % kSecondsPerMinute);
    view_.setTimeCaption(clockText(state_.clockHours, state_.clockMinutes, state_.clockSeconds));
    if (played.won) {
        // As after a win, but the game is not won again: no dialog.
        state_.currentPlayer = record.ownerOf(record.moves.size() - 1);
        state_.winLine = played.winLine;
        state_.inputLocked = kTrue16;
        view_.switchClockTimer(false);
        view_.switchBlinkTimer(true);
    } else {
        state_.currentPlayer = record.nextToMove();
        state_.inputLocked = kFalse16;
        view_.switchClockTimer(true);
    }
    showTurn();
    view_.recordChanged();
    settle();
    return std::nullopt;
}

bool Game::canReplay() const
{
    return !moves_.empty() && !replaying_;
}

void Game::startReplay()
{
    if (!canReplay()) {
        return;
    }
    replaying_ = true;
    replayShown_ = 0;
    view_.switchBlinkTimer(false);
    view_.switchClockTimer(false);
    for (int cell = Board::first; cell <= Board::last; ++cell) {
        paintBox(static_cast<CellIndex>(cell), kWhite);
    }
    view_.markComputerStone(0);
    view_.setUndoPossible(false);
    view_.setTurnCaption(state_.playerName.at(state_.board.at(moves_.front())));
    view_.switchReplayTimer(true);
}

void Game::replayStep()
{
    if (!replaying_) {
        return;
    }
    const std::int16_t owner = state_.board.at(moves_.at(replayShown_));
    paintBox(moves_.at(replayShown_), state_.playerColor.at(owner));
    ++replayShown_;
    if (replayShown_ == moves_.size()) {
        stopReplay();
        return;
    }
    view_.setTurnCaption(state_.playerName.at(state_.board.at(moves_.at(replayShown_))));
}

void Game::stopReplay()
{
    if (!replaying_) {
        return;
    }
    replaying_ = false;
    view_.switchReplayTimer(false);
    paintBoard();
    if (state_.inputLocked != kFalse16) {
        view_.switchBlinkTimer(true); // the line blinks again from its coloured phase
    } else {
        view_.switchClockTimer(true);
    }
    showTurn();
    settle();
}

void Game::Image2_MouseMove(CellIndex index)
{
    if (replaying_ || state_.inputLocked != kFalse16 || computerToMove() || state_.board.at(index) != kEmpty) {
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

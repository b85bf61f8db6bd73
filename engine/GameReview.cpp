#include "GameReview.h"

#include "game/LineTest.h"

namespace kesto::engine {

GameReview::Verdict GameReview::after(const Board& board, std::int16_t player, CellIndex cell)
{
    // A stone that makes five ends the game: whatever the opponent could
    // have built is beside the point.
    Board placed = board;
    placed.at(cell) = player;
    WinLine line;
    if (completesLine(placed, cell, player, line)) {
        return Verdict::Wins;
    }
    Position position;
    position.load(board, player);
    const TriedStone stone(position, cell, Side::Own);
    Deadline deadline(Limits::ofNodes(question_.nodes), stop_);
    try {
        return forcedWin_.wins(position, Side::Opponent, question_.kind, question_.threats, deadline) ? Verdict::Lost
                                                                                                   : Verdict::Holds;
    } catch (const TimeUp&) {
        return Verdict::Unknown;
    }
}

CellIndex GameReview::ownWin(const Board& board, std::int16_t player, bool& unknown)
{
    Position position;
    position.load(board, player);
    Deadline deadline(Limits::ofNodes(question_.nodes), stop_);
    unknown = false;
    try {
        return forcedWin_.find(position, Side::Own, question_.kind, question_.threats, deadline);
    } catch (const TimeUp&) {
        unknown = true;
        return 0;
    }
}

GameReview::Move GameReview::judge(const Board& board, std::int16_t player, CellIndex played)
{
    Move move;
    Position position;
    position.load(board, player);
    bool playedJudged = false;
    for (int value = 1; value <= kCellCount; ++value) {
        const auto cell = static_cast<CellIndex>(value);
        if (!position.isEmpty(cell) || !position.nearStone(cell)) {
            continue;
        }
        ++move.tried;
        const Verdict verdict = after(board, player, cell);
        if (cell == played) {
            move.verdict = verdict;
            playedJudged = true;
        }
        if (verdict == Verdict::Holds || verdict == Verdict::Wins) {
            move.holding.push_back(cell);
        }
    }
    if (!playedJudged) { // a move far from every stone
        move.verdict = after(board, player, played);
    }
    move.ownWin = ownWin(board, player, move.ownWinUnknown);
    return move;
}

GameReview::Summary GameReview::review(const std::vector<CellIndex>& moves, const Progress& progress)
{
    Summary summary;
    Board board;
    std::vector<LetGo> hadWin(2); // per side, the first move at which it had a forced win
    std::array<bool, 2> hadOne{};
    for (std::size_t index = 0; index < moves.size(); ++index) {
        if (stop_ != nullptr && stop_->load()) {
            summary.complete = false;
            return summary;
        }
        const std::size_t side = index % 2;
        const auto player = static_cast<std::int16_t>(side + 1);
        const Move move = judge(board, player, moves[index]);
        if (move.verdict == Verdict::Lost && !summary.turning.at(side)) {
            summary.turning.at(side) = Turn{index, move.holding.empty() ? CellIndex{0} : move.holding.front()};
        }
        if (move.verdict == Verdict::Wins) {
            summary.winner = side;
        }
        if (move.ownWin != 0 && !hadOne.at(side)) {
            hadOne.at(side) = true;
            hadWin.at(side) = LetGo{index, move.ownWin};
        }
        board.at(moves[index]) = player;
        if (progress) {
            progress(index + 1, moves.size());
        }
    }
    if (stop_ != nullptr && stop_->load()) {
        summary.complete = false; // the last questions were cut short
        return summary;
    }
    for (std::size_t side = 0; side < 2; ++side) {
        if (hadOne.at(side) && summary.winner != side) {
            summary.letGo.at(side) = hadWin.at(side);
        }
    }
    return summary;
}

} // namespace kesto::engine

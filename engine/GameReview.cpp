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
    Deadline deadline = Deadline::ofNodes(limits_.nodes);
    try {
        return forcedWin_.wins(position, Side::Opponent, limits_.kind, limits_.threats, deadline) ? Verdict::Lost
                                                                                                   : Verdict::Holds;
    } catch (const TimeUp&) {
        return Verdict::Unknown;
    }
}

CellIndex GameReview::ownWin(const Board& board, std::int16_t player, bool& unknown)
{
    Position position;
    position.load(board, player);
    Deadline deadline = Deadline::ofNodes(limits_.nodes);
    unknown = false;
    try {
        return forcedWin_.find(position, Side::Own, limits_.kind, limits_.threats, deadline);
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

} // namespace kesto::engine

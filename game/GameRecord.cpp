#include "GameRecord.h"

#include "LineTest.h"

namespace kesto {

namespace {

std::string where(CellIndex cell)
{
    return "row " + std::to_string(rowOf(cell)) + ", column " + std::to_string(columnOf(cell));
}

} // namespace

std::int16_t GameRecord::ownerOf(std::size_t move) const
{
    const std::int16_t other = versusComputer ? kComputerPlayer : kPlayerTwo;
    const std::int16_t first = versusComputer && computerOpens ? kComputerPlayer : kPlayerOne;
    const std::int16_t second = first == kPlayerOne ? other : kPlayerOne;
    return move % 2 == 0 ? first : second;
}

PlayedRecord playRecord(const GameRecord& record)
{
    PlayedRecord played;
    for (std::size_t move = 0; move < record.moves.size(); ++move) {
        const CellIndex cell = record.moves[move];
        if (played.won) {
            played.fault = RecordFault{move, "a stone after the five that ended the game"};
            break;
        }
        if (cell < 1 || cell > kCellCount) {
            played.fault = RecordFault{move, "a stone off the board"};
            break;
        }
        if (played.board.at(cell) != kEmpty) {
            played.fault = RecordFault{move, "a stone on " + where(cell) + ", which is taken"};
            break;
        }
        const std::int16_t owner = record.ownerOf(move);
        played.board.at(cell) = owner;
        played.won = completesLine(played.board, cell, owner, played.winLine);
    }
    if (played.fault) {
        played.won = false;
    }
    return played;
}

} // namespace kesto

#pragma once

#include "GameState.h"
#include "Types.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kesto {

// Why a written-down game cannot be played back: which stone (counted from
// 0) and what is wrong with it.
struct RecordFault {
    std::size_t move = 0;
    std::string reason;
};

// A game written down: the stones in the order they were played, who played
// them, and how long it has run. Everything else about a game follows from
// playing these stones again.
struct GameRecord {
    bool versusComputer = false;
    bool computerOpens = false; // against the computer: its stone came first
    std::vector<CellIndex> moves;
    std::int64_t clockSeconds = 0;

    // Who placed move `move` (counted from 0): the sides take turns from the
    // first stone, Player 1's unless the computer opened.
    std::int16_t ownerOf(std::size_t move) const;

    // The side to move after the last stone.
    std::int16_t nextToMove() const { return ownerOf(moves.size()); }

    friend bool operator==(const GameRecord&, const GameRecord&) = default;
};

// The stones of a record played on an empty board, as the game checks them
// before taking the record over.
struct PlayedRecord {
    Board board;
    std::optional<RecordFault> fault; // the first stone that cannot be played
    bool won = false;                  // the last stone made five
    WinLine winLine;                   // that five, when won
};

// Plays `record`'s stones in order: a stone off the board, on a taken cell
// or after a five is a fault, and the record counts as won only when its
// last stone makes five by the game's own line test.
PlayedRecord playRecord(const GameRecord& record);

} // namespace kesto

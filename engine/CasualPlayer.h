#pragma once

#include "ForcedWin.h"
#include "MoveList.h"
#include "Position.h"
#include "Strength.h"
#include "TimeKeeper.h"

#include <random>

namespace kesto::engine {

// How a person plays at the weaker levels: no reading ahead, but an eye for
// what looks good at a glance. It takes a five it sees, stops a four it
// sees and otherwise plays the cell that looks best, liking some a little
// more or less than they deserve. The weakest looks only around the last
// stones and misses what happens elsewhere; the next sees the whole board,
// stops threes and finds short wins by fours.
class CasualPlayer {
public:
    explicit CasualPlayer(Strength strength);

    // The move for Side::Own. `recent` holds the last stones played, oldest
    // first. Returns 0 only on a full board.
    CellIndex choose(Position& position, const MoveList& recent, ForcedWin& forcedWin,
                     Deadline& deadline, std::mt19937& random) const;

    // How a move looks at a glance: what a stone of `player` on the empty
    // `cell` adds to the runs of five cells through it that are still open
    // to `player`, plus what it spoils of those open to the other side.
    static int glanceScore(const Board& board, std::int16_t player, CellIndex cell);

private:
    // Whether the player looks at `cell` at all.
    bool inSight(CellIndex cell, const MoveList& recent) const;
    CellIndex glance(Position& position, const MoveList& recent, std::mt19937& random) const;

    const LevelPlay& play_;
};

} // namespace kesto::engine

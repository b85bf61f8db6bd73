#pragma once

#include "MoveList.h"
#include "Position.h"
#include "Side.h"
#include "Threats.h"

#include <cstddef>

namespace kesto::engine {

// The `limit` empty cells near stones with the best quick score for `side`,
// best first.
void bestLooking(const Position& position, Side side, std::size_t limit, MoveList& out);

// The moves worth searching for `side`, to move, best-looking first. Facing
// a three of the opponent's, only the stones that stop it and our own fours
// (which must be answered first) can matter; otherwise the `limit`
// best-looking cells near stones.
void candidates(Position& position, Side side, const Threats& mine, const Threats& theirs,
                std::size_t limit, MoveList& out);

} // namespace kesto::engine

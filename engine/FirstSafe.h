#pragma once

#include "MoveList.h"
#include "TimeKeeper.h"

namespace kesto::engine {

// The first of `moves` (best first) that `loses(move)` does not show to
// lose. When time runs out while a move is being checked, that move is the
// answer: every move before it was shown to lose, and it was not. When all
// of them lose, the first still holds out longest. 0 for no moves.
template <typename Loses>
CellIndex firstSafe(const MoveList& moves, Loses loses)
{
    for (CellIndex move : moves) {
        try {
            if (!loses(move)) {
                return move;
            }
        } catch (const TimeUp&) {
            return move;
        }
    }
    return moves.empty() ? 0 : moves.front();
}

} // namespace kesto::engine

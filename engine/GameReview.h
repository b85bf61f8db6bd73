#pragma once

#include "ForcedWin.h"
#include "game/GameState.h"

#include <cstdint>
#include <vector>

namespace kesto::engine {

// Reads a game back move by move with the forced-win search: whether each
// move left the opponent a forced win, which moves there would have held,
// and whether the mover had a forced win of its own. Each question is
// bounded by work, not time, so the answers are the same on any machine.
class GameReview {
public:
    struct Limits {
        Attack kind = Attack::ThreesAndFours;
        int threats = 7;      // threats in the forced wins looked for
        long nodes = 200000;  // work allowed a question
    };

    // What a move left the opponent.
    enum class Verdict : char {
        Holds = '-',   // no forced win that the search found
        Lost = 'L',    // a forced win for the opponent
        Unknown = '?', // no answer within the bound
        Wins = 'W',    // the move made five: a win, never a loss
    };

    struct Move {
        Verdict verdict = Verdict::Holds;
        // The moves near the stones that would have held (a five among
        // them), and how many such moves there were.
        std::vector<CellIndex> holding;
        int tried = 0;
        // The first move of the mover's own forced win, if it had one.
        CellIndex ownWin = 0;
        bool ownWinUnknown = false; // no answer within the bound
    };

    explicit GameReview(Limits limits) : limits_(limits) {}

    // `player`'s stone on `played`, with `board` as it stood before it.
    Move judge(const Board& board, std::int16_t player, CellIndex played);

    // What `player`'s stone on `cell` leaves the opponent on `board`.
    Verdict after(const Board& board, std::int16_t player, CellIndex cell);

private:
    CellIndex ownWin(const Board& board, std::int16_t player, bool& unknown);

    Limits limits_;
    ForcedWin forcedWin_;
};

} // namespace kesto::engine

#pragma once

#include "CasualPlayer.h"
#include "ForcedWin.h"
#include "Limits.h"
#include "MoveList.h"
#include "Position.h"
#include "Strength.h"
#include "TimeKeeper.h"
#include "TranspositionTable.h"
#include "game/GameState.h"

#include <atomic>
#include <cstdint>
#include <random>

namespace kesto::engine {

// The computer player. It plays this game's rule exactly: five or more in an
// unbroken line wins, stones on the edge count, no move is forbidden; it asks
// the rules' own line test whether a stone wins.
//
// It takes a win in one, blocks a five, plays the shortest forced win by
// fours, or by threes and fours, that it finds, and keeps away from moves
// that leave the opponent one. Otherwise it searches (see Search). What it
// learns lives on from move to move of a game, until newGame().
class Engine {
public:
    explicit Engine(unsigned seed = std::random_device{}());

    // Forgets the game: the next move starts afresh.
    void newGame();

    // How well it plays from the next move on; Strongest unless told.
    void setStrength(Strength strength);
    Strength strength() const { return strength_; }

    // The cell `player` should play on `board` (any other stone is the
    // opponent's), within `limits`. Returns 0 only when the board is full.
    // `stop`, when given and set, cuts the thinking short.
    CellIndex chooseMove(const Board& board, std::int16_t player, const Limits& limits,
                         const std::atomic<bool>* stop = nullptr);

    // How deep the last search went, in plies, and how many positions it saw.
    int lastDepth() const { return lastDepth_; }
    // What the last search made of the position for the player who moved
    // (see Score.h: beyond kDecided a forced win, below -kDecided a forced
    // loss); 0 when the move needed no search.
    int lastScore() const { return lastScore_; }
    long lastNodes() const { return lastNodes_; }

private:
    void follow(const Board& board, std::int16_t player);
    // A move that needs no thought: the first stone, a five, a block.
    CellIndex obvious();
    CellIndex forcedWin(Attack kind, int depth, int percent, Deadline& deadline);
    // The root moves, without those that leave the opponent a forced win by
    // fours (unless every move does).
    void rootMoves(MoveList& roots, Deadline& deadline);
    // Whether the opponent, after our `move`, wins by force in `depth`
    // threats of the `kind`.
    bool opponentWinsAfter(CellIndex move, Attack kind, int depth, Deadline& deadline);
    // Searches `roots` no deeper than `maxDepth`; with `checked`, makes
    // sure of its choice against the opponent's forced wins (see safest).
    CellIndex search(MoveList& roots, int maxDepth, bool checked, Deadline& deadline);
    // The first of `roots`, the search's choice first and then by score,
    // that leaves the opponent no forced win by threes and fours, as far as
    // time allows.
    CellIndex safest(MoveList& roots, CellIndex choice, Deadline& deadline);

    Position position_;
    MoveList recent_; // the stones that came since the board was last read afresh
    Strength strength_ = Strength::Strongest;
    std::int16_t player_ = 0; // whose stones are Side::Own; 0 before a game
    TranspositionTable table_;
    ForcedWin forcedWin_;
    std::mt19937 random_;
    int lastDepth_ = 0;
    int lastScore_ = 0;
    long lastNodes_ = 0;
};

} // namespace kesto::engine

#pragma once

#include "MoveList.h"
#include "Position.h"
#include "Side.h"
#include "TimeKeeper.h"

#include <cstdint>
#include <vector>

namespace kesto::engine {

struct Threats;

// Which threats an attacker may make in a forced win.
enum class Attack : std::uint8_t {
    Fours,          // only fours: each leaves one answer
    ThreesAndFours, // threes too: every answer to them must fail
};

// Looks for a forced win: a series of threats, each answered in every way
// the defender has (blocking stones, and counter-fours that must be answered
// first), that ends in five. What it proves it remembers, so the same
// question is cheap on the next move of the game.
class ForcedWin {
public:
    ForcedWin();

    // The first move of the shortest forced win of `attacker`, to move, in at
    // most `maxDepth` threats, looking depth by depth; 0 when none is found.
    // Throws TimeUp when `deadline` runs out.
    CellIndex find(Position& position, Side attacker, Attack kind, int maxDepth, Deadline& deadline);
    // Whether `attacker`, to move, wins by force in at most `depth` threats.
    bool wins(Position& position, Side attacker, Attack kind, int depth, Deadline& deadline);

    void forget();

private:
    struct Memory {
        std::uint64_t key = 0;
        std::int8_t wonWithin = kNever; // proven win in this many threats
        std::int8_t failsAt = -1;       // no win in this many threats
        CellIndex first = 0;
    };
    static constexpr std::int8_t kNever = 127;

    struct Question {
        Position& position;
        Side attacker;
        Attack kind;
        Deadline& deadline;
    };

    bool attacks(const Question& q, int depth, CellIndex* first);
    bool defends(const Question& q, int depth);
    void attackMoves(const Question& q, const Threats& mine, MoveList& out);
    Memory& recall(const Question& q);

    std::vector<Memory> memory_;
};

} // namespace kesto::engine

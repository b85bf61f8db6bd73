#include "ForcedWin.h"

#include "Threats.h"

#include <algorithm>

namespace kesto::engine {

namespace {

constexpr std::size_t kMemorySlots = std::size_t{1} << 16;
constexpr std::uint64_t kThreesSalt = 0x7A3C'51E9'0B2D'4F61ULL;

// The answers to a three, likeliest to hold first: where no win is to be
// had, one answer that holds ends the question, and trying the strong ones
// first spares searching the others. The defender's own fours come first
// (the attacker must answer each, and many win back the tempo), then the
// blocks; within each, by what the stone is worth to the defender: its own
// lines and the attacker's it spoils.
void defences(const Position& position, Side attacker, const Threats& attackers,
              const Threats& defenders, MoveList& out)
{
    const Side defender = opponent(attacker);
    const auto strongerFirst = [&](CellIndex a, CellIndex b) {
        return position.shapeScore(a, defender) > position.shapeScore(b, defender);
    };
    MoveList blocks;
    stoppers(position, attacker, attackers, blocks);
    std::stable_sort(blocks.begin(), blocks.end(), strongerFirst);
    out = defenders.fours;
    std::stable_sort(out.begin(), out.end(), strongerFirst);
    for (CellIndex cell : blocks) {
        out.pushUnique(cell);
    }
}

} // namespace

ForcedWin::ForcedWin() : memory_(kMemorySlots) {}

void ForcedWin::forget()
{
    memory_.assign(kMemorySlots, Memory{});
}

CellIndex ForcedWin::find(Position& position, Side attacker, Attack kind, int maxDepth,
                          Deadline& deadline)
{
    // The shortest first, so that each move brings the win nearer.
    const Question question{position, attacker, kind, deadline};
    for (int depth = 1; depth <= maxDepth; ++depth) {
        CellIndex first = 0;
        if (attacks(question, depth, &first)) {
            return first;
        }
    }
    return 0;
}

bool ForcedWin::wins(Position& position, Side attacker, Attack kind, int depth, Deadline& deadline)
{
    return attacks({position, attacker, kind, deadline}, depth, nullptr);
}

ForcedWin::Memory& ForcedWin::recall(const Question& q)
{
    std::uint64_t key = q.position.keyToMove(q.attacker);
    if (q.kind == Attack::ThreesAndFours) {
        key ^= kThreesSalt;
    }
    Memory& slotFound = memory_.at(key & (memory_.size() - 1));
    if (slotFound.key != key) {
        slotFound = Memory{key};
    }
    return slotFound;
}

void ForcedWin::attackMoves(const Question& q, const Threats& mine, MoveList& out)
{
    out.clear();
    for (CellIndex cell : mine.doubleFours) {
        out.push(cell);
    }
    for (CellIndex cell : mine.fours) {
        out.pushUnique(cell);
    }
    // Two ways to five win outright; threes are worth a look only without.
    if (q.kind == Attack::ThreesAndFours && mine.doubleFours.empty()) {
        MoveList threes;
        threeMakers(q.position, q.attacker, threes);
        for (CellIndex cell : threes) {
            out.pushUnique(cell);
        }
    }
}

// The attacker is to move with `depth` threats left to make.
bool ForcedWin::attacks(const Question& q, int depth, CellIndex* first)
{
    q.deadline.tick();
    Threats mine;
    readThreats(q.position, q.attacker, mine);
    if (!mine.wins.empty()) {
        if (first != nullptr) {
            *first = mine.wins.front();
        }
        return true;
    }
    if (depth <= 0) {
        return false;
    }
    Memory& memory = recall(q);
    if (memory.wonWithin <= depth) {
        if (first != nullptr) {
            *first = memory.first;
        }
        return true;
    }
    if (memory.failsAt >= depth) {
        return false;
    }
    Threats theirs;
    readThreats(q.position, opponent(q.attacker), theirs);
    if (theirs.wins.size() > 1) {
        return false; // two fives to stop: the attack is over
    }
    MoveList moves;
    if (theirs.wins.size() == 1) {
        moves.push(theirs.wins.front()); // a counter-four: it must be blocked
    } else {
        attackMoves(q, mine, moves);
    }
    for (CellIndex move : moves) {
        bool won = false;
        {
            const TriedStone stone(q.position, move, q.attacker);
            won = defends(q, depth - 1);
        }
        if (won) {
            // `memory` may have been reused by a deeper question meanwhile.
            Memory& again = recall(q);
            again.wonWithin = static_cast<std::int8_t>(std::min<int>(again.wonWithin, depth));
            again.first = move;
            if (first != nullptr) {
                *first = move;
            }
            return true;
        }
    }
    Memory& again = recall(q);
    again.failsAt = static_cast<std::int8_t>(std::max<int>(again.failsAt, depth));
    return false;
}

// The defender is to move; the attacker has `depth` threats left after this.
bool ForcedWin::defends(const Question& q, int depth)
{
    q.deadline.tick();
    const Side defender = opponent(q.attacker);
    Threats theirs;
    readThreats(q.position, defender, theirs);
    if (!theirs.wins.empty()) {
        return false; // the defender completes five first
    }
    Threats mine;
    readThreats(q.position, q.attacker, mine);
    if (mine.wins.size() > 1) {
        return true; // two ways to five: one stone stops only one
    }
    if (mine.wins.size() == 1) {
        const TriedStone block(q.position, mine.wins.front(), defender);
        return attacks(q, depth, nullptr);
    }
    if (mine.doubleFours.empty()) {
        return false; // no threat left: the defender has time
    }
    // A three: it can be stopped, or held up by a four of the defender's
    // own. Every such answer must fail.
    MoveList answers;
    defences(q.position, q.attacker, mine, theirs, answers);
    for (CellIndex answer : answers) {
        const TriedStone stone(q.position, answer, defender);
        if (!attacks(q, depth, nullptr)) {
            return false;
        }
    }
    return true;
}

} // namespace kesto::engine

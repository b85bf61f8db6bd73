#pragma once

#include "MoveList.h"
#include "Position.h"
#include "Side.h"

namespace kesto::engine {

// What one side threatens, read off the windows of a position.
struct Threats {
    MoveList wins;        // cells where it completes five now
    MoveList fours;       // cells where a stone makes a four: one way to five
    MoveList doubleFours; // cells where a stone makes two ways to five at once
                          // (an open four, or two fours): unstoppable
};

// Reads the threats of `side`. Every five is confirmed by the rules' line
// test.
void readThreats(Position& position, Side side, Threats& out);

// Cells where `side` would make a three: a stone after which it has a cell
// that makes two ways to five where it had none. (Where it already has one,
// that cell wins and no three is needed.)
void threeMakers(const Position& position, Side side, MoveList& out);

// Cells where a stone of the other side leaves `side`, which threatens
// `threats`, without a single cell that makes two ways to five: the stones
// that stop its threes.
void stoppers(const Position& position, Side side, const Threats& threats, MoveList& out);

} // namespace kesto::engine

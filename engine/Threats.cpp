#include "Threats.h"

namespace kesto::engine {

namespace {

using Reach = Position::Reach;

void collect(const CellSet& set, MoveList& out)
{
    set.forEach([&](CellIndex cell) { out.push(cell); });
}

} // namespace

void readThreats(Position& position, Side side, Threats& out)
{
    out.wins.clear();
    out.fours.clear();
    out.doubleFours.clear();
    position.cells(side, Reach::Five).forEach([&](CellIndex cell) {
        if (position.completes(cell, side)) {
            out.wins.push(cell);
        }
    });
    collect(position.cells(side, Reach::Four), out.fours);
    collect(position.cells(side, Reach::TwoWays), out.doubleFours);
}

void threeMakers(const Position& position, Side side, MoveList& out)
{
    // Only a stone that makes a three or a four on some line can leave a
    // cell that makes two ways to five along it (where another line may
    // already hold a four).
    out.clear();
    CellSet tried = position.cells(side, Reach::Three);
    tried |= position.cells(side, Reach::Four);
    tried.forEach([&](CellIndex cell) {
        if (position.makesNewTwoWays(cell, side)) {
            out.push(cell);
        }
    });
}

void stoppers(const Position& position, Side side, const Threats& threats, MoveList& out)
{
    // Such a stone must sit on a line where `side` has three stones, so on
    // a cell where `side` would make a four.
    out.clear();
    for (CellIndex cell : threats.fours) {
        if (!position.twoWaysLeftAfter(cell, opponent(side), side)) {
            out.push(cell);
        }
    }
}

} // namespace kesto::engine

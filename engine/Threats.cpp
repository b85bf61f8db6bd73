#include "Threats.h"

namespace kesto::engine {

namespace {

std::size_t at(int index)
{
    return static_cast<std::size_t>(index);
}

// The empty cells of a window, in order.
void emptiesOf(const Position& position, const Geometry::Window& window,
               std::array<CellIndex, kLineLength>& empties)
{
    int found = 0;
    for (CellIndex cell : window) {
        if (position.isEmpty(cell)) {
            empties.at(at(found++)) = cell;
        }
    }
}

// Fours are found window by window: a window with three of the side's stones
// and two empty cells gives each of those cells a four, completed on the
// other. A cell whose fours complete on two different cells makes two ways
// to five at once.
class FourCollector {
public:
    explicit FourCollector(Threats& out) : out_(out) {}

    void note(CellIndex cell, CellIndex completion)
    {
        CellIndex& first = completion_.at(at(cell));
        if (first == 0) {
            first = completion;
            out_.fours.push(cell);
        } else if (first != completion && !out_.doubleFours.contains(cell)) {
            out_.doubleFours.push(cell);
        }
    }

private:
    Threats& out_;
    std::array<CellIndex, kCellCount + 1> completion_{};
};

} // namespace

void readThreats(Position& position, Side side, Threats& out)
{
    out.wins.clear();
    out.fours.clear();
    out.doubleFours.clear();
    FourCollector fours(out);
    const Geometry& geometry = Geometry::get();
    position.forEachWindow(Position::Fill::ThreeOrFour, side, [&](int w) {
        std::array<CellIndex, kLineLength> empties{};
        emptiesOf(position, geometry.windows.at(at(w)), empties);
        if (position.count(w, side) == kLineLength - 1) {
            if (!out.wins.contains(empties[0]) && position.completes(empties[0], side)) {
                out.wins.push(empties[0]);
            }
        } else {
            fours.note(empties[0], empties[1]);
            fours.note(empties[1], empties[0]);
        }
    });
}

void threeMakers(Position& position, Side side, MoveList& out)
{
    // A three can only grow in a window where `side` has two stones and the
    // other side none; of those cells, keep the ones that leave a cell making
    // two ways to five.
    out.clear();
    std::array<bool, kCellCount + 1> tried{};
    Threats after;
    const Geometry& geometry = Geometry::get();
    position.forEachWindow(Position::Fill::Two, side, [&](int w) {
        for (CellIndex cell : geometry.windows.at(at(w))) {
            if (!position.isEmpty(cell) || tried.at(at(cell))) {
                continue;
            }
            tried.at(at(cell)) = true;
            const TriedStone stone(position, cell, side);
            readThreats(position, side, after);
            if (!after.doubleFours.empty()) {
                out.push(cell);
            }
        }
    });
}

void stoppers(Position& position, Side side, const Threats& threats, MoveList& out)
{
    // Such a stone must sit in a window where `side` has three stones, so on
    // a cell where `side` would make a four; try each of those.
    out.clear();
    Threats after;
    for (CellIndex cell : threats.fours) {
        const TriedStone stone(position, cell, opponent(side));
        readThreats(position, side, after);
        if (after.doubleFours.empty()) {
            out.push(cell);
        }
    }
}

} // namespace kesto::engine

#include "Threats.h"

#include <algorithm>

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
// to five at once. A side has few fours, so each is looked up in the list;
// this runs at every node of every search and must not clear a whole-board
// table each time.
class FourCollector {
public:
    explicit FourCollector(Threats& out) : out_(out) {}

    void note(CellIndex cell, CellIndex completion)
    {
        const auto found = std::find(out_.fours.begin(), out_.fours.end(), cell);
        if (found == out_.fours.end()) {
            completion_.at(out_.fours.size()) = completion;
            out_.fours.push(cell);
        } else if (completion_.at(static_cast<std::size_t>(found - out_.fours.begin())) != completion
                   && !out_.doubleFours.contains(cell)) {
            out_.doubleFours.push(cell);
        }
    }

private:
    Threats& out_;
    // Where the first four found for each cell of `fours` completes.
    std::array<CellIndex, kCellCount> completion_;
};

// A stone thought onto the board without placing it: the windows through
// its cell count one stone more of its side.
struct Imagined {
    CellIndex cell;
    Side side;
};

bool holds(const Geometry::Window& window, CellIndex cell)
{
    return std::find(window.begin(), window.end(), cell) != window.end();
}

// Whether a stone of `side` on the empty `cell` would make two ways to five
// (fours completing on two different cells), with `imagined` on the board.
bool makesTwoWays(const Position& position, CellIndex cell, Side side, Imagined imagined)
{
    const Geometry& geometry = Geometry::get();
    CellIndex firstCompletion = 0;
    for (int w : geometry.windowsOf.at(at(cell))) {
        // The counts first: the imagined stone adds one at most.
        int mine = position.count(w, side);
        if (position.count(w, opponent(side)) != 0 || mine < kLineLength - 3 || mine > kLineLength - 2) {
            continue;
        }
        const Geometry::Window& window = geometry.windows.at(at(w));
        if (holds(window, imagined.cell)) {
            if (imagined.side != side) {
                continue;
            }
            ++mine;
        }
        if (mine != kLineLength - 2) {
            continue;
        }
        for (CellIndex completion : window) {
            if (completion == cell || completion == imagined.cell || !position.isEmpty(completion)) {
                continue;
            }
            if (firstCompletion == 0) {
                firstCompletion = completion;
            } else if (completion != firstCompletion) {
                return true;
            }
        }
    }
    return false;
}

// Whether a stone of `side` on the empty `cell` makes a three: leaves a
// cell that makes two ways to five where none did. Such a cell shares a
// window with `cell` in which `side` then has three stones.
bool makesThree(const Position& position, CellIndex cell, Side side)
{
    const Geometry& geometry = Geometry::get();
    const Imagined stone{cell, side};
    for (int w : geometry.windowsOf.at(at(cell))) {
        if (position.count(w, side) != kLineLength - 3 || position.count(w, opponent(side)) != 0) {
            continue;
        }
        for (CellIndex other : geometry.windows.at(at(w))) {
            if (other != cell && position.isEmpty(other) && makesTwoWays(position, other, side, stone)) {
                return true;
            }
        }
    }
    return false;
}

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

void threeMakers(const Position& position, Side side, MoveList& out)
{
    // A new three needs a window where `side` has two stones and the other
    // side none: the stone makes it three, and one of the window's two cells
    // left empty may then make two ways to five.
    out.clear();
    std::array<bool, kCellCount + 1> tried{};
    const Geometry& geometry = Geometry::get();
    position.forEachWindow(Position::Fill::Two, side, [&](int w) {
        for (CellIndex cell : geometry.windows.at(at(w))) {
            if (!position.isEmpty(cell) || tried.at(at(cell))) {
                continue;
            }
            tried.at(at(cell)) = true;
            if (makesThree(position, cell, side)) {
                out.push(cell);
            }
        }
    });
}

void stoppers(const Position& position, Side side, const Threats& threats, MoveList& out)
{
    // Such a stone must sit in a window where `side` has three stones, so on
    // a cell where `side` would make a four. A stone of the other side only
    // closes windows, so it stops the threes when every cell that made two
    // ways to five is taken or makes them no longer.
    out.clear();
    for (CellIndex cell : threats.fours) {
        const Imagined blocker{cell, opponent(side)};
        const bool stopsAll = std::none_of(threats.doubleFours.begin(), threats.doubleFours.end(),
                                           [&](CellIndex maker) {
                                               return maker != cell
                                                   && makesTwoWays(position, maker, side, blocker);
                                           });
        if (stopsAll) {
            out.push(cell);
        }
    }
}

} // namespace kesto::engine

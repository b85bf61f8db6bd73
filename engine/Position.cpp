#include "Position.h"

#include "game/LineTest.h"

#include <algorithm>

namespace kesto::engine {

namespace {

// Read once: the tables are asked for at every stone placed or lifted.
const Geometry& geometry()
{
    static const Geometry& tables = Geometry::get();
    return tables;
}

} // namespace

Position::Position()
{
    owner_.fill(kNobody);
}

void Position::load(const Board& board, std::int16_t own)
{
    *this = Position();
    for (int cell = 1; cell <= kCellCount; ++cell) {
        const std::int16_t player = board.at(cell);
        if (player != kEmpty) {
            place(static_cast<CellIndex>(cell), player == own ? Side::Own : Side::Opponent);
        }
    }
}

std::optional<Side> Position::owner(CellIndex cell) const
{
    const std::int8_t owner = owner_.at(at(cell));
    if (owner == kNobody) {
        return std::nullopt;
    }
    return static_cast<Side>(owner);
}

void Position::place(CellIndex cell, Side side)
{
    // The cell is checked once here; the tables' own indices are sound.
    owner_.at(at(cell)) = static_cast<std::int8_t>(side);
    board_.at(cell) = kPlayerOf[slot(side)];
    key_ ^= geometry().stoneKeys[at(cell)][slot(side)];
    ++stones_;
    countWindows(cell, side, +1);
    for (CellIndex other : geometry().nearby[at(cell)]) {
        ++near_[at(other)];
    }
    shapes_.place(cell, side);
}

void Position::lift(CellIndex cell)
{
    const Side side = static_cast<Side>(owner_.at(at(cell)));
    countWindows(cell, side, -1);
    for (CellIndex other : geometry().nearby[at(cell)]) {
        --near_[at(other)];
    }
    --stones_;
    key_ ^= geometry().stoneKeys[at(cell)][slot(side)];
    board_.at(cell) = kEmpty;
    owner_[at(cell)] = kNobody;
    shapes_.lift(cell);
}

void Position::countWindows(CellIndex cell, Side side, int change)
{
    const std::size_t mine = slot(side);
    const std::size_t theirs = slot(opponent(side));
    for (int window : geometry().windowsOf[at(cell)]) {
        auto& counts = counts_[at(window)];
        const int before = counts[mine];
        const int after = before + change;
        counts[mine] = after;
        // Only windows of two stones or more for a side are marked: the
        // stone's side's mark changes with its count, the other side's
        // when the window opens or closes to it.
        if (counts[theirs] == 0 && std::max(before, after) >= kLineLength - 3) {
            mark(window, side);
        }
        if ((before == 0 || after == 0) && counts[theirs] >= kLineLength - 3) {
            mark(window, opponent(side));
        }
    }
}

void Position::mark(int window, Side side)
{
    const auto& counts = counts_[at(window)];
    const std::size_t word = at(window) / 64;
    const std::uint64_t bit = std::uint64_t{1} << (at(window) % 64);
    std::uint64_t& twos = marked_[static_cast<std::size_t>(Fill::Two)][slot(side)][word];
    std::uint64_t& more = marked_[static_cast<std::size_t>(Fill::ThreeOrFour)][slot(side)][word];
    const int mine = counts[slot(side)];
    const bool open = counts[slot(opponent(side))] == 0;
    const bool two = open && mine == kLineLength - 3;
    const bool threeOrFour = open && (mine == kLineLength - 2 || mine == kLineLength - 1);
    twos = two ? twos | bit : twos & ~bit;
    more = threeOrFour ? more | bit : more & ~bit;
}

bool Position::completes(CellIndex cell, Side side)
{
    const std::int16_t player = kPlayerOf.at(slot(side));
    board_.at(cell) = player;
    WinLine scratch;
    const bool won = completesLine(board_, cell, player, scratch);
    board_.at(cell) = kEmpty;
    return won;
}

int Position::evaluate(Side toMove) const
{
    // The side to move gets to use its threats first, so its shapes are
    // worth more than the same shapes of the side that waits.
    using Turn = CellShapes::Turn;
    return shapes_.prospects(toMove, Turn::ToMove) - shapes_.prospects(opponent(toMove), Turn::Waiting);
}

int Position::shapeScore(CellIndex cell, Side side) const
{
    // Taking a cell the other side wants counts a little less than
    // wanting it as much oneself.
    return shapes_.worth(cell, side) + shapes_.worth(cell, opponent(side)) * 4 / 5;
}

} // namespace kesto::engine

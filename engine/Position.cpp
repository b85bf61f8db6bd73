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
    const std::int16_t player = board_.at(cell);
    if (player == kEmpty) {
        return std::nullopt;
    }
    return player == kPlayerOf[slot(Side::Own)] ? Side::Own : Side::Opponent;
}

void Position::place(CellIndex cell, Side side)
{
    // The cell is checked once here; the tables' own indices are sound.
    board_.at(cell) = kPlayerOf[slot(side)];
    key_ ^= geometry().stoneKeys[at(cell)][slot(side)];
    ++stones_;
    for (CellIndex other : geometry().nearby[at(cell)]) {
        ++near_[at(other)];
    }
    words_.place(cell, side);
    threats_.place(cell, words_);
    shapes_.changed(cell);
}

void Position::lift(CellIndex cell)
{
    const Side side = board_.at(cell) == kPlayerOf[slot(Side::Own)] ? Side::Own : Side::Opponent;
    for (CellIndex other : geometry().nearby[at(cell)]) {
        --near_[at(other)];
    }
    --stones_;
    key_ ^= geometry().stoneKeys[at(cell)][slot(side)];
    board_.at(cell) = kEmpty;
    words_.lift(cell);
    threats_.lift(cell, words_);
    shapes_.changed(cell);
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
    return shapes_.prospects(toMove, Turn::ToMove, words_) - shapes_.prospects(opponent(toMove), Turn::Waiting, words_);
}

int Position::shapeScore(CellIndex cell, Side side) const
{
    // Taking a cell the other side wants counts a little less than
    // wanting it as much oneself.
    return shapes_.worth(cell, side, words_) + shapes_.worth(cell, opponent(side), words_) * 4 / 5;
}

} // namespace kesto::engine

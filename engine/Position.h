#pragma once

#include "CellSet.h"
#include "CellShapes.h"
#include "Geometry.h"
#include "LineWords.h"
#include "Side.h"
#include "ThreatCells.h"
#include "game/GameState.h"

#include <array>
#include <cstdint>
#include <optional>

namespace kesto::engine {

// The board as the computer player keeps it while it thinks: the stones, as
// the rules' board and as the lines they lie on, a key naming the position,
// where each side threatens (see ThreatCells) and what a stone on each empty
// cell is worth (see CellShapes), all kept in step stone by stone as moves
// are tried and taken back.
class Position {
public:
    using Reach = ThreatCells::Reach;
    // The rules' player numbers that board() gives the two sides, by slot.
    static constexpr std::array<std::int16_t, 2> kPlayerOf{1, 2};

    Position() = default;

    // Takes the stones of `board`: `own`'s are Side::Own, every other
    // player's Side::Opponent.
    void load(const Board& board, std::int16_t own);

    void place(CellIndex cell, Side side);
    void lift(CellIndex cell);

    bool isEmpty(CellIndex cell) const { return board_.at(cell) == kEmpty; }
    std::optional<Side> owner(CellIndex cell) const;
    // The stones, by the player numbers of kPlayerOf.
    const Board& board() const { return board_; }
    // Whether a stone of `side` on the empty `cell` would complete five or
    // more in a row, as the rules' line test decides.
    bool completes(CellIndex cell, Side side);
    // Whether an empty cell lies within reach of a stone.
    bool nearStone(CellIndex cell) const { return near_.at(at(cell)) > 0; }

    // The empty cells where a stone of `side` makes five, a four, two ways
    // to five or a three (see ThreatCells).
    const CellSet& cells(Side side, Reach reach) const { return threats_.cells(side, reach); }
    // See ThreatCells: whether a stone makes a three, and whether a stone
    // leaves a side two ways to five.
    bool makesNewTwoWays(CellIndex cell, Side side) const { return threats_.makesNewTwoWays(cell, side, words_); }
    bool twoWaysLeftAfter(CellIndex stone, Side stoneSide, Side side) const
    {
        return threats_.twoWaysLeftAfter(stone, stoneSide, side, words_);
    }

    int stones() const { return stones_; }
    // The key that names the position with `side` to move.
    std::uint64_t keyToMove(Side side) const { return key_ ^ Geometry::get().toMoveKeys.at(slot(side)); }

    // The position's worth to `toMove`: what each side could make on the
    // empty cells, weighed by whether it is to move or waits.
    int evaluate(Side toMove) const;
    // What a stone of `side` on the empty `cell` makes of its lines, plus
    // what it stops of the other side's there: what orders the search's
    // moves.
    int shapeScore(CellIndex cell, Side side) const;
    // What stones of `side` would make on all the empty cells together,
    // counted afresh: what the evaluation's weights are fitted to.
    ShapeTally shapeTally(Side side) const { return CellShapes::tally(side, words_); }

private:
    static std::size_t at(int index) { return static_cast<std::size_t>(index); }

    Board board_;
    LineWords words_;
    ThreatCells threats_;
    std::array<int, kCellCount + 1> near_{};
    // Read lazily: asking for a worth is not a change to the position.
    mutable CellShapes shapes_;
    std::uint64_t key_ = 0;
    int stones_ = 0;
};

// A stone tried for as long as the guard lives: lifted again however the
// scope is left, a search running out of time included.
class TriedStone {
public:
    TriedStone(Position& position, CellIndex cell, Side side) : position_(position), cell_(cell)
    {
        position_.place(cell, side);
    }
    ~TriedStone() { position_.lift(cell_); }
    TriedStone(const TriedStone&) = delete;
    TriedStone& operator=(const TriedStone&) = delete;

private:
    Position& position_;
    CellIndex cell_;
};

} // namespace kesto::engine

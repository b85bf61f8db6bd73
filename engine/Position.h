#pragma once

#include "CellShapes.h"
#include "Geometry.h"
#include "Side.h"
#include "game/GameState.h"

#include <array>
#include <bit>
#include <cstdint>
#include <optional>

namespace kesto::engine {

// The board as the computer player keeps it while it thinks: whose stone is
// on each cell, how many stones each side has in every five-cell window, a
// key naming the position, and what a stone on each empty cell would make of
// its lines, all kept in step stone by stone as moves are tried and taken
// back.
class Position {
public:
    // The rules' player numbers that board() gives the two sides, by slot.
    static constexpr std::array<std::int16_t, 2> kPlayerOf{1, 2};

    Position();

    // Takes the stones of `board`: `own`'s are Side::Own, every other
    // player's Side::Opponent.
    void load(const Board& board, std::int16_t own);

    void place(CellIndex cell, Side side);
    void lift(CellIndex cell);

    bool isEmpty(CellIndex cell) const { return owner_.at(at(cell)) == kNobody; }
    std::optional<Side> owner(CellIndex cell) const;
    // The stones, by the player numbers of kPlayerOf.
    const Board& board() const { return board_; }
    // Whether a stone of `side` on the empty `cell` would complete five or
    // more in a row, as the rules' line test decides.
    bool completes(CellIndex cell, Side side);
    // Whether an empty cell lies within reach of a stone.
    bool nearStone(CellIndex cell) const { return near_.at(at(cell)) > 0; }

    int count(int window, Side side) const { return counts_.at(at(window)).at(slot(side)); }

    // Windows worth a look for threats: those where `side` has two stones,
    // or three or four, and the other side none. Calls `visit(window)` for
    // each, in order.
    enum class Fill : std::uint8_t { Two, ThreeOrFour };
    template <typename Visit>
    void forEachWindow(Fill fill, Side side, Visit visit) const
    {
        const auto& words = marked_.at(static_cast<std::size_t>(fill)).at(slot(side));
        for (std::size_t word = 0; word < words.size(); ++word) {
            for (std::uint64_t bits = words.at(word); bits != 0; bits &= bits - 1) {
                visit(static_cast<int>(word * 64 + static_cast<std::size_t>(std::countr_zero(bits))));
            }
        }
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
    ShapeTally shapeTally(Side side) const { return shapes_.tally(side); }

private:
    static constexpr std::int8_t kNobody = -1;
    static std::size_t at(int index) { return static_cast<std::size_t>(index); }
    void countWindows(CellIndex cell, Side side, int change);
    void mark(int window, Side side);

    static constexpr std::size_t kWords = (Geometry::kWindowCount + 63) / 64;
    using WindowSet = std::array<std::uint64_t, kWords>;

    std::array<std::int8_t, kCellCount + 1> owner_{};
    std::array<int, kCellCount + 1> near_{};
    std::array<std::array<int, 2>, Geometry::kWindowCount> counts_{};
    std::array<std::array<WindowSet, 2>, 2> marked_{}; // by Fill, then by side
    // Read lazily: asking for a worth is not a change to the position.
    mutable CellShapes shapes_;
    Board board_;
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

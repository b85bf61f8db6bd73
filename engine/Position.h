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
    // What a window is worth to a side holding 0..5 stones in it while the
    // other side holds none, for the quick guess of the weaker levels. Such
    // windows are where fives can still be made, so their count and fullness
    // tell roughly how a line stands: an open three lies in more of them
    // than a three with one end shut.
    static constexpr std::array<int, kLineLength + 1> kWindowValue{0, 2, 16, 128, 1024, 8192};

    Position();

    // Takes the stones of `board`: `own`'s are Side::Own, every other
    // player's Side::Opponent.
    void load(const Board& board, std::int16_t own);

    void place(CellIndex cell, Side side);
    void lift(CellIndex cell);

    bool isEmpty(CellIndex cell) const { return owner_.at(at(cell)) == kNobody; }
    std::optional<Side> owner(CellIndex cell) const;
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
    // What a stone of `side` on the empty `cell` adds to its windows plus
    // what it spoils of the other side's: the weaker levels' quick guess.
    int moveScore(CellIndex cell, Side side) const;

private:
    static constexpr std::int8_t kNobody = -1;
    using CountTable = std::array<std::array<int, kLineLength + 1>, kLineLength + 1>;
    // What a window holding `mine` and `theirs` stones is worth to the side
    // with `mine`: something only while the other side has none there.
    static constexpr CountTable kWorth = [] {
        CountTable table{};
        for (std::size_t mine = 0; mine <= kLineLength; ++mine) {
            table[mine][0] = kWindowValue[mine];
        }
        return table;
    }();
    // What a stone of the side with `mine` adds to such a window, for
    // itself and by spoiling it for the other side.
    static constexpr CountTable kGain = [] {
        CountTable table{};
        for (std::size_t mine = 0; mine <= kLineLength; ++mine) {
            for (std::size_t theirs = 0; theirs <= kLineLength; ++theirs) {
                const int grows = mine < kLineLength ? kWorth[mine + 1][theirs] - kWorth[mine][theirs] : 0;
                table[mine][theirs] = grows + (mine == 0 ? kWindowValue[theirs] : 0);
            }
        }
        return table;
    }();
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

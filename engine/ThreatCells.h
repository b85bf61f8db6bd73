#pragma once

#include "CellSet.h"
#include "LineWords.h"
#include "Side.h"

#include <array>
#include <cstdint>
#include <vector>

namespace kesto::engine {

// Where each side threatens: the empty cells where a stone of a side makes
// five (or more), a four on some line (one way to five), two ways to five at
// once (an open four, or fours on two lines), or a three (after which one
// more stone makes a four), read from the line shapes. Kept up to date as
// each stone comes and goes, one line at a time (a stone changes only its
// own line of each cell it shares one with), since every search asks at
// every position. A stone lifted right after it was put down (as searches
// lift them) only undoes the few changes its coming made.
class ThreatCells {
public:
    enum class Reach : std::uint8_t { Five, Four, TwoWays, Three };

    // After `cell`, in `words`, has taken a stone, or lost one.
    void place(CellIndex cell, const LineWords& words);
    void lift(CellIndex cell, const LineWords& words);

    const CellSet& cells(Side side, Reach reach) const
    {
        return sets_[slot(side)][static_cast<std::size_t>(reach)];
    }

    // Whether a stone of `side` on the empty `cell` would leave `side` a cell
    // that makes two ways to five where none did: whether it makes a three.
    bool makesNewTwoWays(CellIndex cell, Side side, const LineWords& words) const;
    // Whether, after a stone of `stoneSide` on the empty `stone`, `side`
    // would still have a cell that makes two ways to five.
    bool twoWaysLeftAfter(CellIndex stone, Side stoneSide, Side side, const LineWords& words) const;

private:
    static constexpr std::size_t kReaches = 4;
    // What a line makes for both sides, as far as threats go: for each side
    // a four-bit group of a five, the fours (0 to 2: an open four is two
    // ways to five) and a three.
    using Kind = std::uint8_t;
    // A cell's lines' kinds summed, a byte a count (see ThreatCells.cpp).
    using Counts = std::uint64_t;
    // Reaches of both sides, a four-bit group a side, a bit by Reach.
    using ReachBits = std::uint8_t;

    // Sets the kind of a line of the empty `cell`, and where the cell stands.
    void setKind(CellIndex cell, std::size_t direction, Kind kind);
    void sortIntoReaches(CellIndex cell, ReachBits reaches);
    void readAround(CellIndex cell, const LineWords& words, bool remember);

    // What a stone's coming changed, to be undone when it goes: the lines
    // whose kind changed, with the kind, counts and reaches their cell had.
    struct Change {
        Counts counts;
        CellIndex cell;
        std::uint8_t direction;
        Kind kind;
        ReachBits reaches;
    };
    struct Coming {
        CellIndex cell;
        std::size_t firstChange;
    };
    std::vector<Change> changes_;
    std::vector<Coming> comings_;

    std::array<std::array<Kind, LineCode::kDirections>, kCellCount + 1> kinds_{};
    std::array<Counts, kCellCount + 1> counts_{};
    std::array<ReachBits, kCellCount + 1> reaches_{};
    std::array<std::array<CellSet, kReaches>, 2> sets_{}; // by side, then by Reach
};

} // namespace kesto::engine

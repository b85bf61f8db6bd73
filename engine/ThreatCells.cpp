#include "ThreatCells.h"

#include <algorithm>
#include <bit>
#include <vector>

namespace kesto::engine {

namespace {

// A side's group of a line's kind.
constexpr unsigned kFiveBit = 1;
constexpr unsigned kFoursShift = 1;
constexpr unsigned kFoursMask = 3;
constexpr unsigned kThreeBit = 8;
constexpr unsigned kGroupBits = 4;
constexpr unsigned kGroupMask = 0xF;

constexpr unsigned groupOf(Shape shape)
{
    switch (shape) {
    case Shape::Five:
        return kFiveBit;
    case Shape::OpenFour:
        return 2U << kFoursShift;
    case Shape::Four:
        return 1U << kFoursShift;
    case Shape::ThreeOpen:
    case Shape::ThreeClosed:
        return kThreeBit;
    default:
        return 0;
    }
}

// The kind of every raw code (see LineWords): built once, read at every
// empty cell along the lines of every stone put down or lifted.
const std::uint8_t* kindTable()
{
    static const std::vector<std::uint8_t> kinds = [] {
        std::vector<std::uint8_t> built(LineCode::kCodes);
        const LineCode::BothShapes* shapes = LineCode::shapeTable();
        for (std::size_t raw = 0; raw < built.size(); ++raw) {
            const LineCode::BothShapes& both = shapes[LineWords::fromRaw(static_cast<LineWords::RawCode>(raw))];
            built[raw] = static_cast<std::uint8_t>(groupOf(both[0]) | (groupOf(both[1]) << kGroupBits));
        }
        return built;
    }();
    return kinds.data();
}

// A cell's counts: a byte each for a side's fives, fours and threes, the
// first side's in the low three bytes. Summing the lines' kinds spread so
// adds all six at once.
constexpr unsigned kCountBits = 8;
constexpr unsigned kSideCountShift = 3 * kCountBits;

constexpr std::uint64_t spread(unsigned group)
{
    return std::uint64_t{group & kFiveBit} | (std::uint64_t{(group >> kFoursShift) & kFoursMask} << kCountBits)
         | (std::uint64_t{(group & kThreeBit) != 0 ? 1U : 0U} << (2 * kCountBits));
}

constexpr auto kSpread = [] {
    std::array<std::uint64_t, std::size_t{1} << (2 * kGroupBits)> table{}; // every kind
    for (unsigned kind = 0; kind < table.size(); ++kind) {
        table[kind] = spread(kind & kGroupMask) | (spread(kind >> kGroupBits) << kSideCountShift);
    }
    return table;
}();

unsigned countOf(std::uint64_t counts, std::size_t side, unsigned which)
{
    constexpr std::uint64_t kCountMask = (std::uint64_t{1} << kCountBits) - 1;
    return static_cast<unsigned>((counts >> (side * kSideCountShift + which * kCountBits)) & kCountMask);
}

constexpr unsigned kFives = 0;
constexpr unsigned kFours = 1;
constexpr unsigned kThrees = 2;

unsigned foursIn(unsigned kind, std::size_t side)
{
    return (kind >> (side * kGroupBits + kFoursShift)) & kFoursMask;
}

// A side's reaches from whether it has a five, how many fours (2 for two
// or more) and whether a three.
constexpr unsigned groupReaches(bool five, unsigned fours, bool three)
{
    using Reach = ThreatCells::Reach;
    const auto bit = [](Reach reach) { return 1U << static_cast<unsigned>(reach); };
    return (five ? bit(Reach::Five) : 0U) | (fours > 0 ? bit(Reach::Four) : 0U) | (fours > 1 ? bit(Reach::TwoWays) : 0U)
         | (three && fours == 0 && !five ? bit(Reach::Three) : 0U);
}

std::uint8_t reachesOf(std::uint64_t counts)
{
    unsigned reaches = 0;
    for (std::size_t side = 0; side < 2; ++side) {
        reaches |= groupReaches(countOf(counts, side, kFives) != 0, std::min(countOf(counts, side, kFours), 2U),
                                countOf(counts, side, kThrees) != 0)
                << (side * kGroupBits);
    }
    return static_cast<std::uint8_t>(reaches);
}

std::size_t at(int index)
{
    return static_cast<std::size_t>(index);
}

} // namespace

inline void ThreatCells::setKind(CellIndex cell, std::size_t direction, Kind kind)
{
    Kind& kept = kinds_[at(cell)][direction];
    if (kept == kind) {
        return; // the common case: the line changed, its threats did not
    }
    Counts& counts = counts_[at(cell)];
    counts = counts - kSpread[kept] + kSpread[kind];
    kept = kind;
    if (const ReachBits reaches = reachesOf(counts); reaches != reaches_[at(cell)]) {
        sortIntoReaches(cell, reaches);
    }
}

void ThreatCells::place(CellIndex cell, const LineWords& words)
{
    // The cell's own lines stay as they were, to be read from again when
    // the stone is lifted; only its reaches go.
    sortIntoReaches(cell, 0);
    comings_.push_back({cell, changes_.size()});
    readAround(cell, words, true);
}

void ThreatCells::lift(CellIndex cell, const LineWords& words)
{
    if (!comings_.empty() && comings_.back().cell == cell) {
        // The last stone to come: put back the kinds it changed.
        for (std::size_t index = changes_.size(); index > comings_.back().firstChange; --index) {
            const Change& change = changes_[index - 1];
            kinds_[at(change.cell)][change.direction] = change.kind;
            counts_[at(change.cell)] = change.counts;
            if (reaches_[at(change.cell)] != change.reaches) {
                sortIntoReaches(change.cell, change.reaches);
            }
        }
        changes_.resize(comings_.back().firstChange);
        comings_.pop_back();
    } else {
        // Any other stone (a board read afresh, a stone taken back out of
        // turn): read its lines again, and forget what the others changed.
        changes_.clear();
        comings_.clear();
        readAround(cell, words, false);
        const std::uint8_t* kinds = kindTable();
        for (std::size_t direction = 0; direction < LineCode::kDirections; ++direction) {
            setKind(cell, direction, kinds[words.rawCodeOf(cell, direction)]);
        }
    }
    sortIntoReaches(cell, reachesOf(counts_[at(cell)]));
}

void ThreatCells::readAround(CellIndex cell, const LineWords& words, bool remember)
{
    const std::uint8_t* kinds = kindTable();
    words.forEachEmptyNeighbour(cell, [&](CellIndex other, std::size_t direction, int, const auto& code) {
        const Kind was = kinds_[at(other)][direction];
        const Kind kind = kinds[code()];
        if (kind == was) {
            return; // the common case: the line changed, its threats did not
        }
        if (remember) {
            changes_.push_back({counts_[at(other)], other, static_cast<std::uint8_t>(direction), was,
                                reaches_[at(other)]});
        }
        setKind(other, direction, kind);
    });
}

void ThreatCells::sortIntoReaches(CellIndex cell, ReachBits reaches)
{
    ReachBits& kept = reaches_[at(cell)];
    for (unsigned changed = static_cast<unsigned>(kept ^ reaches); changed != 0; changed &= changed - 1) {
        const auto bit = static_cast<unsigned>(std::countr_zero(changed));
        CellSet& set = sets_[bit / kGroupBits][bit % kGroupBits];
        if ((reaches & (1U << bit)) != 0) {
            set.insert(cell);
        } else {
            set.erase(cell);
        }
    }
    kept = reaches;
}

bool ThreatCells::makesNewTwoWays(CellIndex cell, Side side, const LineWords& words) const
{
    // Only the cells on its lines see a line change, each along one line,
    // and a cell gets a four along a line from one more stone only where
    // that stone and its own made threes or more along it already: with
    // two stones in a run of five there, each.
    const std::size_t mine = slot(side);
    const std::uint8_t* kinds = kindTable();
    const auto threatens = [mine](Kind kind) { return ((kind >> (mine * kGroupBits)) & kGroupMask) != 0; };
    bool made = false;
    for (std::size_t direction = 0; direction < LineCode::kDirections && !made; ++direction) {
        if (!threatens(kinds_[at(cell)][direction])) {
            continue;
        }
        words.forEachEmptyAlong(cell, direction, [&](CellIndex other, std::size_t, int offset, const auto& code) {
            const Kind kept = kinds_[at(other)][direction];
            const unsigned fours = countOf(counts_[at(other)], mine, kFours);
            if (made || !threatens(kept) || fours > 1) {
                return;
            }
            const Kind grown = kinds[LineWords::withStone(code(), -offset, LineCode::mark(side))];
            made = fours - foursIn(kept, mine) + foursIn(grown, mine) > 1;
        });
    }
    return made;
}

bool ThreatCells::twoWaysLeftAfter(CellIndex stone, Side stoneSide, Side side, const LineWords& words) const
{
    const std::size_t mine = slot(side);
    const std::uint8_t* kinds = kindTable();
    bool left = false;
    cells(side, Reach::TwoWays).forEach([&](CellIndex cell) {
        if (left || cell == stone) {
            return;
        }
        for (std::size_t direction = 0; direction < LineCode::kDirections; ++direction) {
            if (const int offset = LineWords::offsetAlong(cell, stone, direction); offset != 0) {
                const Kind kept = kinds_[at(cell)][direction];
                const Kind blocked =
                    kinds[LineWords::withStone(words.rawCodeOf(cell, direction), offset, LineCode::mark(stoneSide))];
                left = countOf(counts_[at(cell)], mine, kFours) - foursIn(kept, mine) + foursIn(blocked, mine) > 1;
                return;
            }
        }
        left = true; // the stone is on none of its lines
    });
    return left;
}

} // namespace kesto::engine

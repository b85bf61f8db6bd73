#include "Candidates.h"

#include <algorithm>
#include <utility>

namespace kesto::engine {

void bestLooking(const Position& position, Side side, std::size_t limit, MoveList& out)
{
    std::array<std::pair<int, CellIndex>, kCellCount> scored{};
    std::size_t count = 0;
    for (int index = 1; index <= kCellCount; ++index) {
        const auto cell = static_cast<CellIndex>(index);
        if (position.isEmpty(cell) && position.nearStone(cell)) {
            scored.at(count++) = {position.shapeScore(cell, side), cell};
        }
    }
    const std::size_t kept = std::min(limit, count);
    const auto begin = scored.begin();
    std::partial_sort(begin, begin + static_cast<std::ptrdiff_t>(kept),
                      begin + static_cast<std::ptrdiff_t>(count),
                      [](const auto& a, const auto& b) { return a.first > b.first; });
    for (std::size_t i = 0; i < kept; ++i) {
        out.pushUnique(scored.at(i).second);
    }
}

void candidates(Position& position, Side side, const Threats& mine, const Threats& theirs,
                std::size_t limit, MoveList& out)
{
    out.clear();
    if (theirs.doubleFours.empty()) {
        bestLooking(position, side, limit, out);
        return;
    }
    stoppers(position, opponent(side), theirs, out);
    if (out.empty()) {
        // Nothing stops it all: block where it is strongest and hope.
        for (CellIndex cell : theirs.doubleFours) {
            out.push(cell);
        }
    }
    for (CellIndex cell : mine.fours) {
        out.pushUnique(cell);
    }
    std::stable_sort(out.begin(), out.end(), [&](CellIndex a, CellIndex b) {
        return position.shapeScore(a, side) > position.shapeScore(b, side);
    });
}

} // namespace kesto::engine

#pragma once

#include "ShapeTally.h"

#include <array>
#include <cstddef>

namespace kesto::engine {

// What each shape a stone would bring a line to, and each meeting of lines
// on a cell, is worth.
struct ShapeWeights {
    std::array<int, kShapeCount> lines;      // by Shape
    std::array<int, kMeetingCount> meetings; // by Meeting

    constexpr int worth(const ShapeTally& tally) const
    {
        int sum = 0;
        for (std::size_t i = 0; i < kShapeCount; ++i) {
            sum += lines[i] * tally.lines[i];
        }
        for (std::size_t i = 0; i < kMeetingCount; ++i) {
            sum += meetings[i] * tally.meetings[i];
        }
        return sum;
    }
};

// What a stone on a cell is worth to play there: what orders the moves.
inline constexpr ShapeWeights kPlacingWeights{{0, 1, 4, 12, 16, 48, 64, 512, 4096}, {0, 768, 2048, 4096}};

// What a side's prospects on all the empty cells are worth in judging a
// position, when that side is to move and when it waits: fitted by
// bench/eval_tune to the outcomes of recorded games, so that 3000 points
// are odds of e to 1 (see docs/engine.md). The side to move gets to use its
// threats first, and its shapes weigh more. Shapes the search settles
// before it judges a position (a five to make; for the side to move, an
// open four or two ways to five) are never fitted: their weights only keep
// them above the rest.
inline constexpr ShapeWeights kToMoveWeights{{0, 11, 5, 72, 43, 320, 303, 1000, 8000}, {0, 619, 7049, 8000}};
inline constexpr ShapeWeights kWaitingWeights{{0, 7, 5, 63, 31, 244, 266, 872, 8000}, {0, 457, 1424, 528}};

} // namespace kesto::engine

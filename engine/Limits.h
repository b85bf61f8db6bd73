#pragma once

#include <chrono>
#include <optional>

namespace kesto::engine {

// How far the thinking of one move may go: by time, as a game is played, or
// by work (positions looked at) and depth, which end at the same point on
// any machine however busy, as tests, reviews and tuning matches want. A
// bound not given does not bound; given together, the first reached ends
// the thinking.
struct Limits {
    std::optional<std::chrono::milliseconds> time; // zero: as fast as it can
    long nodes = 0; // positions looked at; 0: no bound
    int depth = 0;  // plies of the main search; 0: no bound

    static Limits ofTime(std::chrono::milliseconds budget) { return {budget, 0, 0}; }
    static Limits ofNodes(long count) { return {std::nullopt, count, 0}; }
    static Limits ofDepth(int plies) { return {std::nullopt, 0, plies}; }
};

} // namespace kesto::engine

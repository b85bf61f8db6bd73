#pragma once

#include <limits>

namespace kesto::engine {

// Scores of the search, from the side to move's point of view. A win is
// worth kWin less the plies it takes, so the nearest win and the farthest
// loss are preferred.
inline constexpr int kWin = 1'000'000;
inline constexpr int kDecided = kWin - 1000; // beyond this: a win or a loss
inline constexpr int kInfinity = std::numeric_limits<int>::max() / 2;

constexpr bool isDecided(int score)
{
    return score > kDecided || score < -kDecided;
}

// Win and loss scores are counted from the root; the table keeps them
// counted from the position they belong to.
constexpr int toTable(int score, int ply)
{
    return score > kDecided ? score + ply : score < -kDecided ? score - ply : score;
}

constexpr int fromTable(int score, int ply)
{
    return score > kDecided ? score - ply : score < -kDecided ? score + ply : score;
}

} // namespace kesto::engine

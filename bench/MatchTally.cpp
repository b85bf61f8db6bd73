#include "MatchTally.h"

#include <algorithm>
#include <cmath>

namespace kesto::match {

namespace {

constexpr double kNormal95 = 1.96;
constexpr int kGamesInPair = 2;

std::size_t slot(MatchTally::Result result)
{
    return static_cast<std::size_t>(result);
}

int halfPointsOf(MatchTally::Result result)
{
    return result == MatchTally::Result::Win ? 2 : result == MatchTally::Result::Draw ? 1 : 0;
}

// 1.96 standard errors of the mean of `values`, which each hold `count`
// samples, about `mean`.
template <typename Values>
double margin(const Values& values, double mean)
{
    double spread = 0;
    int samples = 0;
    for (const auto& [value, count] : values) {
        spread += count * (value - mean) * (value - mean);
        samples += count;
    }
    if (samples == 0) {
        return 0;
    }
    return kNormal95 * std::sqrt(spread / samples) / std::sqrt(samples);
}

} // namespace

void MatchTally::add(int opening, bool movedFirst, Result result)
{
    ++counts_.at(movedFirst ? 1 : 0).at(slot(result));
    Pair& pair = pairs_[opening];
    ++pair.games;
    pair.halfPoints += halfPointsOf(result);
}

int MatchTally::count(Result result) const
{
    return count(true, result) + count(false, result);
}

int MatchTally::count(bool movedFirst, Result result) const
{
    return counts_.at(movedFirst ? 1 : 0).at(slot(result));
}

int MatchTally::games() const
{
    return count(Result::Win) + count(Result::Draw) + count(Result::Loss);
}

double MatchTally::score() const
{
    return (count(Result::Win) + 0.5 * count(Result::Draw)) / std::max(1, games());
}

double MatchTally::gameMargin() const
{
    std::array<std::pair<double, int>, kResults> values{};
    for (const Result result : {Result::Win, Result::Draw, Result::Loss}) {
        values.at(slot(result)) = {halfPointsOf(result) / 2.0, count(result)};
    }
    return margin(values, score());
}

std::array<int, MatchTally::kPairScores> MatchTally::pairs() const
{
    // Index 0 holds the pairs worth 2 points (4 half points), the last 0.
    std::array<int, kPairScores> byPoints{};
    for (const auto& [opening, pair] : pairs_) {
        if (pair.games == kGamesInPair) {
            ++byPoints.at(static_cast<std::size_t>(kPairScores - 1 - pair.halfPoints));
        }
    }
    return byPoints;
}

double MatchTally::pairMargin() const
{
    const std::array<int, kPairScores> byPoints = pairs();
    std::array<std::pair<double, int>, kPairScores> values{};
    double total = 0;
    int complete = 0;
    for (std::size_t i = 0; i < byPoints.size(); ++i) {
        // A pair's score as a share of its two games' points.
        const double share = static_cast<double>(kPairScores - 1 - static_cast<int>(i)) / (2 * kGamesInPair);
        values.at(i) = {share, byPoints.at(i)};
        total += share * byPoints.at(i);
        complete += byPoints.at(i);
    }
    return margin(values, total / std::max(1, complete));
}

} // namespace kesto::match

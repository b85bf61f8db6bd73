#include "MatchTally.h"

#include <algorithm>
#include <cmath>

namespace kesto::match {

namespace {

constexpr int kGamesInPair = 2;

std::size_t slot(MatchTally::Result result)
{
    return static_cast<std::size_t>(result);
}

int halfPointsOf(MatchTally::Result result)
{
    return result == MatchTally::Result::Win ? 2 : result == MatchTally::Result::Draw ? 1 : 0;
}

// The mean of `values`, which each hold `count` samples, with their
// variance and count.
struct Spread {
    double mean = 0;
    double variance = 0;
    int samples = 0;
};

template <typename Values>
Spread spreadOf(const Values& values)
{
    Spread spread;
    double sum = 0;
    for (const auto& [value, count] : values) {
        sum += count * value;
        spread.samples += count;
    }
    if (spread.samples == 0) {
        return spread;
    }
    spread.mean = sum / spread.samples;
    for (const auto& [value, count] : values) {
        spread.variance += count * (value - spread.mean) * (value - spread.mean);
    }
    spread.variance /= spread.samples;
    return spread;
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

MatchTally::Interval MatchTally::gameInterval(double z) const
{
    std::array<std::pair<double, int>, kResults> values{};
    for (const Result result : {Result::Win, Result::Draw, Result::Loss}) {
        values.at(slot(result)) = {halfPointsOf(result) / 2.0, count(result)};
    }
    const Spread spread = spreadOf(values);
    return wilson(spread.mean, spread.variance, spread.samples, z);
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

MatchTally::Interval MatchTally::pairInterval(double z) const
{
    const std::array<int, kPairScores> byPoints = pairs();
    std::array<std::pair<double, int>, kPairScores> values{};
    for (std::size_t i = 0; i < byPoints.size(); ++i) {
        // A pair's score as a share of its two games' points.
        const double share = static_cast<double>(kPairScores - 1 - static_cast<int>(i)) / (2 * kGamesInPair);
        values.at(i) = {share, byPoints.at(i)};
    }
    const Spread spread = spreadOf(values);
    return wilson(spread.mean, spread.variance, spread.samples, z);
}

MatchTally::Interval MatchTally::wilson(double mean, double variance, int samples, double z)
{
    if (samples == 0) {
        return {};
    }
    // Results that vary less than wins and losses would at this mean are
    // worth more samples of them; results that do not vary at all (every
    // game the same) are taken as wins and losses.
    const double bernoulli = mean * (1 - mean);
    const double n = variance > 0 && bernoulli > 0 ? samples * bernoulli / variance : samples;
    const double zz = z * z;
    const double denominator = 1 + zz / n;
    const double centre = (mean + zz / (2 * n)) / denominator;
    const double half = z * std::sqrt(bernoulli / n + zz / (4 * n * n)) / denominator;
    return {std::max(0.0, centre - half), std::min(1.0, centre + half)};
}

} // namespace kesto::match

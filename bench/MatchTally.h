#pragma once

#include <array>
#include <cstddef>
#include <map>

namespace kesto::match {

// The first engine's results in a match, with the two games of each
// opening (one with each engine moving first) kept together. Openings
// favour one colour, often strongly; a pair's two games are then far from
// independent, and the interval read from the pairs is the truer one.
class MatchTally {
public:
    enum class Result { Win, Draw, Loss };
    static constexpr std::size_t kResults = 3;
    static constexpr int kPairScores = 5; // a pair scores 2, 1.5, 1, 0.5 or 0 points

    void add(int opening, bool movedFirst, Result result);

    int games() const;
    int count(Result result) const;
    int count(bool movedFirst, Result result) const;
    // How many standard errors a 95% interval reaches: both ways, and one
    // way (for a bound on one side, where a score of 0 or 100% leaves only
    // one to give).
    static constexpr double kTwoSided95 = 1.96;
    static constexpr double kOneSided95 = 1.645;
    struct Interval {
        double low = 0;
        double high = 1;
    };

    // Wins and half the draws, over the games.
    double score() const;
    // Where the score lies, reaching `z` standard errors: from the games one
    // by one.
    Interval gameInterval(double z = kTwoSided95) const;
    // The openings whose two games are both played, by the points the first
    // engine took from them: 2, 1.5, 1, 0.5 and 0.
    std::array<int, kPairScores> pairs() const;
    // Where the score lies, from those pairs.
    Interval pairInterval(double z = kTwoSided95) const;

    // The Wilson score interval of the mean of `samples` results between 0
    // and 1 that vary by `variance` about `mean`: always inside 0 to 1, and
    // never of no width, however few the results or however one-sided. The
    // samples are counted as more where the results vary less than wins and
    // losses alone would (draws, and openings that each give a point).
    static Interval wilson(double mean, double variance, int samples, double z);

private:
    struct Pair {
        int games = 0;
        int halfPoints = 0; // a win counts 2, a draw 1
    };
    std::array<std::array<int, kResults>, 2> counts_{}; // [moved second, moved first][result]
    std::map<int, Pair> pairs_;
};

} // namespace kesto::match

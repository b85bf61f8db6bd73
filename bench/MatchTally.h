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
    // Wins and half the draws, over the games.
    double score() const;
    // Half the width of the score's 95% interval, from the games one by one.
    double gameMargin() const;
    // The openings whose two games are both played, by the points the first
    // engine took from them: 2, 1.5, 1, 0.5 and 0.
    std::array<int, kPairScores> pairs() const;
    // Half the width of the score's 95% interval, from those pairs.
    double pairMargin() const;

private:
    struct Pair {
        int games = 0;
        int halfPoints = 0; // a win counts 2, a draw 1
    };
    std::array<std::array<int, kResults>, 2> counts_{}; // [moved second, moved first][result]
    std::map<int, Pair> pairs_;
};

} // namespace kesto::match

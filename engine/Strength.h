#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace kesto::engine {

// How well the computer plays. The weaker levels make a person's mistakes:
// they overlook threats away from where the play is, and like a
// natural-looking move better than a deep one.
enum class Strength { Easy, Medium, Hard, Strongest };

inline constexpr std::array kStrengths{Strength::Easy, Strength::Medium, Strength::Hard,
                                       Strength::Strongest};

// How a level plays: one row for each. The two weakest play by eye (see
// CasualPlayer), "hard" searches a few plies and finds forced wins by fours
// only, the strongest does all it can.
struct LevelPlay {
    std::string_view name; // in lower case, as command lines and settings write it
    bool byEye;
    // By eye: the cells around the last stones it looks at (0 for all), how
    // many of the last stones it keeps in mind, the percent by which its
    // liking of a move may vary, whether it makes and stops threes, and the
    // longest forced win by fours it finds (0 for none).
    int sight;
    std::size_t recall;
    int whim;
    bool seesThrees;
    int foursDepth;
    // Searching: how deep (0: as deep as the limits allow), and whether it
    // looks for its own forced wins by threes and fours and checks its
    // choice against the opponent's.
    int searchDepth;
    bool threatWins;
};

const LevelPlay& playOf(Strength strength);

// The level's name in lower case, as command lines and settings write it.
std::string_view strengthName(Strength strength);
std::optional<Strength> strengthFromName(std::string_view name);

} // namespace kesto::engine

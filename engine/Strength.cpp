#include "Strength.h"

namespace kesto::engine {

namespace {

// By Strength: name, by eye, sight, recall, whim, sees threes, fours depth,
// search depth, threat wins.
constexpr std::array<LevelPlay, kStrengths.size()> kPlays{{
    {"easy", true, 3, 3, 25, false, 0, 0, false},
    {"medium", true, 0, 0, 15, true, 4, 0, false},
    {"hard", false, 0, 0, 0, false, 0, 3, false},
    {"strongest", false, 0, 0, 0, false, 0, 0, true},
}};

} // namespace

const LevelPlay& playOf(Strength strength)
{
    return kPlays.at(static_cast<std::size_t>(strength));
}

std::string_view strengthName(Strength strength)
{
    return playOf(strength).name;
}

std::optional<Strength> strengthFromName(std::string_view name)
{
    for (Strength strength : kStrengths) {
        if (strengthName(strength) == name) {
            return strength;
        }
    }
    return std::nullopt;
}

} // namespace kesto::engine

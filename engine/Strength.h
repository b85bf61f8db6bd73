#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace kesto::engine {

// How well the computer plays. The weaker levels make a person's mistakes:
// they overlook threats away from where the play is, and like a
// natural-looking move better than a deep one.
enum class Strength { Easy, Medium, Hard, Strongest };

inline constexpr std::array kStrengths{Strength::Easy, Strength::Medium, Strength::Hard,
                                       Strength::Strongest};

// The level's name in lower case, as command lines and settings write it.
std::string_view strengthName(Strength strength);
std::optional<Strength> strengthFromName(std::string_view name);

} // namespace kesto::engine

#include "Strength.h"

namespace kesto::engine {

namespace {

constexpr std::array<std::string_view, kStrengths.size()> kNames{"easy", "medium", "hard",
                                                                 "strongest"};

} // namespace

std::string_view strengthName(Strength strength)
{
    return kNames.at(static_cast<std::size_t>(strength));
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

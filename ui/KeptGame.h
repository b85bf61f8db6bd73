#pragma once

#include "engine/Strength.h"
#include "game/GameRecord.h"

#include <optional>
#include <string>
#include <string_view>

namespace kesto::ui {

// The game on the board as it is kept between runs: a game record in the
// tournament managers' form, so that any of them can open it, with one line
// of Kesto's own after the stones for what the record does not say (the
// opponent, the computer's strength and who opened, the clock, whether it
// was won).
struct KeptGame {
    GameRecord record;
    engine::Strength strength = engine::Strength::Medium;
    bool won = false;

    // Whether there is a game to go on with: stones on a board that is
    // neither won nor full.
    bool unfinished() const;

    std::string toText() const;

    // The kept game in `text`, or nothing and why not: a file that is not
    // whole, not ours, or whose stones and line disagree.
    static std::optional<KeptGame> fromText(std::string_view text, std::string& why);

    friend bool operator==(const KeptGame&, const KeptGame&) = default;
};

} // namespace kesto::ui

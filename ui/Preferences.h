#pragma once

#include "engine/Strength.h"

namespace kesto::ui {

// The choices a player makes in the window's menu that outlive the run:
// how well the computer plays and whether it opens. They are kept with
// QSettings under the application's id; anything missing, unreadable or
// senseless there reads as the default.
struct Preferences {
    static constexpr engine::Strength kDefaultStrength = engine::Strength::Medium;

    engine::Strength strength = kDefaultStrength;
    bool computerOpens = false;

    static Preferences load();
    void save() const;
};

} // namespace kesto::ui

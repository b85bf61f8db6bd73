#pragma once

#include "engine/Strength.h"

#include <QByteArray>
#include <QString>

#include <array>

namespace kesto::ui {

// What the window's menu keeps from one run to the next: how well the
// computer plays, whether it opens, and the player's results against it at
// each strength. They are kept in an INI file under the application's id;
// anything missing, unreadable or senseless there reads as the default (no
// results), and only these are ever written back.
struct Preferences {
    static constexpr engine::Strength kDefaultStrength = engine::Strength::Medium;

    // The games against the computer at one strength, each counted once:
    // when it was decided, or when it was given up unfinished.
    struct Results {
        int won = 0;
        int lost = 0;
        int unfinished = 0;

        friend bool operator==(const Results&, const Results&) = default;
    };

    engine::Strength strength = kDefaultStrength;
    bool computerOpens = false;
    std::array<Results, engine::kStrengths.size()> results{};

    Results& resultsAt(engine::Strength level) { return results.at(static_cast<std::size_t>(level)); }

    // Where they are kept: Kesto.ini in the user's configuration folder.
    static QString path();

    // The choices kept, read only from a regular file of at most 64 KiB
    // (anything else gives the defaults and one line on standard error).
    static Preferences load();

    // The choices as the file holds them, and back.
    QByteArray toText() const;
    static Preferences fromText(const QByteArray& text);
};

} // namespace kesto::ui

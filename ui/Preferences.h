#pragma once

#include "engine/Strength.h"

#include <QByteArray>
#include <QString>

namespace kesto::ui {

// The choices a player makes in the window's menu that outlive the run:
// how well the computer plays and whether it opens. They are kept in an
// INI file under the application's id; anything missing, unreadable or
// senseless there reads as the default, and only these two choices are
// ever written back.
struct Preferences {
    static constexpr engine::Strength kDefaultStrength = engine::Strength::Medium;

    engine::Strength strength = kDefaultStrength;
    bool computerOpens = false;

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

#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace kesto::ui {

// A small file the game reads for itself, read only when it is what it
// should be: a regular file (a named pipe in its place would hold the game
// up for ever) of at most kMaxBytes.
class ConfinedFile {
public:
    static constexpr qint64 kMaxBytes = 64 * 1024;

    // The file's bytes; or nothing, with `why` saying why (left empty when
    // the file is simply not there).
    static std::optional<QByteArray> read(const QString& path, QString& why);
};

} // namespace kesto::ui

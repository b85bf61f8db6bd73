#pragma once

#include "FileWriter.h"
#include "KeptGame.h"

#include <QObject>
#include <QString>

#include <optional>

namespace kesto::ui {

// Keeps the game on the board in the application's data folder, so that
// closing the window, a crash or a power cut loses nothing. The file is
// written whole, off the window's thread.
class GameKeeper : public QObject {
    Q_OBJECT

public:
    explicit GameKeeper(QObject* parent = nullptr);

    // Where the game is kept.
    static QString path();

    // The game kept when the window opened, or since: nothing when there is
    // none, or when the file was damaged or foreign (said once on standard
    // error).
    const std::optional<KeptGame>& kept() const { return kept_; }

    // Keeps `game` in place of the one kept.
    void keep(const KeptGame& game);

signals:
    // A game with `stones` stones is now on the disk.
    void written(int stones);

private:
    std::optional<KeptGame> kept_;
    FileWriter* writer_;
};

} // namespace kesto::ui

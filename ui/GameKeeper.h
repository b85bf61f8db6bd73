#pragma once

#include "KeptGame.h"

#include <QObject>
#include <QString>
#include <QThreadPool>

#include <mutex>
#include <optional>

class QByteArray;

namespace kesto::ui {

// Keeps the game on the board in the application's data folder, so that
// closing the window, a crash or a power cut loses nothing. Each game is
// written whole, to a new file that then takes the old one's place, so the
// kept file is always either the old game or the new one. The writing,
// with its wait for the disk, happens on a thread of its own: the window
// never waits for it, and when games come faster than the disk, only the
// newest is written.
class GameKeeper : public QObject {
    Q_OBJECT

public:
    explicit GameKeeper(QObject* parent = nullptr);
    // Waits for the game being written, so that the last one is kept.
    ~GameKeeper() override;

    // Where the game is kept.
    static QString path();

    // The game kept when the window opened, or since: nothing when there is
    // none, or when the file was damaged or foreign (said once on standard
    // error).
    const std::optional<KeptGame>& kept() const { return kept_; }

    // Keeps `game` in place of the one kept.
    void keep(const KeptGame& game);

    // Writes `bytes` to `path` whole or not at all; false when it failed.
    static bool writeWhole(const QString& path, const QByteArray& bytes);

signals:
    // A game with `stones` stones is now on the disk.
    void written(int stones);

private:
    void writePending();

    const QString file_; // path(), fixed when the window opens
    std::optional<KeptGame> kept_;
    QThreadPool writer_;
    std::mutex pendingMutex_;
    std::optional<KeptGame> pending_; // the newest game not yet handed to the disk
    bool writing_ = false;            // a write is under way or queued
};

} // namespace kesto::ui

#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QThreadPool>

#include <mutex>
#include <optional>

namespace kesto::ui {

// Writes one small file of the game's, over and over, without the window
// ever waiting for the disk: each write goes to a new file that then takes
// the old one's place (so the file is always either the old or the new
// contents, whatever happens part-way), on a thread of its own. When writes
// come faster than the disk takes them, only the newest is written.
class FileWriter : public QObject {
    Q_OBJECT

public:
    FileWriter(QString path, QObject* parent = nullptr);
    // Waits for the write under way, so that the newest contents are kept.
    ~FileWriter() override;

    const QString& path() const { return path_; }

    // Writes `bytes` in place of the file's contents; `tag` comes back with
    // written() once they are on the disk.
    void write(const QByteArray& bytes, int tag = 0);

    // Writes `bytes` to `path` whole or not at all, here and now; false
    // (with one line on standard error) when it failed.
    static bool writeWhole(const QString& path, const QByteArray& bytes);

signals:
    void written(int tag);

private:
    struct Pending {
        QByteArray bytes;
        int tag = 0;
    };
    void writePending();

    const QString path_;
    QThreadPool thread_;
    std::mutex pendingMutex_;
    std::optional<Pending> pending_; // the newest contents not yet handed to the disk
    bool writing_ = false;           // a write is under way or queued
};

} // namespace kesto::ui

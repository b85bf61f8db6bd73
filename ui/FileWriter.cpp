#include "FileWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cstdio>

namespace kesto::ui {

FileWriter::FileWriter(QString path, QObject* parent) : QObject(parent), path_(std::move(path))
{
    thread_.setMaxThreadCount(1);
}

FileWriter::~FileWriter()
{
    thread_.waitForDone();
}

void FileWriter::write(const QByteArray& bytes, int tag)
{
    const std::lock_guard lock(pendingMutex_);
    pending_ = Pending{bytes, tag};
    if (!writing_) {
        writing_ = true;
        thread_.start([this] { writePending(); });
    }
}

void FileWriter::writePending()
{
    for (;;) {
        Pending next;
        {
            const std::lock_guard lock(pendingMutex_);
            if (!pending_) {
                writing_ = false;
                return;
            }
            next = std::move(*pending_);
            pending_.reset();
        }
        if (writeWhole(path_, next.bytes)) {
            QMetaObject::invokeMethod(this, [this, tag = next.tag] { emit written(tag); }, Qt::QueuedConnection);
        }
    }
}

bool FileWriter::writeWhole(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        std::fprintf(stderr, "kesto: could not write %s: %s\n", qUtf8Printable(path), qUtf8Printable(file.errorString()));
        return false;
    }
    return true;
}

} // namespace kesto::ui

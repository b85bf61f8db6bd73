#include "ConfinedFile.h"

#include <QFile>
#include <QFileInfo>

namespace kesto::ui {

std::optional<QByteArray> ConfinedFile::read(const QString& path, QString& why)
{
    why.clear();
    const QFileInfo info(path);
    if (!info.exists()) {
        return std::nullopt;
    }
    const QString tooBig = QStringLiteral("not a regular file of at most %1 KiB").arg(kMaxBytes / 1024);
    if (!info.isFile() || info.size() > kMaxBytes) {
        why = tooBig;
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        why = file.errorString();
        return std::nullopt;
    }
    QByteArray bytes = file.read(kMaxBytes + 1); // no further, should it have grown since
    if (bytes.size() > kMaxBytes) {
        why = tooBig;
        return std::nullopt;
    }
    return bytes;
}

} // namespace kesto::ui

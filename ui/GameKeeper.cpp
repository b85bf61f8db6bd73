#include "GameKeeper.h"

#include "ConfinedFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QtConcurrent>

#include <cstdio>

namespace kesto::ui {

namespace {

const QString kFileName = QStringLiteral("last-game.psq");

} // namespace

GameKeeper::GameKeeper(QObject* parent) : QObject(parent), file_(path())
{
    setObjectName(QStringLiteral("GameKeeper"));
    writer_.setMaxThreadCount(1);
    QString unread;
    const auto text = ConfinedFile::read(file_, unread);
    std::string why = unread.toStdString();
    if (text) {
        kept_ = KeptGame::fromText(text->toStdString(), why);
    }
    if (!kept_ && !why.empty()) {
        std::fprintf(stderr, "kesto: the kept game in %s is ignored: %s\n", qUtf8Printable(file_), why.c_str());
    }
}

GameKeeper::~GameKeeper()
{
    writer_.waitForDone();
}

QString GameKeeper::path()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QLatin1Char('/') + kFileName;
}

void GameKeeper::keep(const KeptGame& game)
{
    kept_ = game;
    const std::lock_guard lock(pendingMutex_);
    pending_ = game;
    if (!writing_) {
        writing_ = true;
        writer_.start([this] { writePending(); });
    }
}

void GameKeeper::writePending()
{
    for (;;) {
        KeptGame game;
        {
            const std::lock_guard lock(pendingMutex_);
            if (!pending_) {
                writing_ = false;
                return;
            }
            game = *pending_;
            pending_.reset();
        }
        if (writeWhole(file_, QByteArray::fromStdString(game.toText()))) {
            const int stones = static_cast<int>(game.record.moves.size());
            QMetaObject::invokeMethod(this, [this, stones] { emit written(stones); }, Qt::QueuedConnection);
        }
    }
}

bool GameKeeper::writeWhole(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        std::fprintf(stderr, "kesto: could not keep the game in %s: %s\n", qUtf8Printable(path),
                     qUtf8Printable(file.errorString()));
        return false;
    }
    return true;
}

} // namespace kesto::ui

#include "GameKeeper.h"

#include "ConfinedFile.h"

#include <QStandardPaths>

#include <cstdio>

namespace kesto::ui {

namespace {

const QString kFileName = QStringLiteral("last-game.psq");

} // namespace

GameKeeper::GameKeeper(QObject* parent) : QObject(parent), writer_(new FileWriter(path(), this))
{
    setObjectName(QStringLiteral("GameKeeper"));
    connect(writer_, &FileWriter::written, this, &GameKeeper::written);
    QString unread;
    const auto text = ConfinedFile::read(writer_->path(), unread);
    std::string why = unread.toStdString();
    if (text) {
        kept_ = KeptGame::fromText(text->toStdString(), why);
    }
    if (!kept_ && !why.empty()) {
        std::fprintf(stderr, "kesto: the kept game in %s is ignored: %s\n", qUtf8Printable(writer_->path()),
                     why.c_str());
    }
}

QString GameKeeper::path()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QLatin1Char('/') + kFileName;
}

void GameKeeper::keep(const KeptGame& game)
{
    kept_ = game;
    writer_->write(QByteArray::fromStdString(game.toText()), static_cast<int>(game.record.moves.size()));
}

} // namespace kesto::ui

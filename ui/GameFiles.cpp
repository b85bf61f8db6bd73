#include "GameFiles.h"

#include "ConfinedFile.h"
#include "FileWriter.h"
#include "game/PsqFile.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QWidget>

namespace kesto::ui {

namespace {

const QString kSuffix = QStringLiteral("psq");
const QString kFilter = QStringLiteral("Game records (*.psq);;All files (*)");
const QString kDefaultName = QStringLiteral("kesto-game.psq");

GameFiles::Chooser& chooser()
{
    static GameFiles::Chooser installed;
    return installed;
}

} // namespace

GameFiles::GameFiles(QWidget* window) : QObject(window), window_(window)
{
    setObjectName(QStringLiteral("GameFiles"));
}

void GameFiles::chooseWith(Chooser chooser)
{
    ::kesto::ui::chooser() = std::move(chooser);
}

QString GameFiles::choose(bool saving) const
{
    if (chooser()) {
        return chooser()(saving);
    }
    if (saving) {
        QString path = QFileDialog::getSaveFileName(window_, QStringLiteral("Save game as"),
                                                    QDir::home().filePath(kDefaultName), kFilter);
        if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty()) {
            path += QLatin1Char('.') + kSuffix;
        }
        return path;
    }
    return QFileDialog::getOpenFileName(window_, QStringLiteral("Open game"), QDir::homePath(), kFilter);
}

void GameFiles::save(const GameRecord& record)
{
    const QString path = choose(true);
    if (path.isEmpty()) {
        return;
    }
    if (!FileWriter::writeWhole(path, QByteArray::fromStdString(PsqFile::write(record.moves)))) {
        complain(QStringLiteral("The game could not be saved as %1.").arg(QDir::toNativeSeparators(path)));
    }
}

std::optional<GameRecord> GameFiles::open()
{
    const QString path = choose(false);
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return read(path);
}

std::optional<GameRecord> GameFiles::read(const QString& path)
{
    const QString name = QDir::toNativeSeparators(path);
    QString why;
    const auto bytes = ConfinedFile::read(path, why);
    if (!bytes) {
        complain(QStringLiteral("%1 cannot be opened: %2.").arg(name, why.isEmpty() ? QStringLiteral("there is no such file") : why));
        return std::nullopt;
    }
    const PsqFile::Contents contents = PsqFile::read(bytes->toStdString());
    if (!contents.ok()) {
        complain(QStringLiteral("%1 cannot be opened, %2.").arg(name, QString::fromStdString(contents.faultText())));
        return std::nullopt;
    }
    GameRecord record;
    record.moves = contents.moves;
    return record;
}

void GameFiles::complain(const QString& text)
{
    auto* message = new QMessageBox(QMessageBox::Warning, QStringLiteral("Kesto"), text, QMessageBox::Ok, window_);
    message->setObjectName(QStringLiteral("FileMessage"));
    message->setAttribute(Qt::WA_DeleteOnClose);
    message->open();
}

} // namespace kesto::ui

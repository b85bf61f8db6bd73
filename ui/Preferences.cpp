#include "Preferences.h"

#include "ConfinedFile.h"

#include <QList>
#include <QStandardPaths>

#include <cstdio>

namespace kesto::ui {

namespace {

const QString kFolder = QStringLiteral("org.example.Kesto");
const QString kFileName = QStringLiteral("Kesto.ini");
const QByteArray kSection = "[computer]";
const QByteArray kStrengthKey = "strength";
const QByteArray kOpensKey = "opens";
const QByteArray kTrue = "true";
const QByteArray kFalse = "false";

} // namespace

QString Preferences::path()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/') + kFolder
           + QLatin1Char('/') + kFileName;
}

Preferences Preferences::load()
{
    QString why;
    const auto text = ConfinedFile::read(path(), why);
    if (!why.isEmpty()) {
        std::fprintf(stderr, "kesto: the settings in %s are ignored: %s\n", qUtf8Printable(path()),
                     qUtf8Printable(why));
    }
    return text ? fromText(*text) : Preferences{};
}

Preferences Preferences::fromText(const QByteArray& text)
{
    Preferences preferences;
    bool inSection = false;
    for (QByteArray line : text.split('\n')) {
        line = line.trimmed();
        if (line.startsWith('[')) {
            inSection = line == kSection;
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (!inSection || equals < 0) {
            continue;
        }
        const QByteArray key = line.left(equals).trimmed();
        const QByteArray value = line.mid(equals + 1).trimmed();
        if (key == kStrengthKey) {
            preferences.strength =
                engine::strengthFromName(std::string_view(value.constData(), static_cast<std::size_t>(value.size())))
                    .value_or(kDefaultStrength);
        } else if (key == kOpensKey) {
            // Only the two words count: "maybe" is no.
            preferences.computerOpens = value == kTrue;
        }
    }
    return preferences;
}

QByteArray Preferences::toText() const
{
    const std::string_view name = engine::strengthName(strength);
    return kSection + '\n' + kStrengthKey + '=' + QByteArray(name.data(), static_cast<qsizetype>(name.size())) + '\n'
           + kOpensKey + '=' + (computerOpens ? kTrue : kFalse) + '\n';
}

} // namespace kesto::ui

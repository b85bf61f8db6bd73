#include "Preferences.h"

#include "ConfinedFile.h"

#include <QList>
#include <QStandardPaths>

#include <cstdio>
#include <optional>

namespace kesto::ui {

namespace {

const QString kFolder = QStringLiteral("org.example.Kesto");
const QString kFileName = QStringLiteral("Kesto.ini");
const QByteArray kSection = "[computer]";
const QByteArray kResultsSection = "[results]";
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

namespace {

// "won lost unfinished", three whole numbers; nothing when it is not that.
std::optional<Preferences::Results> resultsOf(const QByteArray& value)
{
    const QList<QByteArray> words = value.simplified().split(' ');
    if (words.size() != 3) {
        return std::nullopt;
    }
    std::array<int, 3> counts{};
    for (std::size_t at = 0; at < counts.size(); ++at) {
        bool number = false;
        counts.at(at) = words.at(static_cast<qsizetype>(at)).toInt(&number);
        if (!number || counts.at(at) < 0) {
            return std::nullopt;
        }
    }
    return Preferences::Results{counts[0], counts[1], counts[2]};
}

} // namespace

Preferences Preferences::fromText(const QByteArray& text)
{
    Preferences preferences;
    QByteArray section;
    for (QByteArray line : text.split('\n')) {
        line = line.trimmed();
        if (line.startsWith('[')) {
            section = line;
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (equals < 0) {
            continue;
        }
        const QByteArray key = line.left(equals).trimmed();
        const QByteArray value = line.mid(equals + 1).trimmed();
        if (section == kResultsSection) {
            const auto level = engine::strengthFromName(std::string_view(key.constData(), static_cast<std::size_t>(key.size())));
            const auto counts = resultsOf(value);
            if (level && counts) {
                preferences.resultsAt(*level) = *counts;
            }
            continue;
        }
        if (section != kSection) {
            continue;
        }
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
    const auto nameOf = [](engine::Strength level) {
        const std::string_view name = engine::strengthName(level);
        return QByteArray(name.data(), static_cast<qsizetype>(name.size()));
    };
    QByteArray text = kSection + '\n' + kStrengthKey + '=' + nameOf(strength) + '\n' + kOpensKey + '='
                      + (computerOpens ? kTrue : kFalse) + '\n';
    if (results != decltype(results){}) {
        text += kResultsSection + '\n';
        for (engine::Strength level : engine::kStrengths) {
            const Results& counts = results.at(static_cast<std::size_t>(level));
            text += nameOf(level) + '=' + QByteArray::number(counts.won) + ' ' + QByteArray::number(counts.lost) + ' '
                    + QByteArray::number(counts.unfinished) + '\n';
        }
    }
    return text;
}

} // namespace kesto::ui

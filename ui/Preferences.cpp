#include "Preferences.h"

#include <QSettings>
#include <QString>

namespace kesto::ui {

namespace {

const QString kOrganization = QStringLiteral("org.example.Kesto");
const QString kApplication = QStringLiteral("Kesto");
const QString kStrengthKey = QStringLiteral("computer/strength");
const QString kOpensKey = QStringLiteral("computer/opens");
const QString kTrue = QStringLiteral("true");
const QString kFalse = QStringLiteral("false");

QSettings settings()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, kOrganization, kApplication);
}

} // namespace

Preferences Preferences::load()
{
    Preferences preferences;
    const QSettings stored = settings();
    if (stored.status() != QSettings::NoError) {
        return preferences;
    }
    const std::string strength = stored.value(kStrengthKey).toString().toStdString();
    preferences.strength = engine::strengthFromName(strength).value_or(kDefaultStrength);
    // Only the two words count: QVariant would read "maybe" as true.
    preferences.computerOpens = stored.value(kOpensKey).toString() == kTrue;
    return preferences;
}

void Preferences::save() const
{
    QSettings stored = settings();
    const std::string_view name = engine::strengthName(strength);
    stored.setValue(kStrengthKey, QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    stored.setValue(kOpensKey, computerOpens ? kTrue : kFalse);
}

} // namespace kesto::ui

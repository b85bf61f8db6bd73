#include "Fonts.h"

#include <QStringList>

namespace kesto::widgets {

namespace {

const QString kFace = QStringLiteral("MS Sans Serif");
constexpr double kControlPoints = 7.5;

QFont face(double pointSize, QFont::Weight weight)
{
    static const bool substituted = [] {
        QFont::insertSubstitutions(kFace, {QStringLiteral("Liberation Sans"),
                                           QStringLiteral("Arial"),
                                           QStringLiteral("DejaVu Sans")});
        return true;
    }();
    Q_UNUSED(substituted);

    QFont font(kFace);
    font.setPointSizeF(pointSize);
    font.setWeight(weight);
    return font;
}

} // namespace

QFont labelFont(double pointSize)
{
    return face(pointSize, QFont::Bold);
}

QFont controlFont()
{
    return face(kControlPoints, QFont::Normal);
}

} // namespace kesto::widgets

#include "Form2.h"

#include "widgets/Colors.h"
#include "widgets/Fonts.h"
#include "widgets/Twips.h"

#include <QLabel>

namespace kesto::dialogs {

namespace {

constexpr double kNamePoints = 24.0;
constexpr Color kNameColor = 0x00FF00; // pure green, whoever has won

} // namespace

Form2::Form2()
    : PictureDialog(QStringLiteral("Kesto: the winner"), widgets::twipsSize(5805, 3780),
                    widgets::Picture(QStringLiteral(":/assets/winner.svg"))),
      Label1(new QLabel(QStringLiteral("Label1"), this))
{
    setObjectName(QStringLiteral("Form2"));
    setAccessibleName(QStringLiteral("The winner is"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    Label1->setGeometry(widgets::twipsRect(2640, 1920, 2880, 915));
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setWordWrap(true);
    Label1->setFont(widgets::labelFont(kNamePoints));
    QPalette palette = Label1->palette();
    palette.setColor(QPalette::WindowText, widgets::toQColor(kNameColor));
    Label1->setPalette(palette);
}

void Form2::setName(const QString& name)
{
    Label1->setText(name);
}

bool Form2::isSurface(QPoint pos) const
{
    // The name takes clicks for itself and does nothing with them.
    return !Label1->geometry().contains(pos);
}

} // namespace kesto::dialogs

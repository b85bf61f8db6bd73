#include "Controls.h"

#include "widgets/Colors.h"
#include "widgets/Fonts.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace kesto::ui {

QString arrayName(const char* control, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(control)).arg(index);
}

QLabel* makeLabel(QWidget* parent, const QString& name, QPoint topLeft, const QString& caption,
                  Color color, double points)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setFont(widgets::labelFont(points));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, widgets::toQColor(color));
    label->setPalette(palette);
    label->move(topLeft);
    label->adjustSize();
    return label;
}

void setCaption(QLabel* label, const QString& caption)
{
    label->setText(caption);
    label->adjustSize();
}

void fillWithButtonFace(QWidget* widget)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Button));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QPushButton* makeButton(QGroupBox* frame, const char* name, const QString& caption,
                        const QString& tooltip, QRect geometry)
{
    auto* button = new QPushButton(caption, frame);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(tooltip);
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    return button;
}

QRadioButton* makeOption(QGroupBox* frame, int index, const QString& caption, QRect geometry)
{
    auto* option = new QRadioButton(caption, frame);
    option->setObjectName(arrayName("Option1", index));
    option->setGeometry(geometry);
    fillWithButtonFace(option);
    return option;
}

void switchTimer(QTimer* timer, bool on)
{
    if (on) {
        timer->start();
    } else {
        timer->stop();
    }
}

} // namespace kesto::ui

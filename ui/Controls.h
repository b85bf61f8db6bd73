#pragma once

#include "game/Types.h"

#include <QPoint>
#include <QRect>
#include <QString>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTimer;
class QWidget;

namespace kesto::ui {

// The name of element `index` of a control array, "Name(index)".
QString arrayName(const char* control, int index);

// A transparent, auto-sized label in the labels' bold face.
QLabel* makeLabel(QWidget* parent, const QString& name, QPoint topLeft, const QString& caption,
                  Color color, double points);

// Writes a label's caption. The label keeps its top-left corner and grows or
// shrinks to the right to fit the text.
void setCaption(QLabel* label, const QString& caption);

// Windowed controls keep the system's button face behind them, as the dark
// green of the window is the window's alone.
void fillWithButtonFace(QWidget* widget);

QPushButton* makeButton(QGroupBox* frame, const char* name, const QString& caption,
                        const QString& tooltip, QRect geometry);

QRadioButton* makeOption(QGroupBox* frame, int index, const QString& caption, QRect geometry);

// Starts `timer` (from a full interval) or stops it.
void switchTimer(QTimer* timer, bool on);

} // namespace kesto::ui

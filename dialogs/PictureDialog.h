#pragma once

#include "widgets/Picture.h"

#include <QWidget>

namespace kesto::dialogs {

// A small borderless window without a title bar or a task-bar entry, whose
// surface is a picture drawn unscaled from its top-left corner. It never
// blocks the main window, and a click on its surface closes and destroys it.
class PictureDialog : public QWidget {
    Q_OBJECT

public:
    // Places the dialog over the middle of `owner`, given in screen
    // coordinates.
    void centreOn(const QRect& owner);

    // Shows the dialog, or brings it to the front if it is showing, and makes
    // it the active window.
    void showInFront();

protected:
    PictureDialog(const QString& title, QSize clientSize, const widgets::Picture& background);

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

    // Whether a click at `pos` falls on the dialog's own surface rather than
    // on a control of its own.
    virtual bool isSurface(QPoint pos) const;

private:
    void Form_Click();

    widgets::Picture background_;
    bool pressed_ = false;
};

} // namespace kesto::dialogs

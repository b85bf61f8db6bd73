#pragma once

#include "Picture.h"

#include <QFrame>

namespace kesto::widgets {

// A box with a sunken border that shows a picture at its natural size and
// fits itself around it.
class PictureBox : public QFrame {
    Q_OBJECT

public:
    PictureBox(const Picture& picture, QWidget* parent);

    const Picture& picture() const { return picture_; }
    void setPicture(const Picture& picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Picture picture_;
};

} // namespace kesto::widgets

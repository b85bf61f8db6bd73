#pragma once

#include <QGroupBox>
#include <QHash>
#include <QPixmap>

#include <vector>

namespace kesto::ui {

// A frame whose caption changes often (the banner's dots run along it). A
// new caption repaints the caption alone, not the frame and the controls in
// it, and each caption is drawn by the style once and copied from then on.
class CaptionFrame : public QGroupBox {
    Q_OBJECT

public:
    // A frame of fixed place and size: a new caption never asks the window
    // to lay itself out again.
    CaptionFrame(const QString& caption, const QRect& geometry, QWidget* parent);

    void setCaption(const QString& caption);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Where the caption is drawn.
    QRect captionRect();
    // The frame's picture in `area`, drawn once for each caption.
    const QPixmap& captionPicture(const QRect& area);

    // A caption's picture for one area of the frame.
    struct CaptionPicture {
        QString caption;
        QRect area;
        QPixmap picture;
    };

    std::vector<CaptionPicture> captions_;
    QHash<QString, QRect> captionRects_;
};

} // namespace kesto::ui

#include "CaptionFrame.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionGroupBox>

namespace kesto::ui {

namespace {

// More captions than the banner ever shows: beyond this the pictures are
// drawn afresh.
constexpr qsizetype kCaptionsKept = 16;

} // namespace

CaptionFrame::CaptionFrame(const QString& caption, const QRect& geometry, QWidget* parent)
    : QGroupBox(caption, parent)
{
    setGeometry(geometry);
    setFixedSize(geometry.size());
}

void CaptionFrame::setCaption(const QString& caption)
{
    const QRect before = captionRow();
    // The frame would repaint itself whole for a new title; only the
    // caption's row, as it was and as it is, needs it.
    setAttribute(Qt::WA_UpdatesDisabled, true);
    setTitle(caption);
    setAttribute(Qt::WA_UpdatesDisabled, false);
    caption_ = QRect();
    update(before.united(captionRow()));
}

QRect CaptionFrame::captionRow()
{
    // The style may draw the caption wider than it says (in bold, say): the
    // whole width of the frame is taken.
    if (caption_.isNull()) {
        QStyleOptionGroupBox option;
        initStyleOption(&option);
        caption_ = style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this);
        caption_.setLeft(0);
        caption_.setRight(width() - 1);
    }
    return caption_;
}

void CaptionFrame::paintEvent(QPaintEvent* event)
{
    const QRect area = event->rect();
    if (!captionRow().contains(area)) {
        QGroupBox::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.drawPixmap(area.topLeft(), captionPicture(area));
}

const QPixmap& CaptionFrame::captionPicture(const QRect& area)
{
    const qreal density = devicePixelRatioF();
    const QString key = QStringLiteral("%1 %2 %3 %4 %5")
                            .arg(area.x())
                            .arg(area.y())
                            .arg(area.width())
                            .arg(area.height())
                            .arg(title());
    const auto found = captions_.constFind(key);
    if (found != captions_.constEnd() && found->devicePixelRatio() == density) {
        return *found;
    }
    if (captions_.size() >= kCaptionsKept) {
        captions_.clear();
    }
    // The frame as the style draws it, cut to the area.
    QPixmap picture(area.size() * density);
    picture.setDevicePixelRatio(density);
    picture.fill(palette().color(backgroundRole()));
    QPainter painter(&picture);
    initPainter(&painter); // the frame's font and colours, as on the frame itself
    painter.translate(-area.topLeft());
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    style()->drawComplexControl(QStyle::CC_GroupBox, &option, &painter, this);
    return *captions_.insert(key, picture);
}

void CaptionFrame::resizeEvent(QResizeEvent* event)
{
    captions_.clear();
    caption_ = QRect();
    QGroupBox::resizeEvent(event);
}

void CaptionFrame::changeEvent(QEvent* event)
{
    // A new font, palette, style or state draws the captions differently.
    captions_.clear();
    caption_ = QRect();
    QGroupBox::changeEvent(event);
}

} // namespace kesto::ui

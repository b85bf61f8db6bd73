#include "CaptionFrame.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionGroupBox>

#include <iterator>

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
    // The frame fills its own background, in the same pass as the rest:
    // a caption's picture covers its place without it.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CaptionFrame::setCaption(const QString& caption)
{
    const QRect before = captionRect();
    // The frame would repaint itself whole for a new title; only the
    // caption's place, as it was and as it is, needs it.
    setAttribute(Qt::WA_UpdatesDisabled, true);
    setTitle(caption);
    setAttribute(Qt::WA_UpdatesDisabled, false);
    update(before.united(captionRect()));
}

QRect CaptionFrame::captionRect()
{
    // Working out where a caption goes lays its text out: done once for
    // each of the few captions the banner cycles through.
    const auto found = captionRects_.constFind(title());
    if (found != captionRects_.constEnd()) {
        return *found;
    }
    if (captionRects_.size() >= kCaptionsKept) {
        captionRects_.clear();
    }
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    const QRect rect = style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this);
    return *captionRects_.insert(title(), rect);
}

void CaptionFrame::paintEvent(QPaintEvent* event)
{
    // A tick repaints the caption's place as it was and as it is: that
    // much is drawn from a picture; anything else the usual way.
    const QRect area = event->rect();
    const QRect caption = captionRect();
    if (area.top() < caption.top() || area.bottom() > caption.bottom()) {
        QPainter(this).fillRect(area, palette().brush(backgroundRole()));
        QGroupBox::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.drawPixmap(area.topLeft(), captionPicture(area));
}

const QPixmap& CaptionFrame::captionPicture(const QRect& area)
{
    const qreal density = devicePixelRatioF();
    const QString caption = title();
    for (const CaptionPicture& kept : captions_) {
        if (kept.area == area && kept.caption == caption && kept.picture.devicePixelRatio() == density) {
            return kept.picture;
        }
    }
    if (std::ssize(captions_) >= kCaptionsKept) {
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
    painter.end();
    return captions_.emplace_back(CaptionPicture{caption, area, picture}).picture;
}

void CaptionFrame::resizeEvent(QResizeEvent* event)
{
    captions_.clear();
    captionRects_.clear();
    QGroupBox::resizeEvent(event);
}

void CaptionFrame::changeEvent(QEvent* event)
{
    // A new font, palette, style or state draws the captions differently.
    captions_.clear();
    captionRects_.clear();
    QGroupBox::changeEvent(event);
}

} // namespace kesto::ui

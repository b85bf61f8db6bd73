#pragma once

#include <QFont>

namespace kesto::widgets {

// The bold face of the window's and the winner dialog's labels, at the given
// size in points. Where the classic face is missing, a close sans-serif face
// with the same size and weight stands in for it.
QFont labelFont(double pointSize);

// The plain face of the frames, option buttons and push buttons: the same
// family at a small size, so that every caption fits its control.
QFont controlFont();

} // namespace kesto::widgets

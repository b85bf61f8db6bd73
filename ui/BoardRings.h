#pragma once

#include "WindowSurface.h"

class QWidget;

namespace kesto::ui {

// The rings the window draws over cells (the computer's last stone, a hint,
// the review's two findings): each change repaints just the cells a ring
// left and reached.
class BoardRings {
public:
    // `window` is repainted where rings change.
    explicit BoardRings(QWidget& window) : window_(window) {}

    const WindowSurface::Rings& rings() const { return rings_; }

    void markComputersLast(CellIndex cell);
    void showHint(CellIndex cell, Color color);
    void clearHint() { showHint(0, kWhite); }
    void showReview(CellIndex turned, CellIndex wouldHaveHeld);

private:
    // Sets `ring` to `cell`, repainting both.
    void move(CellIndex& ring, CellIndex cell);

    QWidget& window_;
    WindowSurface::Rings rings_;
};

} // namespace kesto::ui

#include "BoardRings.h"

#include <QWidget>

namespace kesto::ui {

void BoardRings::move(CellIndex& ring, CellIndex cell)
{
    for (CellIndex changed : {ring, cell}) {
        if (changed != 0) {
            window_.update(WindowSurface::cellRect(changed));
        }
    }
    ring = cell;
}

void BoardRings::markComputersLast(CellIndex cell)
{
    if (cell != rings_.computersLast) {
        move(rings_.computersLast, cell);
    }
}

void BoardRings::showHint(CellIndex cell, Color color)
{
    rings_.hintColor = color;
    move(rings_.hint, cell);
}

void BoardRings::showReview(CellIndex turned, CellIndex wouldHaveHeld)
{
    move(rings_.turned, turned);
    move(rings_.wouldHaveHeld, wouldHaveHeld);
}

} // namespace kesto::ui

#pragma once

#include "game/GameState.h"
#include "game/Types.h"

#include <QWidget>

namespace kesto::ui {

// The invisible square over one cell of the board. It draws nothing; it
// reports clicks and pointer moves with the number of its cell.
class CellTarget : public QWidget {
    Q_OBJECT

public:
    CellTarget(CellIndex index, QWidget* parent);

    CellIndex index() const { return index_; }

    // Names the cell for a screen reader as `state` has it: where it is and
    // what is on it.
    void describe(const GameState& state);

signals:
    void clicked(kesto::CellIndex index);
    void mouseMoved(kesto::CellIndex index);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    CellIndex index_;
    bool pressed_ = false;
};

} // namespace kesto::ui

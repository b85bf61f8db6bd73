#pragma once

#include "game/Types.h"

#include <QWidget>

namespace kesto::ui {

// The board's keyboard cursor: an invisible square over the board that
// joins the tab chain. While it has the keyboard focus, the arrow keys move
// the cursor from cell to cell (stopping at the edges), Home and End jump to
// the ends of the row, Page Up and Page Down to the ends of the column, and
// Enter or Space plays the cursor's cell. A thin ring shows the cursor only
// while the board has the focus. It takes no mouse input: clicks reach the
// cells beneath it.
class BoardCursor : public QWidget {
    Q_OBJECT

public:
    BoardCursor(const QRect& board, QWidget* parent);

    CellIndex cell() const { return cell_; }

signals:
    // The cursor came to `cell`.
    void moved(kesto::CellIndex cell);
    // Enter or Space on `cell`.
    void chosen(kesto::CellIndex cell);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void moveTo(int row, int column);
    QRect ringRect() const;

    CellIndex cell_;
};

} // namespace kesto::ui

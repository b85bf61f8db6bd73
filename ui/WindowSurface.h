#pragma once

#include "game/Game.h"
#include "widgets/Picture.h"
#include "widgets/Shape.h"

#include <array>

class QPainter;

namespace kesto::ui {

// What is drawn straight onto the main window, behind its controls: the
// board (its background, the grid and the circles, with the ring on the
// computer's last stone) and the side panel with the logo.
class WindowSurface {
public:
    // The rings drawn over cells (0: none): the computer's last stone, a
    // hint, and the review's move where the game turned with the move that
    // would have held there.
    struct Rings {
        CellIndex computersLast = 0;
        CellIndex hint = 0;
        Color hintColor = kWhite; // the colour of the player it is for
        CellIndex turned = 0;
        CellIndex wouldHaveHeld = 0;
    };

    WindowSurface();

    // Where the circle of `cell` lies in the window.
    static QRect cellRect(CellIndex cell);

    // The board's outline: its background shape.
    QRect boardBounds() const { return board_.background.bounds; }

    // Paints what lies in `dirty`: the circles in the colours `game` gives
    // them, and the `rings`.
    void paint(QPainter& painter, const QRect& dirty, const Game& game, const Rings& rings) const;

private:
    void paintBoard(QPainter& painter, const QRect& dirty, const Game& game, const Rings& rings) const;
    void paintPanel(QPainter& painter, const QRect& dirty) const;

    // The board's shapes (the window's Shape1 array), painted back to
    // front: the background, the outer grid square, then four solid
    // vertical bars and four hollow horizontal ones in front of them, so
    // that all ten lines show each way.
    struct BoardShapes {
        widgets::Shape background;
        widgets::Shape gridSquare;
        std::array<widgets::Shape, 4> verticalBars{};
        std::array<widgets::Shape, 4> horizontalBars{};
    };
    BoardShapes board_;
    widgets::Shape Shape2; // the side panel
    widgets::Shape Shape3; // the read-out box behind the turn and the time
    widgets::Picture Image1; // the logo
};

} // namespace kesto::ui

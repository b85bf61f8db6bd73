#include "WindowSurface.h"

#include "widgets/Colors.h"
#include "widgets/Twips.h"

#include <QPainter>

namespace kesto::ui {

using namespace widgets;

namespace {

// The board, in twips.
constexpr int kBoardOrigin = 360; // left and top of cell 1
constexpr int kCellPitch = 600;   // from one cell to the next
constexpr int kCellSize = 495;    // side of a circle and of its click square
constexpr int kCircleBorderWidth = 2;
constexpr int kLineWidth = 3;     // grid lines and panel borders
constexpr int kBoardBorderWidth = 4;

// The ring that marks the computer's last stone: inside the circle's
// border, thin and dark.
constexpr int kMarkerInset = 4;
constexpr qreal kMarkerWidth = 1.5;
constexpr Color kMarkerColor = kBlack;
// The hint's ring: on an empty cell, in the colour of the player it is
// for, bold enough to see from across the board.
constexpr int kHintInset = 6;
constexpr qreal kHintWidth = 3.0;
// The review's two rings, bold, in colours of their own.
constexpr int kReviewInset = 3;
constexpr qreal kReviewWidth = 3.0;

void paintRing(QPainter& painter, CellIndex cell, int inset, Color color, qreal width)
{
    painter.setPen(QPen(toQColor(color), width));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(WindowSurface::cellRect(cell).adjusted(inset, inset, -inset, -inset)));
}

const QString kLogo = QStringLiteral(":/assets/logo.svg");
constexpr QPoint kLogoAt = twipsPoint(6720, 240);

Shape gridShape(QRect bounds, bool solidFill)
{
    return Shape{Shape::Figure::Rectangle, bounds, kBlue, kLineWidth, solidFill, kLightBlue};
}

} // namespace

WindowSurface::WindowSurface() : Image1(kLogo)
{
    board_.background = Shape{Shape::Figure::RoundedRectangle, twipsRect(120, 120, 6375, 6375), kBlack,
                              kBoardBorderWidth, true, kOrange};
    board_.gridSquare = gridShape(twipsRect(600, 600, 5415, 5415), true);
    for (std::size_t bar = 0; bar < board_.verticalBars.size(); ++bar) {
        const int offset = 1200 * static_cast<int>(bar + 1);
        board_.verticalBars.at(bar) = gridShape(twipsRect(offset, 600, 615, 5415), true);
        board_.horizontalBars.at(bar) = gridShape(twipsRect(600, offset, 5415, 615), false);
    }
    Shape2 = Shape{Shape::Figure::RoundedRectangle, twipsRect(6600, 2040, 2535, 4335), kBlue,
                   kLineWidth, true, kSilver};
    Shape3 = Shape{Shape::Figure::RoundedRectangle, twipsRect(6960, 2280, 2535, 975), kBlue,
                   kLineWidth, true, kBlack};
}

QRect WindowSurface::cellRect(CellIndex cell)
{
    const int column = columnOf(cell) - 1;
    const int row = rowOf(cell) - 1;
    return twipsRect(kBoardOrigin + kCellPitch * column, kBoardOrigin + kCellPitch * row,
                     kCellSize, kCellSize);
}

void WindowSurface::paint(QPainter& painter, const QRect& dirty, const Game& game, const Rings& rings) const
{
    painter.fillRect(dirty, toQColor(kDarkGreen));
    painter.setRenderHint(QPainter::Antialiasing);
    paintBoard(painter, dirty, game, rings);
    paintPanel(painter, dirty);
}

void WindowSurface::paintBoard(QPainter& painter, const QRect& dirty, const Game& game,
                               const Rings& rings) const
{
    if (!board_.background.bounds.intersects(dirty)) {
        return;
    }
    const auto paintCircles = [&](int first, int last) {
        for (int cell = first; cell <= last; ++cell) {
            const auto index = static_cast<CellIndex>(cell);
            if (cellRect(index).intersects(dirty)) {
                Shape{Shape::Figure::Circle, cellRect(index), kBlue, kCircleBorderWidth, true,
                      game.boxColor(index)}
                    .paint(painter);
            }
        }
    };
    // Back to front. The top row of circles lies behind the horizontal bars
    // (which do not reach it); the other rows lie in front of them.
    board_.background.paint(painter);
    board_.gridSquare.paint(painter);
    for (const Shape& bar : board_.verticalBars) {
        bar.paint(painter);
    }
    paintCircles(1, kBoardSide);
    for (const Shape& bar : board_.horizontalBars) {
        bar.paint(painter);
    }
    paintCircles(kBoardSide + 1, kCellCount);
    if (rings.computersLast != 0 && cellRect(rings.computersLast).intersects(dirty)) {
        paintRing(painter, rings.computersLast, kMarkerInset, kMarkerColor, kMarkerWidth);
    }
    if (rings.hint != 0 && cellRect(rings.hint).intersects(dirty)) {
        paintRing(painter, rings.hint, kHintInset, rings.hintColor, kHintWidth);
    }
    for (const auto& [cell, color] : {std::pair{rings.turned, kMaroon}, std::pair{rings.wouldHaveHeld, kPurple}}) {
        if (cell != 0 && cellRect(cell).intersects(dirty)) {
            paintRing(painter, cell, kReviewInset, color, kReviewWidth);
        }
    }
}

void WindowSurface::paintPanel(QPainter& painter, const QRect& dirty) const
{
    // Hovering repaints single circles; the panel is left alone then.
    for (const Shape* shape : {&Shape2, &Shape3}) {
        if (shape->bounds.intersects(dirty)) {
            shape->paint(painter);
        }
    }
    const QRect logo(kLogoAt, Image1.size());
    if (logo.intersects(dirty)) {
        Image1.paint(painter, logo.topLeft());
    }
}

} // namespace kesto::ui

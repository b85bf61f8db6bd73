#pragma once

#include "engine/GameReview.h"

#include <QDialog>
#include <QString>

#include <array>
#include <vector>

class QLabel;
class QProgressBar;

namespace kesto::ui {

// The review's own small window, with a frame and a title like any other:
// the review's progress while it works, then where the game turned, in
// words. It does not block the game.
class ReviewDialog : public QDialog {
    Q_OBJECT

public:
    // The two sides as the review names them, first mover first.
    struct Sides {
        std::array<QString, 2> names;        // "Player 1", "Computer"...
        std::array<bool, 2> computer{};      // whether a side is the computer
    };

    explicit ReviewDialog(QWidget* parent);

    // Who played, as the findings will name them.
    void setSides(const Sides& sides) { sides_ = sides; }
    void showProgress(int done, int total);
    void showFindings(const engine::GameReview::Summary& summary, const std::vector<CellIndex>& moves);

    // What the review found, in words, naming cells as the window does
    // (row, then column, from 1) and the players by name.
    static QString describe(const engine::GameReview::Summary& summary, const std::vector<CellIndex>& moves,
                            const Sides& sides);

private:
    Sides sides_;
    QLabel* text_;
    QProgressBar* progress_;
};

} // namespace kesto::ui

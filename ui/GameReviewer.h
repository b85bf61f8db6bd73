#pragma once

#include "engine/GameReview.h"
#include "game/Game.h"

#include <QObject>
#include <QPointer>

namespace kesto::ui {

class BackgroundWork;
class ReviewDialog;

// The review of the game on the board: read back on a thread of its own
// with the forced-win search, each question bounded by work so that the
// answer is the same on any machine, and the whole within a few seconds;
// its progress and then its findings shown in a window of its own, and the
// move where the game turned, with the move that would have held, told to
// the board to ring. A review ended is told to stop, its window closes, and
// what it would have said is dropped.
class GameReviewer : public QObject {
    Q_OBJECT

public:
    // What each question may cost.
    static constexpr engine::GameReview::Question kQuestion{engine::Attack::ThreesAndFours, 7, 20000};

    explicit GameReviewer(QObject* parent = nullptr);

    // Reviews `game`'s moves, in place of any review under way, its window
    // over `window`.
    void start(const Game& game, QWidget* window);
    // Stops it, closes its window and takes its rings away.
    void end();
    bool working() const { return working_; }

signals:
    // The cells the board rings: where the game turned, and the move that
    // would have held there; 0 for none.
    void ringsChanged(kesto::CellIndex turned, kesto::CellIndex wouldHaveHeld);

private:
    void finish(const engine::GameReview::Summary& summary);

    BackgroundWork* work_;
    GameRecord record_; // the game reviewed
    QPointer<ReviewDialog> dialog_;
    bool working_ = false;
};

} // namespace kesto::ui

// Empty windows of the game window's size, for the idle-cost benchmark to
// hold the game up against: what an idle Qt window costs with nothing in it,
// and what one costs that repaints a small square at the banner's pace (the
// least any window with a moving banner can cost).

#include "ui/Form1.h"

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstring>

namespace {

constexpr int kUsageStatus = 2; // called wrongly

// A square that changes colour on each tick.
class TickingSquare : public QWidget {
public:
    explicit TickingSquare(QWidget* parent) : QWidget(parent)
    {
        setGeometry(8, 8, 32, 32);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    void tick()
    {
        dark_ = !dark_;
        update();
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter(this).fillRect(event->rect(), dark_ ? Qt::darkGray : Qt::lightGray);
    }

private:
    bool dark_ = false;
};

} // namespace

int main(int argc, char* argv[])
{
    bool ticking = false;
    if (argc > 2) {
        std::fprintf(stderr, "empty_window: at most one argument (see --help)\n");
        return kUsageStatus;
    }
    if (argc == 2) {
        if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
            std::puts("Usage: empty_window [--ticking]\nShows an empty window of the game window's size until "
                      "it is closed; with --ticking, a small square in it is repainted at the game's banner "
                      "pace. bench/idle_cost.sh measures the game beside both.");
            return 0;
        }
        if (std::strcmp(argv[1], "--ticking") != 0) {
            std::fprintf(stderr, "empty_window: unknown argument %s (see --help)\n", argv[1]);
            return kUsageStatus;
        }
        ticking = true;
    }
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Empty"));
    window.setFixedSize(kesto::ui::Form1::kClientSize);
    TickingSquare square(&window);
    QTimer timer;
    timer.setTimerType(Qt::CoarseTimer); // as the banner's
    QObject::connect(&timer, &QTimer::timeout, &square, &TickingSquare::tick);
    if (ticking) {
        timer.start(kesto::ui::Form1::kBannerInterval);
    }
    window.show();
    return QApplication::exec();
}

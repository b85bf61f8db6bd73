// An empty window of the game window's size, for the idle-cost benchmark to
// hold the game up against: what an idle Qt window costs with nothing in it.

#include "ui/Form1.h"

#include <QApplication>
#include <QWidget>

#include <cstdio>
#include <cstring>

int main(int argc, char* argv[])
{
    if (argc > 1) {
        const bool help = std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0;
        if (help) {
            std::puts("Usage: empty_window\nShows an empty window of the game window's size until it is "
                      "closed; bench/idle_cost.sh measures the game beside it.");
            return 0;
        }
        std::fprintf(stderr, "empty_window: unknown argument %s (see --help)\n", argv[1]);
        return 1;
    }
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Empty"));
    window.setFixedSize(kesto::ui::Form1::kClientSize);
    window.show();
    return QApplication::exec();
}

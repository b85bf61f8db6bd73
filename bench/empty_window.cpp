// An empty window of the game window's size, for the idle-cost benchmark to
// hold the game up against: what an idle Qt window costs with nothing in it.

#include "ui/Form1.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Empty"));
    window.setFixedSize(kesto::ui::Form1::kClientSize);
    window.show();
    return QApplication::exec();
}

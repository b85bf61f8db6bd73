#include "ui/Form1.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// Whether there is a screen to open the window on. Without one the toolkit
// would stop with a long report; a player deserves one plain line instead.
bool haveDisplay()
{
    const auto isSet = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    return isSet("QT_QPA_PLATFORM") || isSet("DISPLAY") || isSet("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char* argv[])
{
    if (!haveDisplay()) {
        std::fputs("kesto: no display to open the game on (neither DISPLAY nor "
                   "WAYLAND_DISPLAY is set); start it from a desktop session.\n",
                   stderr);
        return EXIT_FAILURE;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kesto"));

    kesto::ui::Form1 window;
    window.show();
    return QApplication::exec();
}

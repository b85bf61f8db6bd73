#include "ui/CommandLine.h"
#include "ui/Form1.h"
#include "ui/ScriptedGame.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace {

const char* const kNoDisplay =
    "kesto: no display to open the game on; start it from a desktop session.\n";

bool isSet(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

// While the toolkit connects to the window system, its messages are held
// back: if it cannot connect, a player gets one plain line instead of a
// report about plug-ins. If it does connect, they are passed on as usual.
QtMessageHandler passOn = nullptr;
std::vector<std::pair<QtMsgType, QString>> heldBack;

void holdBack(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg) {
        std::fputs(kNoDisplay, stderr);
        std::_Exit(EXIT_FAILURE);
    }
    Q_UNUSED(context);
    heldBack.emplace_back(type, message);
}

void releaseHeldBack()
{
    qInstallMessageHandler(passOn);
    for (const auto& [type, message] : heldBack) {
        passOn(type, QMessageLogContext(), message);
    }
    heldBack.clear();
}

} // namespace

int main(int argc, char* argv[])
{
    using kesto::ui::CommandLine;
    // Usage and the version need no display.
    const CommandLine line = CommandLine::parse(std::vector<std::string>(argv + 1, argv + argc));
    switch (line.action) {
    case CommandLine::Action::Help:
        std::fputs(CommandLine::usage().c_str(), stdout);
        return EXIT_SUCCESS;
    case CommandLine::Action::Version:
        std::puts("kesto " KESTO_VERSION);
        return EXIT_SUCCESS;
    case CommandLine::Action::Refuse:
        std::fprintf(stderr, "%s\n", line.fault.c_str());
        return 2;
    case CommandLine::Action::Play:
        break;
    }
    if (!isSet("QT_QPA_PLATFORM") && !isSet("DISPLAY") && !isSet("WAYLAND_DISPLAY")) {
        std::fputs(kNoDisplay, stderr);
        return EXIT_FAILURE;
    }
    // The window repaints a few small pieces at a time (the banner, a
    // circle). On X, handing those over through shared memory costs a
    // round trip each; plain requests are cheaper for pieces this small.
    // A player's own setting wins.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) {
        qputenv("QT_XCB_NO_MITSHM", "1");
    }
    passOn = qInstallMessageHandler(holdBack);
    QApplication app(argc, argv);
    releaseHeldBack();
    QApplication::setApplicationName(QStringLiteral("Kesto"));

    kesto::ui::Form1 window;
    window.show();
    if (!line.file.empty()) {
        window.openFile(QString::fromLocal8Bit(line.file.c_str()));
    }
    kesto::ui::ScriptedGame::startOn(window);
    return QApplication::exec();
}

#include "CommandLine.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace kesto::ui {

namespace {

// Qt's own options that take a value, and those that take none.
constexpr std::array<std::string_view, 14> kQtOptionsWithValue{
    "platform", "platformpluginpath", "platformtheme", "plugin", "qmljsdebugger", "qwindowgeometry",
    "qwindowicon", "qwindowtitle", "style", "stylesheet", "session", "display", "geometry", "name"};
constexpr std::array<std::string_view, 5> kQtFlags{"reverse", "widgetcount", "nograb", "dograb", "sync"};

template <std::size_t N>
bool among(const std::array<std::string_view, N>& names, std::string_view name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

} // namespace

CommandLine CommandLine::parse(const std::vector<std::string>& arguments)
{
    CommandLine line;
    bool onlyFiles = false; // after "--"
    for (std::size_t at = 0; at < arguments.size(); ++at) {
        const std::string& argument = arguments[at];
        if (onlyFiles || argument.empty() || argument.front() != '-' || argument == "-") {
            if (!line.file.empty()) {
                line.action = Action::Refuse;
                line.fault = "kesto: one game record at a time (see --help)";
                return line;
            }
            line.file = argument;
            continue;
        }
        if (argument == "--") {
            onlyFiles = true;
            continue;
        }
        if (argument == "--help" || argument == "-h") {
            line.action = Action::Help;
            return line;
        }
        if (argument == "--version" || argument == "-v") {
            line.action = Action::Version;
            return line;
        }
        std::string_view name(argument);
        name.remove_prefix(name.starts_with("--") ? 2 : 1);
        const bool valueJoined = name.find('=') != std::string_view::npos;
        name = name.substr(0, name.find('='));
        if (among(kQtOptionsWithValue, name)) {
            if (!valueJoined && ++at >= arguments.size()) {
                line.action = Action::Refuse;
                line.fault = "kesto: " + argument + " needs a value";
                return line;
            }
            continue;
        }
        if (among(kQtFlags, name) && !valueJoined) {
            continue;
        }
        line.action = Action::Refuse;
        line.fault = "kesto: unknown option " + argument + " (see --help)";
        return line;
    }
    return line;
}

std::string CommandLine::usage()
{
    return "Usage: kesto [OPTION]... [FILE.psq]\n"
           "Five in a row on a 10 by 10 board, for two players or against the computer.\n"
           "FILE.psq, a game record in the form gomoku tournament managers write, is\n"
           "opened at start and played on between two players.\n"
           "\n"
           "  -h, --help     print this usage and exit\n"
           "  -v, --version  print the version and exit\n"
           "\n"
           "Qt's own options, such as -platform NAME or -style NAME, are accepted too.\n";
}

} // namespace kesto::ui

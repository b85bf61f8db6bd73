#pragma once

#include <string>
#include <vector>

namespace kesto::ui {

// What the game was asked on its command line: usage, its version, or the
// game, with a game record to open at start. Qt's own options (-platform,
// -style and the like, with one dash or two) are left to Qt.
struct CommandLine {
    enum class Action { Play, Help, Version, Refuse };

    Action action = Action::Play;
    std::string file;  // the game record to open, when one is named
    std::string fault; // why the line is refused: one line, for standard error

    static CommandLine parse(const std::vector<std::string>& arguments);

    // The usage that --help prints.
    static std::string usage();
};

} // namespace kesto::ui

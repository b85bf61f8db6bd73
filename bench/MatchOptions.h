#pragma once

#include <array>
#include <optional>
#include <string>

namespace kesto::match {

inline constexpr const char* kUsage =
    "Usage: brain_match [options] ENGINE1 ENGINE2\n"
    "Plays two tournament-protocol engines (each a shell command) against each other on\n"
    "10 x 10, colours alternating, and prints the first engine's results.\n"
    "  --games N           games to play (default 200; each opening twice)\n"
    "  --time MS           time per move (default 300)\n"
    "  --grace MS          lateness forgiven for starting up and piping (default 20)\n"
    "  --opening-stones K  random opening: K stones a side in the middle 4 x 4 (default 1)\n"
    "  --openings FILE     openings from FILE, one a line: cells \"x,y\" separated by blanks\n"
    "  --seed S            seed of the random openings (default 1)\n"
    "  --record FILE       write every game's moves to FILE, a game a line\n"
    "  --help              this text\n";

struct Options {
    std::array<std::string, 2> commands;
    int games = 200;
    long long timeMs = 300;
    long long graceMs = 20;
    int openingStones = 1;
    std::string openingsFile;
    std::string recordFile;
    unsigned seed = 1;
};

// The options of the command line; nullopt when only the usage is asked
// for. Throws std::runtime_error with a one-line reason on a bad argument.
std::optional<Options> parseOptions(int argc, char* argv[]);

} // namespace kesto::match

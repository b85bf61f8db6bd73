#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace kesto::bench {

// `text` read as a whole number from `least` to `most`. Throws
// std::runtime_error with a one-line reason naming `what` otherwise.
long long wholeNumber(std::string_view text, long long least, long long most, const std::string& what);

// Reads the arguments as "--name value" pairs, calling `take(name, value)`
// for each (which throws on a name it does not know). False when the usage
// is asked for (--help or -h); throws std::runtime_error with a one-line
// reason on anything else.
template <typename Take>
bool readOptions(int argc, char* argv[], Take take)
{
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            return false;
        }
        if (i + 1 >= argc || argument.rfind("--", 0) != 0) {
            throw std::runtime_error("unknown argument " + argument + " (see --help)");
        }
        take(argument, std::string(argv[++i]));
    }
    return true;
}

} // namespace kesto::bench

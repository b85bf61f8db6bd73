#pragma once

#include <cstdio>
#include <stdexcept>
#include <string>
#include <string_view>

namespace kesto::bench {

// A program called wrongly, as against given something wrong to read: the
// benchmark programs exit with status 2 for it, and 1 for anything else.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr int kUsageStatus = 2;
inline constexpr int kFailureStatus = 1;

// `text` read as a whole number from `least` to `most`. Throws UsageError
// with a one-line reason naming `what` otherwise.
long long wholeNumber(std::string_view text, long long least, long long most, const std::string& what);

// The value of the option `name`, the argument after it at `index`, which
// moves on past it. Throws UsageError when there is none.
std::string valueOf(const std::string& name, int& index, int argc, char* argv[]);

// Reads the arguments as "--name value" pairs, calling `take(name, value)`
// for each (which throws UsageError on a name it does not know). False when
// the usage is asked for (--help or -h); throws UsageError with a one-line
// reason on anything else.
template <typename Take>
bool readOptions(int argc, char* argv[], Take take)
{
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            return false;
        }
        if (argument.rfind("--", 0) != 0) {
            throw UsageError("unknown argument " + argument + " (see --help)");
        }
        take(argument, valueOf(argument, i, argc, argv));
    }
    return true;
}

// Runs a program's `body`, which returns its exit status, and says what
// stopped it on one line of standard error, "NAME: reason", with status 2
// for a usage error and 1 for anything else.
template <typename Body>
int runProgram(const char* name, Body body)
{
    try {
        return body();
    } catch (const UsageError& error) {
        std::fprintf(stderr, "%s: %s\n", name, error.what());
        return kUsageStatus;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", name, error.what());
        return kFailureStatus;
    }
}

} // namespace kesto::bench

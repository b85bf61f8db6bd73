// kesto-brain: Kesto's computer player for gomoku engine tournaments. It
// reads the tournament's commands on standard input and answers on
// standard output.

#include "brain/BrainProtocol.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <random>
#include <string>

namespace {

constexpr int kUsageStatus = 2; // called wrongly

// No command is longer; the rest of a longer line is read and dropped.
constexpr std::size_t kLongestLine = 4096;

constexpr const char* kUsage =
    "Usage: kesto-brain [--level easy|medium|hard|strongest] [--nodes N] [--depth N]\n"
    "Kesto's computer player for gomoku tournament managers (10 x 10 freestyle): it reads\n"
    "the manager's commands on standard input and answers on standard output.\n"
    "  --level L  how well it plays (default strongest)\n"
    "  --nodes N  think about at most N positions a move, besides the time allowed\n"
    "  --depth N  search at most N plies deep, besides the time allowed\n"
    "  --help     this text\n";

struct Options {
    kesto::engine::Strength strength = kesto::engine::Strength::Strongest;
    kesto::engine::Limits bounds;
};

// A whole number from 1 to `most`, or nullopt.
std::optional<long> countFrom(const std::string& text, long most)
{
    long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 1 || value > most) {
        return std::nullopt;
    }
    return value;
}

// The options of the command line; nullopt, with a line on standard
// error, for anything it does not understand.
std::optional<Options> optionsFrom(int argc, char* argv[])
{
    constexpr long kMostNodes = 1'000'000'000;
    constexpr long kMostDepth = 100;
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option != "--level" && option != "--nodes" && option != "--depth") {
            std::fprintf(stderr, "kesto-brain: unknown argument %s (see --help)\n", option.c_str());
            return std::nullopt;
        }
        if (i + 1 >= argc) {
            std::fprintf(stderr, "kesto-brain: %s needs a value (see --help)\n", option.c_str());
            return std::nullopt;
        }
        const std::string value = argv[++i];
        if (option == "--level") {
            const auto strength = kesto::engine::strengthFromName(value);
            if (!strength) {
                std::fprintf(stderr, "kesto-brain: --level must be easy, medium, hard or strongest, not \"%s\"\n",
                             value.c_str());
                return std::nullopt;
            }
            options.strength = *strength;
            continue;
        }
        const long most = option == "--nodes" ? kMostNodes : kMostDepth;
        const std::optional<long> count = countFrom(value, most);
        if (!count) {
            std::fprintf(stderr, "kesto-brain: %s must be a whole number from 1 to %ld, not \"%s\"\n",
                         option.c_str(), most, value.c_str());
            return std::nullopt;
        }
        if (option == "--nodes") {
            options.bounds.nodes = *count;
        } else {
            options.bounds.depth = static_cast<int>(*count);
        }
    }
    return options;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc == 2 && (std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h")) {
        std::fputs(kUsage, stdout);
        return EXIT_SUCCESS;
    }
    const std::optional<Options> options = optionsFrom(argc, argv);
    if (!options) {
        return kUsageStatus;
    }
    std::ios::sync_with_stdio(false);
    kesto::brain::BrainProtocol brain{std::random_device{}(), options->strength, options->bounds};
    std::string line;
    while (!brain.ended() && kesto::brain::readCommandLine(std::cin, line, kLongestLine)) {
        for (const std::string& answer : brain.handle(line)) {
            std::cout << answer << '\n';
        }
        std::cout.flush();
    }
    return 0;
}

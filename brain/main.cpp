// kesto-brain: Kesto's computer player for gomoku engine tournaments. It
// reads the tournament's commands on standard input and answers on
// standard output.

#include "brain/BrainProtocol.h"

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
    "Usage: kesto-brain [--level easy|medium|hard|strongest]\n"
    "Kesto's computer player for gomoku tournament managers (10 x 10 freestyle): it reads\n"
    "the manager's commands on standard input and answers on standard output.\n"
    "  --level L  how well it plays (default strongest)\n"
    "  --help     this text\n";

// The level asked for on the command line; nullopt, with a line on
// standard error, for anything it does not understand.
std::optional<kesto::engine::Strength> strengthFrom(int argc, char* argv[])
{
    if (argc == 1) {
        return kesto::engine::Strength::Strongest;
    }
    const std::string option = argv[1];
    if (argc == 2 && option == "--level") {
        std::fputs("kesto-brain: --level needs a value (see --help)\n", stderr);
        return std::nullopt;
    }
    if (argc == 3 && option == "--level") {
        if (const auto strength = kesto::engine::strengthFromName(argv[2])) {
            return strength;
        }
        std::fprintf(stderr, "kesto-brain: --level must be easy, medium, hard or strongest, not \"%s\"\n",
                     argv[2]);
        return std::nullopt;
    }
    std::fprintf(stderr, "kesto-brain: unknown argument %s (see --help)\n", option.c_str());
    return std::nullopt;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc == 2 && (std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h")) {
        std::fputs(kUsage, stdout);
        return EXIT_SUCCESS;
    }
    const std::optional<kesto::engine::Strength> strength = strengthFrom(argc, argv);
    if (!strength) {
        return kUsageStatus;
    }
    std::ios::sync_with_stdio(false);
    kesto::brain::BrainProtocol brain{std::random_device{}(), *strength};
    std::string line;
    while (!brain.ended() && kesto::brain::readCommandLine(std::cin, line, kLongestLine)) {
        for (const std::string& answer : brain.handle(line)) {
            std::cout << answer << '\n';
        }
        std::cout.flush();
    }
    return 0;
}

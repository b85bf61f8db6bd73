// kesto-brain: Kesto's computer player for gomoku engine tournaments. It
// reads the tournament's commands on standard input and answers on
// standard output.

#include "brain/BrainProtocol.h"

#include <iostream>
#include <random>
#include <string>

namespace {

// No command is longer; the rest of a longer line is read and dropped.
constexpr std::size_t kLongestLine = 4096;

} // namespace

int main()
{
    std::ios::sync_with_stdio(false);
    kesto::brain::BrainProtocol brain{std::random_device{}()};
    std::string line;
    while (!brain.ended() && kesto::brain::readCommandLine(std::cin, line, kLongestLine)) {
        for (const std::string& answer : brain.handle(line)) {
            std::cout << answer << '\n';
        }
        std::cout.flush();
    }
    return 0;
}

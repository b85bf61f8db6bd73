// kesto-brain: Kesto's computer player for gomoku engine tournaments. It
// reads the tournament's commands on standard input and answers on
// standard output.

#include "game/BrainProtocol.h"

#include <iostream>
#include <random>
#include <string>

int main()
{
    std::ios::sync_with_stdio(false);
    kesto::BrainProtocol brain{std::random_device{}()};
    std::string line;
    while (!brain.ended() && std::getline(std::cin, line)) {
        for (const std::string& answer : brain.handle(line)) {
            std::cout << answer << '\n';
        }
        std::cout.flush();
    }
    return 0;
}

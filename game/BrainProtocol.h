#pragma once

#include "Engine.h"
#include "GameState.h"

#include <chrono>
#include <string>
#include <vector>

namespace kesto {

// The text protocol of gomoku engine tournaments, spoken by the computer
// player: one command line in, the answer lines out. Cells are "x,y", both
// counted from 0 at the top-left corner, x across and y down.
class BrainProtocol {
public:
    explicit BrainProtocol(unsigned seed);

    // The lines to answer `line` with (often one, sometimes none).
    std::vector<std::string> handle(const std::string& line);

    // Whether END has been received.
    bool ended() const { return ended_; }

private:
    static constexpr std::int16_t kOwn = 1;
    static constexpr std::int16_t kOpponent = 2;

    std::vector<std::string> startGame(const std::string& arguments);
    std::vector<std::string> playOpponent(const std::string& arguments);
    std::vector<std::string> boardLine(const std::string& line);
    std::vector<std::string> info(const std::string& arguments);
    std::vector<std::string> takeBack(const std::string& arguments);
    std::string move();
    std::chrono::milliseconds budget() const;

    Engine engine_;
    Board board_;
    bool started_ = false;
    bool readingBoard_ = false;
    bool ended_ = false;
    long long turnTimeout_ = 5000;   // ms
    long long timeLeft_ = -1;        // ms, -1 while not told
};

} // namespace kesto

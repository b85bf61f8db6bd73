#pragma once

#include "game/GameState.h"

#include <string>
#include <sys/types.h>
#include <vector>

namespace kesto::match {

// One tournament-protocol engine, run as a child process and spoken to over
// its standard input and output.
class EngineProcess {
public:
    struct Answer {
        CellIndex cell = 0;
        double ms = 0;     // from sending the command to reading the move
        std::string fault; // why there is no move
    };

    explicit EngineProcess(std::string command) : command_(std::move(command)) {}
    ~EngineProcess();
    EngineProcess(const EngineProcess&) = delete;
    EngineProcess& operator=(const EngineProcess&) = delete;

    // Starts the engine and a game on 10 x 10 with `timeMs` a move; the
    // reason it failed, or nothing.
    std::string start(long long timeMs);

    // Asks for the move of the player with stones `stone` on `board`, after
    // `moves`. An engine that has not seen the board yet is sent all of it
    // (or BEGIN on an empty board); otherwise only the last move.
    Answer move(const Board& board, std::int16_t stone, const std::vector<CellIndex>& moves, bool toldBoard);

private:
    void send(const std::string& line);
    // The next line that is not a message, within `timeoutMs`; empty with
    // `fault` set when none comes.
    std::string readLine(long long timeoutMs, std::string& fault);

    std::string command_;
    pid_t pid_ = -1;
    int toEngine_ = -1;
    int fromEngine_ = -1;
    std::string buffer_;
    long long timeMs_ = 0;
};

} // namespace kesto::match

#include "MatchEngine.h"

#include "GameLines.h"
#include "brain/Coordinates.h"

#include <chrono>
#include <csignal>
#include <poll.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace kesto::match {

namespace {

using Clock = std::chrono::steady_clock;

// How long an engine may take to start, and to answer beyond its time
// before it is given up for dead.
constexpr long long kStartMs = 5000;
constexpr long long kDeadAfterMs = 2000;

} // namespace

EngineProcess::~EngineProcess()
{
    if (pid_ <= 0) {
        return;
    }
    send("END");
    ::close(toEngine_);
    ::close(fromEngine_);
    for (int waited = 0; waited < 50; ++waited) {
        if (::waitpid(pid_, nullptr, WNOHANG) == pid_) {
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
}

std::string EngineProcess::start(long long timeMs)
{
    std::signal(SIGPIPE, SIG_IGN); // a dead engine is noticed by its silence
    timeMs_ = timeMs;
    int input[2];
    int output[2];
    if (::pipe(input) != 0 || ::pipe(output) != 0) {
        return "no pipes";
    }
    pid_ = ::fork();
    if (pid_ == 0) {
        ::dup2(input[0], STDIN_FILENO);
        ::dup2(output[1], STDOUT_FILENO);
        ::close(input[0]);
        ::close(input[1]);
        ::close(output[0]);
        ::close(output[1]);
        ::execl("/bin/sh", "sh", "-c", command_.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(input[0]);
    ::close(output[1]);
    toEngine_ = input[1];
    fromEngine_ = output[0];
    if (pid_ < 0) {
        return "could not start";
    }
    send("START " + std::to_string(kBoardSide));
    std::string fault;
    const std::string reply = readLine(kStartMs, fault);
    if (reply != "OK") {
        return fault.empty() ? "refused the game: " + reply.substr(0, 80) : fault;
    }
    send("INFO timeout_turn " + std::to_string(timeMs));
    send("INFO timeout_match 0");
    send("INFO rule 0"); // five or more wins
    return {};
}

void EngineProcess::send(const std::string& line)
{
    const std::string text = line + "\n";
    std::size_t sent = 0;
    while (sent < text.size()) {
        const ssize_t written = ::write(toEngine_, text.data() + sent, text.size() - sent);
        if (written <= 0) {
            return;
        }
        sent += static_cast<std::size_t>(written);
    }
}

std::string EngineProcess::readLine(long long timeoutMs, std::string& fault)
{
    const auto until = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        const auto newline = buffer_.find('\n');
        if (newline != std::string::npos) {
            std::string line = buffer_.substr(0, newline);
            buffer_.erase(0, newline + 1);
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            if (line.rfind("MESSAGE", 0) == 0 || line.rfind("DEBUG", 0) == 0) {
                continue;
            }
            return line;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now()).count();
        pollfd ready{fromEngine_, POLLIN, 0};
        if (left <= 0 || ::poll(&ready, 1, static_cast<int>(left)) <= 0) {
            fault = "no answer";
            return {};
        }
        char chunk[4096];
        const ssize_t got = ::read(fromEngine_, chunk, sizeof chunk);
        if (got <= 0) {
            fault = "crashed or quit";
            return {};
        }
        buffer_.append(chunk, static_cast<std::size_t>(got));
    }
}

EngineProcess::Answer EngineProcess::move(const Board& board, std::int16_t stone,
                                          const std::vector<CellIndex>& moves, bool toldBoard)
{
    const auto started = Clock::now();
    if (toldBoard) {
        send("TURN " + brain::coordinates(moves.back()));
    } else if (moves.empty()) {
        send("BEGIN");
    } else {
        send("BOARD");
        for (CellIndex cell : moves) {
            send(brain::coordinates(cell) + (board.at(cell) == stone ? ",1" : ",2"));
        }
        send("DONE");
    }
    Answer answer;
    const std::string line = readLine(timeMs_ + kDeadAfterMs, answer.fault);
    answer.ms = std::chrono::duration<double, std::milli>(Clock::now() - started).count();
    if (answer.fault.empty()) {
        const auto cell = parseCell(line);
        if (!cell) {
            answer.fault = "answered \"" + line.substr(0, 80) + "\"";
        } else {
            answer.cell = *cell;
        }
    }
    return answer;
}

} // namespace kesto::match

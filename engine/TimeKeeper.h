#pragma once

#include "game/GameState.h"

#include <atomic>
#include <chrono>

namespace kesto::engine {

// What a tournament (or the window) allows the computer player: time per
// move, for the whole game and what is left of it, all in milliseconds.
// Zero per move means "as fast as you can"; zero for the game, no limit.
struct TimeRules {
    long long turnMs = 1000;
    long long matchMs = 0;
    long long leftMs = -1; // not told
};

// Thrown where a search must stop: out of time, or told to stop.
class TimeUp {};

// The clock of one move: when to stop starting new work (the soft limit),
// when to stop at once (the hard limit), and a stop flag from outside.
class Deadline {
public:
    using Clock = std::chrono::steady_clock;

    Deadline() = default;
    Deadline(std::chrono::milliseconds budget, const std::atomic<bool>* stop);

    // A bound by work instead of time: TimeUp comes at the `nodes`th tick,
    // the same on any machine, however busy.
    static Deadline ofNodes(long nodes, const std::atomic<bool>* stop = nullptr);

    // Throws TimeUp past the hard limit or once told to stop; reads the
    // clock only every so many calls, so it is cheap to call at every node.
    void tick()
    {
        if ((++ticks_ & kTicksPerRead) == 0 || ticks_ == nodeLimit_) {
            check();
        }
    }
    void check() const;
    // Whether the share `percent`% of the budget has gone.
    bool spent(int percent) const;
    // A limit of its own for a part of the thinking: while a Share lives,
    // the hard limit is `percent`% of the budget, counted from the start.
    class Share;

private:
    static constexpr long kTicksPerRead = 31;

    Clock::time_point start_ = Clock::now();
    Clock::time_point hard_ = start_;
    std::chrono::milliseconds budget_{0};
    const std::atomic<bool>* stop_ = nullptr;
    long ticks_ = 0;
    long nodeLimit_ = 0; // 0: bounded by time alone
};

class Deadline::Share {
public:
    Share(Deadline& deadline, int percent);
    ~Share() { deadline_.hard_ = saved_; }
    Share(const Share&) = delete;
    Share& operator=(const Share&) = delete;

private:
    Deadline& deadline_;
    Clock::time_point saved_;
};

// Plans the time of each move from the rules: about a move's share of what
// is left, never more than the time per move, less a margin for reading,
// writing and the coarseness of the tournament's clock.
class TimeKeeper {
public:
    static std::chrono::milliseconds plan(const TimeRules& rules, const Board& board);
};

} // namespace kesto::engine

#pragma once

#include "Limits.h"
#include "game/GameState.h"

#include <atomic>
#include <chrono>
#include <limits>

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
    // The bounds of `limits` by time and by work: past the `nodes`th tick,
    // TimeUp comes the same on any machine, however busy.
    Deadline(const Limits& limits, const std::atomic<bool>* stop);

    // Throws TimeUp past the hard limit or once told to stop; reads the
    // clock only every so many calls, so it is cheap to call at every node.
    void tick()
    {
        if ((++ticks_ & kTicksPerRead) == 0 || ticks_ >= hardNodes_) {
            check();
        }
    }
    void check() const;
    // How many ticks there have been: the positions looked at.
    long ticks() const { return ticks_; }
    // Whether the share `percent`% of the budget (of time, of work, or of
    // either) has gone.
    bool spent(int percent) const;
    // A limit of its own for a part of the thinking: while a Share lives,
    // the hard limit is `percent`% of the budget, counted from the start.
    class Share;

private:
    static constexpr long kTicksPerRead = 31;

    Clock::time_point start_ = Clock::now();
    Clock::time_point hard_ = start_;
    std::chrono::milliseconds budget_{0};
    bool timed_ = true;
    const std::atomic<bool>* stop_ = nullptr;
    long ticks_ = 0;
    long nodes_ = 0; // the whole budget of work; 0: no bound by work
    long hardNodes_ = std::numeric_limits<long>::max(); // where the work stops now, shares included
};

class Deadline::Share {
public:
    Share(Deadline& deadline, int percent);
    ~Share()
    {
        deadline_.hard_ = saved_;
        deadline_.hardNodes_ = savedNodes_;
    }
    Share(const Share&) = delete;
    Share& operator=(const Share&) = delete;

private:
    Deadline& deadline_;
    Clock::time_point saved_;
    long savedNodes_;
};

// Plans the time of each move from the rules: about a move's share of what
// is left, never more than the time per move, less a margin for reading,
// writing and the coarseness of the tournament's clock.
class TimeKeeper {
public:
    static std::chrono::milliseconds plan(const TimeRules& rules, const Board& board);
};

} // namespace kesto::engine

#include "TimeKeeper.h"

#include <algorithm>

namespace kesto::engine {

namespace {

// Kept back from the time per move: an eighth of it, at least 30 ms and at
// most 100 ms.
constexpr long long kLeastMargin = 30;
constexpr long long kMostMargin = 100;
constexpr long long kMarginShare = 8;
// The moves still to come that what is left of the game's time is spread
// over: about half the empty cells, within these bounds.
constexpr int kFewestMovesAhead = 5;
constexpr int kMostMovesAhead = 20;

} // namespace

Deadline::Deadline(const Limits& limits, const std::atomic<bool>* stop)
    : budget_(limits.time.value_or(std::chrono::milliseconds{0})),
      timed_(limits.time.has_value()),
      stop_(stop),
      nodes_(std::max(0L, limits.nodes)),
      hardNodes_(nodes_ > 0 ? nodes_ : std::numeric_limits<long>::max())
{
    hard_ = timed_ ? start_ + budget_ : Clock::time_point::max();
}

void Deadline::check() const
{
    if ((stop_ != nullptr && stop_->load(std::memory_order_relaxed)) || ticks_ >= hardNodes_
        || (timed_ && Clock::now() > hard_)) {
        throw TimeUp();
    }
}

bool Deadline::spent(int percent) const
{
    return (timed_ && Clock::now() - start_ > budget_ * percent / 100)
        || (nodes_ > 0 && ticks_ >= nodes_ * percent / 100);
}

Deadline::Share::Share(Deadline& deadline, int percent)
    : deadline_(deadline), saved_(deadline.hard_), savedNodes_(deadline.hardNodes_)
{
    if (deadline_.timed_) {
        deadline_.hard_ = std::min(saved_, deadline_.start_ + deadline_.budget_ * percent / 100);
    }
    if (deadline_.nodes_ > 0) {
        // At least one tick past what is spent, so that a share always ends.
        const long share = std::max(1L, deadline_.nodes_ * percent / 100);
        deadline_.hardNodes_ = std::min(savedNodes_, std::max(share, deadline_.ticks_ + 1));
    }
}

std::chrono::milliseconds TimeKeeper::plan(const TimeRules& rules, const Board& board)
{
    int emptyCells = 0;
    for (int cell = 1; cell <= kCellCount; ++cell) {
        emptyCells += board.at(cell) == kEmpty ? 1 : 0;
    }
    long long allowed = std::max(0LL, rules.turnMs);
    // Before the tournament says what is left, the whole game's time is.
    const long long left = rules.leftMs >= 0 ? rules.leftMs : rules.matchMs > 0 ? rules.matchMs : -1;
    if (left >= 0) {
        const int movesAhead = std::clamp(emptyCells / 2, kFewestMovesAhead, kMostMovesAhead);
        allowed = std::min(allowed, left / movesAhead);
    }
    const long long margin = std::clamp(allowed / kMarginShare, kLeastMargin, kMostMargin);
    return std::chrono::milliseconds(std::max(0LL, allowed - margin));
}

} // namespace kesto::engine

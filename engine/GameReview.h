#pragma once

#include "ForcedWin.h"
#include "game/GameState.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace kesto::engine {

// Reads a game back move by move with the forced-win search: whether each
// move left the opponent a forced win, which moves there would have held,
// and whether the mover had a forced win of its own. Each question is
// bounded by work, not time, so the answers are the same on any machine.
class GameReview {
public:
    // What each move is asked: whether a forced win of this kind, in so
    // many threats, can be found with so much work.
    struct Question {
        Attack kind = Attack::ThreesAndFours;
        int threats = 7;      // threats in the forced wins looked for
        long nodes = 200000;  // work allowed a question
    };

    // What a move left the opponent.
    enum class Verdict : char {
        Holds = '-',   // no forced win that the search found
        Lost = 'L',    // a forced win for the opponent
        Unknown = '?', // no answer within the bound
        Wins = 'W',    // the move made five: a win, never a loss
    };

    struct Move {
        Verdict verdict = Verdict::Holds;
        // The moves near the stones that would have held (a five among
        // them), and how many such moves there were.
        std::vector<CellIndex> holding;
        int tried = 0;
        // The first move of the mover's own forced win, if it had one.
        CellIndex ownWin = 0;
        bool ownWinUnknown = false; // no answer within the bound
    };

    // Where a side's play turned: its first move after which the opponent
    // had a forced win, and one move there that would have held (0: none).
    struct Turn {
        std::size_t move = 0; // counted from 0
        CellIndex holds = 0;
    };
    // A forced win of its own that a side let go: the first move at which it
    // had one, in a game it did not win, and where the win began.
    struct LetGo {
        std::size_t move = 0;
        CellIndex from = 0;
    };
    // A whole game read back: for the first side (index 0) and the second.
    struct Summary {
        std::array<std::optional<Turn>, 2> turning;
        std::array<std::optional<LetGo>, 2> letGo;
        std::optional<std::size_t> winner; // the side that made five, if one did
        bool complete = true;              // false when stopped part-way
    };
    // Told after each move read, with how many of how many are done.
    using Progress = std::function<void(std::size_t done, std::size_t total)>;

    // `stop`, when given and set, cuts every question short.
    explicit GameReview(Question question, const std::atomic<bool>* stop = nullptr)
        : question_(question), stop_(stop)
    {
    }

    // Reads `moves` back from the first, the sides taking turns.
    Summary review(const std::vector<CellIndex>& moves, const Progress& progress = {});

    // `player`'s stone on `played`, with `board` as it stood before it.
    Move judge(const Board& board, std::int16_t player, CellIndex played);

    // What `player`'s stone on `cell` leaves the opponent on `board`.
    Verdict after(const Board& board, std::int16_t player, CellIndex cell);

private:
    CellIndex ownWin(const Board& board, std::int16_t player, bool& unknown);

    Question question_;
    const std::atomic<bool>* stop_;
    ForcedWin forcedWin_;
};

} // namespace kesto::engine

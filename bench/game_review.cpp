// Where a game turned: for every move of a recorded game, whether the player
// who made it had left the other a forced win by threes and fours, which of
// its moves there would have held, and whether it had a forced win of its
// own to play. Reads games from standard input, one a line, as brain_match
// --record writes them (or bare "x,y" cells). A study aid for the engine's
// losses and draws, not a test.

#include "Arguments.h"
#include "MatchOptions.h"
#include "brain/Coordinates.h"
#include "engine/ForcedWin.h"
#include "engine/Position.h"

#include <chrono>
#include <cstdio>
#include <iostream>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using kesto::Board;
using kesto::CellIndex;
using kesto::engine::Side;

constexpr const char* kUsage =
    "Usage: game_review [options] < RECORD\n"
    "For each move of each game (a line as brain_match --record writes it, or bare x,y\n"
    "cells), says whether it left the opponent a forced win by threes and fours,\n"
    "which moves there would have held, and where the mover's own forced win began\n"
    "if it had one (in a game it did not win, a win let go; \"win ?\": no answer in time).\n"
    "  --opening N   stones laid before the players chose (default 4): not reviewed\n"
    "  --threats N   threats in the forced wins looked for (default 7)\n"
    "  --time MS     time for each question (default 3000); past it the answer is \"?\"\n"
    "  --help        this text\n";

constexpr int kListedAtMost = 8; // moves that hold, named when no more than this

struct Options {
    int opening = 4;
    int threats = 7;
    std::chrono::milliseconds perQuestion{3000};
};

enum class Verdict : char { Holds = '-', Lost = 'L', Unknown = '?' };

class Reviewer {
public:
    explicit Reviewer(const Options& options) : options_(options) {}

    // Whether `player`'s stone on `cell` leaves the other player a forced win.
    Verdict after(const Board& board, std::int16_t player, CellIndex cell)
    {
        kesto::engine::Position position;
        position.load(board, player);
        const kesto::engine::TriedStone stone(position, cell, Side::Own);
        kesto::engine::Deadline deadline(options_.perQuestion, nullptr);
        try {
            return forcedWin_.wins(position, Side::Opponent, kesto::engine::Attack::ThreesAndFours,
                                   options_.threats, deadline)
                       ? Verdict::Lost
                       : Verdict::Holds;
        } catch (const kesto::engine::TimeUp&) {
            return Verdict::Unknown;
        }
    }

    void review(const std::vector<CellIndex>& moves)
    {
        Board board;
        for (std::size_t index = 0; index < moves.size(); ++index) {
            const std::int16_t player = index % 2 == 0 ? 1 : 2;
            if (board.at(moves[index]) != kesto::kEmpty) {
                throw std::runtime_error("a stone on a taken cell: " + kesto::brain::coordinates(moves[index]));
            }
            if (static_cast<int>(index) >= options_.opening) {
                reviewMove(board, player, index, moves[index]);
            }
            board.at(moves[index]) = player;
        }
    }

private:
    // What to add to the line of a move of `player`, who was to move: where
    // its shortest forced win began, if it had one.
    std::string ownWin(const Board& board, std::int16_t player)
    {
        kesto::engine::Position position;
        position.load(board, player);
        kesto::engine::Deadline deadline(options_.perQuestion, nullptr);
        try {
            const CellIndex first = forcedWin_.find(position, Side::Own, kesto::engine::Attack::ThreesAndFours,
                                                    options_.threats, deadline);
            return first == 0 ? "" : "  win from " + kesto::brain::coordinates(first);
        } catch (const kesto::engine::TimeUp&) {
            return "  win ?";
        }
    }

    void reviewMove(const Board& board, std::int16_t player, std::size_t index, CellIndex played)
    {
        kesto::engine::Position position;
        position.load(board, player);
        std::string holding;
        int holds = 0;
        int tried = 0;
        std::optional<Verdict> playedVerdict; // asked below if the move was far from every stone
        for (int value = 1; value <= kesto::kCellCount; ++value) {
            const auto cell = static_cast<CellIndex>(value);
            if (!position.isEmpty(cell) || !position.nearStone(cell)) {
                continue;
            }
            ++tried;
            const Verdict verdict = after(board, player, cell);
            if (cell == played) {
                playedVerdict = verdict;
            }
            if (verdict == Verdict::Holds) {
                ++holds;
                holding += ' ';
                holding += kesto::brain::coordinates(cell);
            }
        }
        if (holds > kListedAtMost) {
            holding.clear(); // the move was free: no need to say where
        }
        const Verdict verdict = playedVerdict ? *playedVerdict : after(board, player, played);
        const std::string winFrom = ownWin(board, player);
        std::printf("%3zu %s %-5s %c  %d of %d hold:%s%s\n", index + 1, player == 1 ? "first " : "second",
                    kesto::brain::coordinates(played).c_str(), static_cast<char>(verdict),
                    holds, tried, holding.c_str(), winFrom.c_str());
    }

    Options options_;
    kesto::engine::ForcedWin forcedWin_;
};

Options parseOptions(int argc, char* argv[], bool& help)
{
    Options options;
    help = !kesto::bench::readOptions(argc, argv, [&](const std::string& argument, const std::string& value) {
        using kesto::bench::wholeNumber;
        if (argument == "--opening") {
            options.opening = static_cast<int>(wholeNumber(value, 0, kesto::kCellCount, argument));
        } else if (argument == "--threats") {
            options.threats = static_cast<int>(wholeNumber(value, 1, 20, argument));
        } else if (argument == "--time") {
            options.perQuestion = std::chrono::milliseconds(wholeNumber(value, 1, 3600000, argument));
        } else {
            throw std::runtime_error("unknown option " + argument + " (see --help)");
        }
    });
    return options;
}

} // namespace

int main(int argc, char* argv[])
{
    try {
        bool help = false;
        const Options options = parseOptions(argc, argv, help);
        if (help) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        // "L": the move left the opponent a forced win; "-": it did not;
        // "?": no answer in time.
        Reviewer reviewer(options);
        std::string line;
        while (std::getline(std::cin, line)) {
            const std::vector<CellIndex> moves = kesto::match::cellsOfLine(line);
            if (moves.empty()) {
                continue;
            }
            std::printf("%s\n", line.substr(0, line.find(':')).c_str());
            reviewer.review(moves);
        }
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "game_review: %s\n", error.what());
        return 2;
    }
}

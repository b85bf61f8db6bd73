// Where a game turned: for every move of a recorded game, whether the player
// who made it had left the other a forced win by threes and fours, which of
// its moves there would have held, and whether it had a forced win of its
// own to play. Reads games from standard input, one a line, as brain_match
// --record writes them (or bare "x,y" cells). A study aid for the engine's
// losses and draws, not a test.

#include "Arguments.h"
#include "GameLines.h"
#include "brain/Coordinates.h"
#include "engine/GameReview.h"

#include <cstdio>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using kesto::Board;
using kesto::CellIndex;
using kesto::engine::GameReview;

constexpr const char* kUsage =
    "Usage: game_review [options] < RECORD\n"
    "For each move of each game (a line as brain_match --record writes it, or bare x,y\n"
    "cells), says whether it left the opponent a forced win by threes and fours (L),\n"
    "made five (W) or neither (-), which moves there would have held, and where the\n"
    "mover's own forced win began if it had one (in a game it did not win, a win let\n"
    "go; \"win ?\": no answer within the bound).\n"
    "  --opening N   stones laid before the players chose (default 4): not reviewed\n"
    "  --threats N   threats in the forced wins looked for (default 7)\n"
    "  --nodes N     work allowed each question (default 1000000); past it the answer\n"
    "                is \"?\", the same on any machine\n"
    "  --help        this text\n";

constexpr int kListedAtMost = 8; // moves that hold, named when no more than this

struct Options {
    int opening = 4;
    GameReview::Question question{kesto::engine::Attack::ThreesAndFours, 7, 1000000};
};

void review(GameReview& reviewer, const Options& options, const std::vector<CellIndex>& moves)
{
    Board board;
    for (std::size_t index = 0; index < moves.size(); ++index) {
        const std::int16_t player = index % 2 == 0 ? 1 : 2;
        if (board.at(moves[index]) != kesto::kEmpty) {
            throw std::runtime_error("a stone on a taken cell: " + kesto::brain::coordinates(moves[index]));
        }
        if (static_cast<int>(index) >= options.opening) {
            const GameReview::Move move = reviewer.judge(board, player, moves[index]);
            std::string holding;
            if (move.holding.size() <= kListedAtMost) { // more: the move was free, no need to say where
                for (CellIndex cell : move.holding) {
                    holding += ' ' + kesto::brain::coordinates(cell);
                }
            }
            const std::string winFrom = move.ownWinUnknown ? "  win ?"
                                        : move.ownWin != 0 ? "  win from " + kesto::brain::coordinates(move.ownWin)
                                                           : "";
            std::printf("%3zu %s %-5s %c  %zu of %d hold:%s%s\n", index + 1, player == 1 ? "first " : "second",
                        kesto::brain::coordinates(moves[index]).c_str(), static_cast<char>(move.verdict),
                        move.holding.size(), move.tried, holding.c_str(), winFrom.c_str());
        }
        board.at(moves[index]) = player;
    }
}

Options parseOptions(int argc, char* argv[], bool& help)
{
    Options options;
    help = !kesto::bench::readOptions(argc, argv, [&](const std::string& argument, const std::string& value) {
        using kesto::bench::wholeNumber;
        if (argument == "--opening") {
            options.opening = static_cast<int>(wholeNumber(value, 0, kesto::kCellCount, argument));
        } else if (argument == "--threats") {
            options.question.threats = static_cast<int>(wholeNumber(value, 1, 20, argument));
        } else if (argument == "--nodes") {
            options.question.nodes = static_cast<long>(wholeNumber(value, 1, 1000000000000, argument));
        } else {
            throw kesto::bench::UsageError("unknown option " + argument + " (see --help)");
        }
    });
    return options;
}

} // namespace

int main(int argc, char* argv[])
{
    return kesto::bench::runProgram("game_review", [&] {
        bool help = false;
        const Options options = parseOptions(argc, argv, help);
        if (help) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        GameReview reviewer(options.question);
        std::string line;
        while (std::getline(std::cin, line)) {
            const std::vector<CellIndex> moves = kesto::match::cellsOfLine(line);
            if (moves.empty()) {
                continue;
            }
            std::printf("%s\n", line.substr(0, line.find(':')).c_str());
            review(reviewer, options, moves);
        }
        return 0;
    });
}

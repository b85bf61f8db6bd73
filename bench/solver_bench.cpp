// How fast the forced-win solver answers: for positions of recorded games,
// whether the side to move wins by threes and fours within so many threats,
// timed question by question. Reads games from standard input, one a line,
// as brain_match --record writes them (or bare "x,y" cells). The solver
// keeps what it proved from one position of a game to the next, as it does
// in play. Prints figures; not a test.

#include "Arguments.h"
#include "GameLines.h"
#include "engine/ForcedWin.h"
#include "engine/Position.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using kesto::CellIndex;
using kesto::engine::Side;
using Millis = std::chrono::duration<double, std::milli>;

constexpr const char* kUsage =
    "Usage: solver_bench [options] < RECORD\n"
    "Asks the forced-win solver, in positions of recorded games (a line as brain_match\n"
    "--record writes it, or bare x,y cells), whether the side to move wins by threes\n"
    "and fours, and prints how many it proved, how many ran out of time and how long\n"
    "the questions took.\n"
    "  --threats N   threats in the forced wins looked for (default 7)\n"
    "  --every N     ask after every Nth move (default 3)\n"
    "  --opening N   stones laid before the players chose (default 4): not asked\n"
    "  --time MS     time for each question (default 2000)\n"
    "  --help        this text\n";

struct Options {
    int threats = 7;
    int every = 3;
    int opening = 4;
    std::chrono::milliseconds perQuestion{2000};
};

struct Figures {
    std::vector<double> millis;
    int proved = 0;
    int timedOut = 0;
    long long positions = 0; // looked at by the solver, in all
};

// Asks the question after each chosen move of one game.
void askAlong(const std::vector<CellIndex>& moves, const Options& options, Figures& figures)
{
    kesto::engine::Position position;
    kesto::engine::ForcedWin forcedWin;
    Side mover = Side::Own;
    for (std::size_t index = 0; index < moves.size(); ++index) {
        if (!position.isEmpty(moves[index])) {
            throw std::runtime_error("a stone on a taken cell in a recorded game");
        }
        position.place(moves[index], mover);
        mover = kesto::engine::opponent(mover);
        const auto played = static_cast<int>(index) + 1;
        if (played < options.opening || played % options.every != 0 || index + 1 == moves.size()) {
            continue;
        }
        kesto::engine::Deadline deadline(kesto::engine::Limits::ofTime(options.perQuestion), nullptr);
        const auto start = std::chrono::steady_clock::now();
        try {
            figures.proved += forcedWin.wins(position, mover, kesto::engine::Attack::ThreesAndFours,
                                             options.threats, deadline)
                                  ? 1
                                  : 0;
        } catch (const kesto::engine::TimeUp&) {
            ++figures.timedOut;
        }
        figures.millis.push_back(Millis(std::chrono::steady_clock::now() - start).count());
        figures.positions += deadline.ticks();
    }
}

void print(Figures& figures, const Options& options)
{
    std::vector<double>& millis = figures.millis;
    if (millis.empty()) {
        std::printf("no positions asked\n");
        return;
    }
    std::sort(millis.begin(), millis.end());
    double total = 0;
    for (double ms : millis) {
        total += ms;
    }
    const auto percentile = [&](std::size_t percent) { return millis.at(millis.size() * percent / 100); };
    std::printf("%zu positions, %d threats: %d forced wins, %d out of time; %lld positions looked at\n",
                millis.size(), options.threats, figures.proved, figures.timedOut, figures.positions);
    std::printf("ms a question: mean %.2f, median %.2f, 90%% %.2f, 99%% %.2f, most %.1f\n",
                total / static_cast<double>(millis.size()), percentile(50), percentile(90), percentile(99),
                millis.back());
}

Options parseOptions(int argc, char* argv[], bool& help)
{
    Options options;
    help = !kesto::bench::readOptions(argc, argv, [&](const std::string& argument, const std::string& value) {
        using kesto::bench::wholeNumber;
        if (argument == "--threats") {
            options.threats = static_cast<int>(wholeNumber(value, 1, 20, argument));
        } else if (argument == "--every") {
            options.every = static_cast<int>(wholeNumber(value, 1, kesto::kCellCount, argument));
        } else if (argument == "--opening") {
            options.opening = static_cast<int>(wholeNumber(value, 0, kesto::kCellCount, argument));
        } else if (argument == "--time") {
            options.perQuestion = std::chrono::milliseconds(wholeNumber(value, 1, 3600000, argument));
        } else {
            throw kesto::bench::UsageError("unknown option " + argument + " (see --help)");
        }
    });
    return options;
}

} // namespace

int main(int argc, char* argv[])
{
    return kesto::bench::runProgram("solver_bench", [&] {
        bool help = false;
        const Options options = parseOptions(argc, argv, help);
        if (help) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        Figures figures;
        std::string line;
        while (std::getline(std::cin, line)) {
            askAlong(kesto::match::cellsOfLine(line), options, figures);
        }
        print(figures, options);
        return 0;
    });
}

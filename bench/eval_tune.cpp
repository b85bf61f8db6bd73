// Fits the evaluation's weights to the outcomes of recorded games (Texel's
// way): each position the search would judge by its evaluation is a
// sample, scored 1, 1/2 or 0 by how the game ended for the side to move,
// and the weights are chosen so that the evaluation, read as odds, foretells
// those scores best. Prints the fit for engine/ShapeWeights.h. A tool for
// the engine's developer, not a test.

#include "Arguments.h"
#include "TuningSamples.h"
#include "WeightFit.h"

#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using kesto::tuning::EvaluationWeights;
using kesto::tuning::Sample;

constexpr const char* kUsage =
    "Usage: eval_tune [options] RECORD...\n"
    "Fits the evaluation's weights for the side to move and the side that waits to\n"
    "the games of RECORD files (as brain_match --record writes them), starting from\n"
    "the weights the engine has, and prints them. Every fifth game is kept aside to\n"
    "check the fit on games it did not see.\n"
    "  --rounds N   passes of gradient descent (default 2000)\n"
    "  --help       this text\n";

constexpr int kDefaultRounds = 2000;
constexpr int kAsideEvery = 5;

struct Games {
    std::vector<Sample> fitted;
    std::vector<Sample> aside;
    int read = 0;
    int skipped = 0;
};

void readRecord(const std::string& path, Games& games)
{
    std::ifstream in(path);
    if (!in) {
        throw std::runtime_error("cannot read " + path);
    }
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty()) {
            continue;
        }
        std::vector<Sample>& into = games.read % kAsideEvery == kAsideEvery - 1 ? games.aside : games.fitted;
        if (kesto::tuning::samplesOfGame(line, into)) {
            ++games.read;
        } else {
            ++games.skipped;
        }
    }
}

void printWeights(const char* name, const kesto::engine::ShapeWeights& weights)
{
    std::printf("inline constexpr ShapeWeights %s{{", name);
    for (std::size_t i = 0; i < weights.lines.size(); ++i) {
        std::printf("%s%d", i == 0 ? "" : ", ", weights.lines[i]);
    }
    std::printf("}, {");
    for (std::size_t i = 0; i < weights.meetings.size(); ++i) {
        std::printf("%s%d", i == 0 ? "" : ", ", weights.meetings[i]);
    }
    std::printf("}};\n");
}

void printError(const char* what, const Games& games, const EvaluationWeights& weights)
{
    std::printf("%-18s error %.6f on the games fitted, %.6f on the games aside\n", what,
                kesto::tuning::predictionError(games.fitted, weights),
                kesto::tuning::predictionError(games.aside, weights));
}

} // namespace

int main(int argc, char* argv[])
{
    return kesto::bench::runProgram("eval_tune", [&] {
        int rounds = kDefaultRounds;
        Games games;
        std::vector<std::string> records;
        for (int i = 1; i < argc; ++i) {
            const std::string argument = argv[i];
            if (argument == "--help" || argument == "-h") {
                std::fputs(kUsage, stdout);
                return 0;
            }
            if (argument == "--rounds") {
                rounds = static_cast<int>(
                    kesto::bench::wholeNumber(kesto::bench::valueOf(argument, i, argc, argv), 1, 1000000, argument));
            } else if (argument.rfind("--", 0) == 0) {
                throw kesto::bench::UsageError("unknown option " + argument + " (see --help)");
            } else {
                records.push_back(argument);
            }
        }
        if (records.empty()) {
            throw kesto::bench::UsageError("no record given (see --help)");
        }
        for (const std::string& path : records) {
            readRecord(path, games);
        }
        std::printf("%d games read (%d skipped: no result, or not won by a five): %zu positions fitted, %zu aside\n",
                    games.read, games.skipped, games.fitted.size(), games.aside.size());
        const EvaluationWeights start{kesto::engine::kToMoveWeights, kesto::engine::kWaitingWeights};
        printError("weights as built:", games, start);
        const EvaluationWeights fitted = kesto::tuning::fitWeights(games.fitted, start, rounds);
        printError("weights fitted:", games, fitted);
        printWeights("kToMoveWeights", fitted.toMove);
        printWeights("kWaitingWeights", fitted.waiting);
        return 0;
    });
}

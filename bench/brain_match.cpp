// Plays two tournament-protocol engines against each other on 10 x 10 and
// prints how they fared: a progress line per game, then wins, draws and
// losses of the first engine (with each colour, and by opening), its score
// with a 95% interval, the Elo difference that implies, and think times. An
// illegal move, a crash, no answer or an answer past its time loses the game.
//
// Each opening is played twice, each engine moving first once. Openings are
// random stones in the middle 4 x 4 of the board, or read from a file: one
// opening a line, cells "x,y" separated by blanks, the first player's first.
// The games can be written down in the same form, to replay them.

#include "Arguments.h"
#include "GameLines.h"
#include "MatchEngine.h"
#include "MatchOptions.h"
#include "MatchTally.h"
#include "brain/Coordinates.h"
#include "game/LineTest.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <random>

namespace {

using kesto::Board;
using kesto::CellIndex;
using kesto::match::EngineProcess;
using kesto::match::Options;

struct Opening {
    std::vector<CellIndex> cells; // alternately the first and the second player's
};

using Result = kesto::match::MatchTally::Result;

struct Tally {
    kesto::match::MatchTally results; // the first engine's
    std::vector<double> thinkMs[2];   // per engine
};

std::vector<Opening> randomOpenings(const Options& options)
{
    std::mt19937 random(options.seed);
    std::vector<Opening> openings;
    for (int game = 0; game < (options.games + 1) / 2; ++game) {
        Board board;
        Opening opening;
        while (static_cast<int>(opening.cells.size()) < 2 * options.openingStones) {
            const CellIndex cell = kesto::cellAt(4 + static_cast<int>(random() % 4),
                                                 4 + static_cast<int>(random() % 4));
            if (board.at(cell) == kesto::kEmpty) {
                board.at(cell) = 1;
                opening.cells.push_back(cell);
            }
        }
        openings.push_back(opening);
    }
    return openings;
}

std::vector<Opening> fileOpenings(const std::string& path)
{
    std::vector<Opening> openings;
    for (std::vector<CellIndex>& cells : kesto::match::readOpenings(path)) {
        openings.push_back({std::move(cells)});
    }
    return openings;
}

struct GameResult {
    int winner = -1; // 0 or 1: which engine; -1: a draw
    std::string how;
    int moves = 0;
};

// One game, engine `first` moving first after the opening's stones in
// `moves`; `moves` receives the rest of the game.
GameResult playGame(const Options& options, std::vector<CellIndex>& moves, int first, Tally& tally)
{
    std::array<EngineProcess, 2> engines{EngineProcess(options.commands[0]),
                                         EngineProcess(options.commands[1])};
    for (int e = 0; e < 2; ++e) {
        // An engine that cannot start has not lost a game: the match is
        // void.
        if (auto fault = engines.at(e).start(options.timeMs); !fault.empty()) {
            throw std::runtime_error("engine " + std::to_string(e + 1) + " (" + options.commands.at(e)
                                     + ") cannot start: " + fault);
        }
    }
    Board board; // 1: the first mover's stones, 2: the other's
    std::array<bool, 2> toldBoard{false, false};
    for (std::size_t i = 0; i < moves.size(); ++i) {
        board.at(moves[i]) = static_cast<std::int16_t>(i % 2 + 1);
    }
    for (int turn = static_cast<int>(moves.size());; ++turn) {
        if (turn == kesto::kCellCount) {
            return {-1, "full board", turn};
        }
        const int mover = turn % 2 == 0 ? first : 1 - first;
        const auto stoneOf = static_cast<std::int16_t>(turn % 2 + 1);
        EngineProcess& engine = engines.at(mover);
        const auto answer = engine.move(board, stoneOf, moves, toldBoard.at(mover));
        toldBoard.at(mover) = true;
        if (!answer.fault.empty()) {
            return {1 - mover, answer.fault, turn};
        }
        tally.thinkMs[mover].push_back(answer.ms);
        if (answer.ms > static_cast<double>(options.timeMs + options.graceMs)) {
            return {1 - mover, "over its time (" + std::to_string(static_cast<int>(answer.ms)) + " ms)", turn};
        }
        if (board.at(answer.cell) != kesto::kEmpty) {
            return {1 - mover, "played on a taken cell", turn};
        }
        board.at(answer.cell) = stoneOf;
        moves.push_back(answer.cell);
        kesto::WinLine line;
        if (kesto::completesLine(board, answer.cell, stoneOf, line)) {
            return {mover, "five in a row", turn + 1};
        }
    }
}

double median(std::vector<double> values)
{
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void summary(const Options& options, const Tally& tally)
{
    using Interval = kesto::match::MatchTally::Interval;
    const kesto::match::MatchTally& results = tally.results;
    const double score = results.score();
    const auto elo = [](double s) { return 400.0 * std::log10(s / (1.0 - s)); };
    // At 0 or 100% the Elo difference has no middle and no bound on one
    // side: only the other, one-sided, is said.
    const auto interval = [&](const char* from, Interval both, Interval oneSided) {
        std::printf("score %.1f%% (95%% interval %s %.1f%% to %.1f%%), ", 100 * score, from, 100 * both.low,
                    100 * both.high);
        if (score >= 1) {
            std::printf("Elo difference at least %+.0f (one-sided 95%%)\n", elo(oneSided.low));
        } else if (score <= 0) {
            std::printf("Elo difference at most %+.0f (one-sided 95%%)\n", elo(oneSided.high));
        } else {
            std::printf("Elo difference %+.0f (%+.0f to %+.0f)\n", elo(score), elo(both.low), elo(both.high));
        }
    };
    const auto counted = [](int count, const char* one, const char* many) {
        return std::to_string(count) + " " + (count == 1 ? one : many);
    };
    std::printf("\n%s against %s, %d games, %lld ms a move\n", options.commands[0].c_str(),
                options.commands[1].c_str(), results.games(), options.timeMs);
    std::printf("first engine: %s, %s, %s\n", counted(results.count(Result::Win), "win", "wins").c_str(),
                counted(results.count(Result::Draw), "draw", "draws").c_str(),
                counted(results.count(Result::Loss), "loss", "losses").c_str());
    for (const bool first : {true, false}) {
        std::printf("  moving %-7s %d-%d-%d\n", first ? "first:" : "second:", results.count(first, Result::Win),
                    results.count(first, Result::Draw), results.count(first, Result::Loss));
    }
    constexpr double kOneSided = kesto::match::MatchTally::kOneSided95;
    interval("by game", results.gameInterval(), results.gameInterval(kOneSided));
    const auto pairs = results.pairs();
    std::printf("openings played both ways, by the first engine's points: 2: %d, 1.5: %d, 1: %d, 0.5: %d, 0: %d\n",
                pairs[0], pairs[1], pairs[2], pairs[3], pairs[4]);
    interval("by opening", results.pairInterval(), results.pairInterval(kOneSided));
    for (int e = 0; e < 2; ++e) {
        const auto& times = tally.thinkMs[e];
        std::printf("engine %d think ms: median %.0f, max %.0f over %zu moves\n", e + 1, median(times),
                    times.empty() ? 0.0 : *std::max_element(times.begin(), times.end()), times.size());
    }
}

} // namespace

int main(int argc, char* argv[])
{
    return kesto::bench::runProgram("brain_match", [&] {
        Options options;
        const auto parsed = kesto::match::parseOptions(argc, argv);
        if (!parsed) {
            std::fputs(kesto::match::kUsage, stdout);
            return 0;
        }
        options = *parsed;
        const std::vector<Opening> openings =
            options.openingsFile.empty() ? randomOpenings(options) : fileOpenings(options.openingsFile);
        const std::unique_ptr<std::FILE, int (*)(std::FILE*)> record(
            options.recordFile.empty() ? nullptr : std::fopen(options.recordFile.c_str(), "w"), &std::fclose);
        if (!options.recordFile.empty() && !record) {
            throw std::runtime_error("cannot write " + options.recordFile);
        }
        Tally tally;
        for (int game = 0; game < options.games; ++game) {
            const Opening& opening = openings.at(static_cast<std::size_t>(game / 2) % openings.size());
            const int first = game % 2;
            std::vector<CellIndex> moves = opening.cells;
            const GameResult result = playGame(options, moves, first, tally);
            tally.results.add(game / 2, first == 0,
                              result.winner < 0 ? Result::Draw : result.winner == 0 ? Result::Win : Result::Loss);
            std::printf("game %d/%d: engine %d first; %s (%s, %d moves) | engine 1: %d-%d-%d\n", game + 1,
                        options.games, first + 1,
                        result.winner < 0 ? "draw" : result.winner == 0 ? "engine 1 wins" : "engine 2 wins",
                        result.how.c_str(), result.moves, tally.results.count(Result::Win),
                        tally.results.count(Result::Draw), tally.results.count(Result::Loss));
            if (record) {
                std::fprintf(record.get(), "game %d, engine %d first, %s:", game + 1, first + 1,
                             result.winner < 0 ? "draw" : result.winner == 0 ? "engine 1 wins" : "engine 2 wins");
                for (CellIndex cell : moves) {
                    std::fprintf(record.get(), " %s", kesto::brain::coordinates(cell).c_str());
                }
                std::fputc('\n', record.get());
            }
            std::fflush(stdout);
        }
        summary(options, tally);
        return 0;
    });
}

// How well and how fast the computer plays: games against a simple opponent
// (take a win, else block a four, else the best quick score) and against
// itself, from varied openings: a few stones each, at random in the middle
// of the board. Against the simple opponent each opening is played twice,
// the engine moving first once and second once, unless one side is asked
// for. Prints results and think times; it is a measurement, not a test.
// With --verdicts it plays no games and only says which openings the
// engine's search proves lost before its first move.
//

#include "Arguments.h"
#include "GameLines.h"
#include "brain/Coordinates.h"
#include "engine/Engine.h"
#include "engine/Score.h"
#include "game/LineTest.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using kesto::Board;
using kesto::engine::Strength;
using kesto::CellIndex;
using Clock = std::chrono::steady_clock;

constexpr const char* kUsage =
    "Usage: engine_bench [options]\n"
    "Plays the computer against a simple opponent (take a win, else block a four, else the\n"
    "best quick score) and against itself, and prints results and think times. The\n"
    "defaults take about 40 minutes on one core.\n"
    "  --games N           games against the simple opponent (default 200)\n"
    "  --time MS           time per move (default 350)\n"
    "  --opening-stones K  random opening: K stones a side in the middle 4 x 4 (default 1)\n"
    "  --openings FILE     openings from FILE instead, one a line: cells \"x,y\" separated by\n"
    "                      blanks, the first player's first (as brain_match reads them)\n"
    "  --moving C          against the simple opponent, the computer moves first, second\n"
    "                      or both (default both: each opening twice)\n"
    "  --self-play N       games against itself (default as many as --games)\n"
    "  --level L           easy, medium, hard or strongest (default strongest)\n"
    "  --verdicts MS       play no games: for each opening, the computer thinks MS on its\n"
    "                      first move alone, and the openings its search proves lost are\n"
    "                      counted (against the simple opponent's first move, where the\n"
    "                      computer moves second)\n"
    "  --help              this text\n";

// Which side of each opening the computer takes against the simple opponent.
enum class Moving { First, Second, Both };

struct Options {
    int games = 200;
    std::chrono::milliseconds budget{350};
    int openingStones = 1;
    std::string openingsFile;
    std::vector<std::vector<CellIndex>> openings; // from --openings; none: random ones
    std::optional<int> selfPlayGames;
    Moving moving = Moving::Both;
    Strength strength = Strength::Strongest;
    std::optional<std::chrono::milliseconds> verdictBudget;
};

// nullopt when only the usage is asked for; throws std::runtime_error with
// a one-line reason on a bad argument.
std::optional<Options> parseOptions(int argc, char* argv[])
{
    using kesto::bench::wholeNumber;
    Options options;
    const bool run = kesto::bench::readOptions(argc, argv, [&](const std::string& argument, const std::string& value) {
        if (argument == "--games") {
            options.games = static_cast<int>(wholeNumber(value, 1, 100000, argument));
        } else if (argument == "--time") {
            options.budget = std::chrono::milliseconds(wholeNumber(value, 1, 3600000, argument));
        } else if (argument == "--opening-stones") {
            options.openingStones = static_cast<int>(wholeNumber(value, 0, 8, argument));
        } else if (argument == "--openings") {
            options.openingsFile = value;
            options.openings = kesto::match::readOpenings(value);
            // The games number the players from whoever moves after the
            // opening.
            for (const std::vector<CellIndex>& opening : options.openings) {
                if (opening.size() % 2 != 0) {
                    throw std::runtime_error("an opening of " + value + " leaves the second player to move");
                }
            }
        } else if (argument == "--self-play") {
            options.selfPlayGames = static_cast<int>(wholeNumber(value, 0, 100000, argument));
        } else if (argument == "--moving") {
            if (value == "first" || value == "second" || value == "both") {
                options.moving = value == "first" ? Moving::First : value == "second" ? Moving::Second : Moving::Both;
            } else {
                throw kesto::bench::UsageError("--moving must be first, second or both, not \"" + value + "\"");
            }
        } else if (argument == "--verdicts") {
            options.verdictBudget = std::chrono::milliseconds(wholeNumber(value, 1, 3600000, argument));
        } else if (argument == "--level") {
            const auto strength = kesto::engine::strengthFromName(value);
            if (!strength) {
                throw kesto::bench::UsageError("--level must be easy, medium, hard or strongest, not \"" + value
                                               + "\"");
            }
            options.strength = *strength;
        } else {
            throw kesto::bench::UsageError("unknown option " + argument + " (see --help)");
        }
    });
    if (!run) {
        return std::nullopt;
    }
    return options;
}

struct Tally {
    int wins = 0;
    int draws = 0;
    int losses = 0;
    std::vector<double> thinkMs;
    std::vector<double> searchedMs; // of the moves that were searched, not forced
    std::vector<int> depths;        // of the searches that ran
    int overBudget = 0;
    // Games in which the computer's own search proved it lost against best
    // play, and how many of those the simple opponent went on to win.
    int seenLost = 0;
    int seenLostAndLost = 0;
};

struct Game {
    std::vector<CellIndex> stones; // the opening's first, players alternating
    int seenLostAt = 0; // stones on the board when the computer first saw a forced loss; 0: never
};

bool wins(Board& board, CellIndex cell, std::int16_t player)
{
    board.at(cell) = player;
    kesto::WinLine line;
    return kesto::completesLine(board, cell, player, line);
}

std::vector<CellIndex> empties(const Board& board)
{
    std::vector<CellIndex> cells;
    for (int cell = 1; cell <= kesto::kCellCount; ++cell) {
        if (board.at(cell) == kesto::kEmpty) {
            cells.push_back(static_cast<CellIndex>(cell));
        }
    }
    return cells;
}

// Take a win, else stop the opponent's, else the best quick score.
CellIndex baseline(const Board& board, std::int16_t me, std::int16_t them)
{
    const std::vector<CellIndex> cells = empties(board);
    for (std::int16_t who : {me, them}) {
        for (CellIndex cell : cells) {
            Board trial = board;
            if (wins(trial, cell, who)) {
                return cell;
            }
        }
    }
    CellIndex best = cells.front();
    int bestScore = -1;
    for (CellIndex cell : cells) {
        const int score = kesto::engine::CasualPlayer::glanceScore(board, me, cell);
        if (score > bestScore) {
            bestScore = score;
            best = cell;
        }
    }
    return best;
}

// The opening numbered `seed`: from the file, if openings were given (in
// turn, over again when they run out), else `stones` each side at random in
// the middle four rows and columns, the same for the same seed.
Board openingOf(unsigned seed, const Options& options, std::vector<CellIndex>& record)
{
    Board board;
    if (!options.openings.empty()) {
        const std::vector<CellIndex>& cells = options.openings.at(seed % options.openings.size());
        for (std::size_t index = 0; index < cells.size(); ++index) {
            board.at(cells[index]) = static_cast<std::int16_t>(index % 2 + 1);
            record.push_back(cells[index]);
        }
        return board;
    }
    std::mt19937 random(seed);
    const int stones = options.openingStones;
    for (int stone = 0; stone < stones; ++stone) {
        for (std::int16_t player : {1, 2}) {
            CellIndex cell = 0;
            do {
                const int row = 4 + static_cast<int>(random() % 4);
                const int column = 4 + static_cast<int>(random() % 4);
                cell = kesto::cellAt(row, column);
            } while (board.at(cell) != kesto::kEmpty);
            board.at(cell) = player;
            record.push_back(cell);
        }
    }
    return board;
}

// The computer's seed for `player` in the games from an opening, so that a
// game can be played again exactly.
unsigned engineSeed(unsigned opening, std::int16_t player)
{
    return opening * 2 + static_cast<unsigned>(player);
}

// Whether the engine's last search proved its side lost against best play.
bool provedLost(const kesto::engine::Engine& engine)
{
    return engine.lastScore() < -kesto::engine::kDecided;
}

const char* movingName(bool engineFirst)
{
    return engineFirst ? "first" : "second";
}

// One game; returns the winner (0 for a full board). Player 1 moves first.
int play(bool engineVsEngine, bool engineFirst, unsigned seed, const Options& options, Tally& tally,
         Game& game)
{
    std::vector<CellIndex>& record = game.stones;
    const std::chrono::milliseconds budget = options.budget;
    Board board = openingOf(seed, options, record);
    kesto::engine::Engine first(engineSeed(seed, 1));
    kesto::engine::Engine second(engineSeed(seed, 2));
    first.setStrength(options.strength);
    second.setStrength(options.strength);
    for (std::int16_t mover = 1; !empties(board).empty(); mover = static_cast<std::int16_t>(3 - mover)) {
        const bool engineMoves = engineVsEngine || (mover == 1) == engineFirst;
        CellIndex cell = 0;
        if (engineMoves) {
            const auto start = Clock::now();
            kesto::engine::Engine& engine = mover == 1 ? first : second;
            cell = engine.chooseMove(board, mover, kesto::engine::Limits::ofTime(budget));
            const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            tally.thinkMs.push_back(ms);
            if (engine.lastDepth() > 0) {
                tally.depths.push_back(engine.lastDepth());
                tally.searchedMs.push_back(ms);
            }
            if (!engineVsEngine && provedLost(engine) && game.seenLostAt == 0) {
                game.seenLostAt = static_cast<int>(record.size());
            }
            if (ms > static_cast<double>(budget.count())) {
                ++tally.overBudget;
            }
        } else {
            cell = baseline(board, mover, static_cast<std::int16_t>(3 - mover));
        }
        record.push_back(cell);
        if (wins(board, cell, mover)) {
            return mover;
        }
    }
    return 0;
}

// The stones after a colon, in the form brain_match reads openings in, so
// that they can be replayed.
void printStones(const std::vector<CellIndex>& stones)
{
    for (CellIndex cell : stones) {
        std::printf(" %s", kesto::brain::coordinates(cell).c_str());
    }
    std::printf("\n");
}

void printLoss(bool engineFirst, const Game& game)
{
    std::printf("lost, moving %s, ", movingName(engineFirst));
    if (game.seenLostAt == 0) {
        std::printf("never seen lost:");
    } else {
        std::printf("seen lost with %d stones down:", game.seenLostAt);
    }
    printStones(game.stones);
}

template <typename T>
T medianOf(std::vector<T> values)
{
    if (values.empty()) {
        return T{};
    }
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2), values.end());
    return values[values.size() / 2];
}

void report(const char* name, const Tally& tally, std::chrono::milliseconds budget)
{
    const double longest = tally.thinkMs.empty() ? 0 : *std::max_element(tally.thinkMs.begin(), tally.thinkMs.end());
    // Most moves against the simple opponent need no thought (a block, a
    // forced win played out), so the median of the searched moves says
    // more of how the time is used.
    std::printf("%-22s wins %3d  draws %3d  losses %3d | think ms: median %6.1f (searched moves %6.1f)  "
                "max %6.1f  over the %lld ms budget: %d of %zu moves | median search depth %d\n",
                name, tally.wins, tally.draws, tally.losses, medianOf(tally.thinkMs), medianOf(tally.searchedMs),
                longest, static_cast<long long>(budget.count()), tally.overBudget, tally.thinkMs.size(),
                medianOf(tally.depths));
}

// Which opening the game numbered `number` against the simple opponent
// starts from, and which side the computer takes: with Moving::Both each
// opening twice, the computer moving first and then second; else each
// opening once.
struct Pairing {
    unsigned opening;
    bool engineFirst;
};

Pairing pairingOf(int number, Moving moving)
{
    const bool both = moving == Moving::Both;
    return {static_cast<unsigned>(both ? number / 2 : number), both ? number % 2 == 0 : moving == Moving::First};
}

Tally playBaseline(const Options& options)
{
    Tally tally;
    for (int number = 0; number < options.games; ++number) {
        const auto [opening, engineFirst] = pairingOf(number, options.moving);
        Game game;
        const int winner = play(false, engineFirst, opening, options, tally, game);
        const int engine = engineFirst ? 1 : 2;
        const bool lost = winner != 0 && winner != engine;
        if (lost) {
            printLoss(engineFirst, game);
        }
        if (game.seenLostAt != 0) {
            ++tally.seenLost;
            tally.seenLostAndLost += lost ? 1 : 0;
        }
        (winner == 0 ? tally.draws : winner == engine ? tally.wins : tally.losses)++;
    }
    return tally;
}

// Tells the openings that no play could have saved from those lost on the
// board: the computer is asked for its first move alone, after the simple
// opponent's where it moves second, and counts as lost where its search
// proves it so. The more time, the more it proves.
void proveOpenings(const Options& options)
{
    const std::chrono::milliseconds budget = *options.verdictBudget;
    int lost = 0;
    for (int number = 0; number < options.games; ++number) {
        const auto [opening, engineFirst] = pairingOf(number, options.moving);
        std::vector<CellIndex> stones;
        Board board = openingOf(opening, options, stones);
        bool proved = false;
        if (!engineFirst) {
            const CellIndex cell = baseline(board, 1, 2);
            stones.push_back(cell);
            proved = wins(board, cell, 1);
        }
        if (!proved) {
            const std::int16_t player = engineFirst ? 1 : 2;
            kesto::engine::Engine engine(engineSeed(opening, player));
            engine.setStrength(options.strength);
            engine.chooseMove(board, player, kesto::engine::Limits::ofTime(budget));
            proved = provedLost(engine);
        }
        if (proved) {
            ++lost;
            std::printf("lost before its first move, moving %s:", movingName(engineFirst));
            printStones(stones);
        }
    }
    std::printf("a search of %lld ms proved %d of %d openings lost before the computer's first move\n",
                static_cast<long long>(budget.count()), lost, options.games);
}

int run(int argc, char* argv[])
{
    const std::optional<Options> parsed = parseOptions(argc, argv);
    if (!parsed) {
        std::fputs(kUsage, stdout);
        return EXIT_SUCCESS;
    }
    const Options& options = *parsed;
    if (options.verdictBudget) {
        proveOpenings(options);
        return 0;
    }
    const std::chrono::milliseconds budget = options.budget;
    const std::string openings = options.openingsFile.empty()
                                     ? "random openings of " + std::to_string(options.openingStones) + " stone(s) each"
                                     : "openings from " + options.openingsFile;
    std::printf("%d games per match, %lld ms per move, %s, level %s\n", options.games,
                static_cast<long long>(budget.count()), openings.c_str(),
                std::string(kesto::engine::strengthName(options.strength)).c_str());

    Tally versusBaseline = playBaseline(options);
    report("engine vs baseline", versusBaseline, budget);
    std::printf("%-22s its search proved it lost in %d games; the simple opponent won %d of them\n", "",
                versusBaseline.seenLost, versusBaseline.seenLostAndLost);

    Tally selfPlay;
    const int selfPlayGames = options.selfPlayGames.value_or(options.games);
    for (int game = 0; game < selfPlayGames; ++game) {
        Game played;
        const int winner = play(true, true, static_cast<unsigned>(1000 + game), options, selfPlay, played);
        (winner == 0 ? selfPlay.draws : winner == 1 ? selfPlay.wins : selfPlay.losses)++;
    }
    if (selfPlayGames > 0) {
        report("engine vs itself (P1)", selfPlay, budget);
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    return kesto::bench::runProgram("engine_bench", [&] { return run(argc, argv); });
}

#include "TuningSamples.h"

#include "GameLines.h"
#include "engine/Position.h"
#include "game/LineTest.h"

#include <optional>
#include <stdexcept>

namespace kesto::tuning {

namespace {

using engine::Meeting;
using engine::Shape;
using engine::ShapeTally;
using engine::Side;

constexpr std::size_t kOpeningStones = 4; // laid down from the openings file, not played
constexpr std::int16_t kFirstPlayer = 1;
constexpr std::int16_t kSecondPlayer = 2;

// What the first mover scored, read from the line's head ("game 3, engine 2
// first, engine 1 wins: ...").
std::optional<double> firstMoversScore(const std::string& head)
{
    const bool engineOneFirst = head.find("engine 1 first") != std::string::npos;
    if (head.find("draw") != std::string::npos) {
        return 0.5;
    }
    const bool engineOneWon = head.find("engine 1 wins") != std::string::npos;
    if (!engineOneWon && head.find("engine 2 wins") == std::string::npos) {
        return std::nullopt;
    }
    return engineOneWon == engineOneFirst ? 1.0 : 0.0;
}

bool judgedByEvaluation(const ShapeTally& toMove, const ShapeTally& waiting)
{
    return toMove.lineCount(Shape::Five) == 0 && waiting.lineCount(Shape::Five) == 0
           && toMove.lineCount(Shape::OpenFour) == 0 && toMove.meetingCount(Meeting::TwoFours) == 0;
}

} // namespace

bool samplesOfGame(const std::string& line, std::vector<Sample>& out)
{
    const std::size_t colon = line.find(':');
    const std::optional<double> firstScore =
        colon == std::string::npos ? std::nullopt : firstMoversScore(line.substr(0, colon));
    if (!firstScore) {
        return false;
    }
    std::vector<CellIndex> moves;
    try {
        moves = match::cellsOfLine(line);
    } catch (const std::runtime_error&) {
        return false;
    }
    std::vector<Sample> found;
    Board board;
    engine::Position position; // Side::Own is the first mover
    for (std::size_t ply = 0; ply < moves.size(); ++ply) {
        const bool firstToMove = ply % 2 == 0;
        const Side mover = firstToMove ? Side::Own : Side::Opponent;
        const ShapeTally& toMove = position.shapeTally(mover);
        const ShapeTally& waiting = position.shapeTally(engine::opponent(mover));
        if (ply >= kOpeningStones && judgedByEvaluation(toMove, waiting)) {
            found.push_back({firstToMove ? *firstScore : 1 - *firstScore, toMove, waiting});
        }
        const CellIndex cell = moves[ply];
        if (board.at(cell) != kEmpty) {
            return false;
        }
        board.at(cell) = firstToMove ? kFirstPlayer : kSecondPlayer;
        position.place(cell, mover);
    }
    if (*firstScore != 0.5) {
        // The winner must have made the last move, and a five with it.
        const bool firstWon = *firstScore == 1.0;
        const bool firstMovedLast = moves.size() % 2 == 1;
        WinLine fiveCells;
        if (moves.empty() || firstWon != firstMovedLast
            || !completesLine(board, moves.back(), board.at(moves.back()), fiveCells)) {
            return false;
        }
    }
    out.insert(out.end(), found.begin(), found.end());
    return true;
}

} // namespace kesto::tuning

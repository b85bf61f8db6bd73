#include "CasualPlayer.h"

#include "Candidates.h"
#include "Geometry.h"
#include "Threats.h"

#include <algorithm>
#include <cstdlib>

namespace kesto::engine {

namespace {

constexpr std::size_t kMovesConsidered = 12;

// What a run of five cells is worth to a side holding 0..5 stones in it
// while the other side holds none. Such runs are where fives can still be
// made, so their count and fullness tell roughly how a line stands: an open
// three lies in more of them than a three with one end shut.
constexpr std::array<int, kLineLength + 1> kRunValue{0, 2, 16, 128, 1024, 8192};

// What a stone of the side with `mine` stones in a run, against `theirs`,
// adds to it for itself and by spoiling it for the other side.
using GainTable = std::array<std::array<int, kLineLength + 1>, kLineLength + 1>;
constexpr GainTable kGain = [] {
    GainTable table{};
    for (std::size_t mine = 0; mine < kLineLength; ++mine) {
        table[mine][0] = kRunValue[mine + 1] - kRunValue[mine];
    }
    for (std::size_t theirs = 0; theirs <= kLineLength; ++theirs) {
        table[0][theirs] += kRunValue[theirs];
    }
    return table;
}();

} // namespace

CasualPlayer::CasualPlayer(Strength strength) : play_(playOf(strength)) {}

bool CasualPlayer::inSight(CellIndex cell, const MoveList& recent) const
{
    if (play_.sight == 0 || recent.empty()) {
        return true;
    }
    const std::size_t first = recent.size() > play_.recall ? recent.size() - play_.recall : 0;
    for (std::size_t index = first; index < recent.size(); ++index) {
        const CellIndex stone = recent[index];
        if (std::abs(rowOf(stone) - rowOf(cell)) <= play_.sight
            && std::abs(columnOf(stone) - columnOf(cell)) <= play_.sight) {
            return true;
        }
    }
    return false;
}

CellIndex CasualPlayer::choose(Position& position, const MoveList& recent, ForcedWin& forcedWin,
                               Deadline& deadline, std::mt19937& random) const
{
    Threats mine;
    Threats theirs;
    readThreats(position, Side::Own, mine);
    readThreats(position, Side::Opponent, theirs);
    if (!mine.wins.empty()) {
        return mine.wins.front();
    }
    for (CellIndex cell : theirs.wins) {
        if (inSight(cell, recent)) {
            return cell;
        }
    }
    if (play_.foursDepth > 0) {
        try {
            if (const CellIndex move = forcedWin.find(position, Side::Own, Attack::Fours, play_.foursDepth, deadline);
                move != 0) {
                return move;
            }
        } catch (const TimeUp&) {
            // No time to look for it: play by eye.
        }
    }
    if (play_.seesThrees && !mine.doubleFours.empty()) {
        return mine.doubleFours.front();
    }
    if (play_.seesThrees && !theirs.doubleFours.empty()) {
        MoveList moves;
        candidates(position, Side::Own, mine, theirs, kMovesConsidered, moves);
        return moves.front();
    }
    return glance(position, recent, random);
}

CellIndex CasualPlayer::glance(Position& position, const MoveList& recent, std::mt19937& random) const
{
    MoveList looking;
    bestLooking(position, Side::Own, kCellCount, looking);
    std::uniform_int_distribution<int> taste(100 - play_.whim, 100 + play_.whim);
    const std::int16_t me = Position::kPlayerOf[slot(Side::Own)];
    CellIndex best = 0;
    long bestLiking = -1;
    for (CellIndex cell : looking) {
        if (!inSight(cell, recent)) {
            continue;
        }
        const long liking = static_cast<long>(glanceScore(position.board(), me, cell)) * taste(random);
        if (liking > bestLiking) {
            bestLiking = liking;
            best = cell;
        }
    }
    if (best == 0 && !looking.empty()) {
        best = looking.front(); // nothing in sight looks good: the best anywhere
    }
    for (int index = 1; best == 0 && index <= kCellCount; ++index) {
        if (position.isEmpty(static_cast<CellIndex>(index))) {
            best = static_cast<CellIndex>(index);
        }
    }
    return best;
}

int CasualPlayer::glanceScore(const Board& board, std::int16_t player, CellIndex cell)
{
    const Geometry& geometry = Geometry::get();
    int score = 0;
    for (int run : geometry.windowsOf.at(static_cast<std::size_t>(cell))) {
        std::size_t mine = 0;
        std::size_t theirs = 0;
        for (CellIndex other : geometry.windows.at(static_cast<std::size_t>(run))) {
            const std::int16_t stone = board.at(other);
            mine += stone == player ? 1 : 0;
            theirs += stone != kEmpty && stone != player ? 1 : 0;
        }
        score += kGain.at(mine).at(theirs);
    }
    return score;
}

} // namespace kesto::engine

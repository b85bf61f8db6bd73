#include "CasualPlayer.h"

#include "Candidates.h"
#include "Threats.h"

#include <algorithm>
#include <cstdlib>

namespace kesto::engine {

namespace {

constexpr std::size_t kMovesConsidered = 12;

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
    CellIndex best = 0;
    long bestLiking = -1;
    for (CellIndex cell : looking) {
        if (!inSight(cell, recent)) {
            continue;
        }
        const long liking = static_cast<long>(position.moveScore(cell, Side::Own)) * taste(random);
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

} // namespace kesto::engine

#include "CasualPlayer.h"

#include "Candidates.h"
#include "Threats.h"

#include <algorithm>
#include <cstdlib>

namespace kesto::engine {

namespace {

constexpr std::size_t kMovesConsidered = 12;

struct Style {
    int sight;
    std::size_t recall;
    int whim;
    bool seesThrees;
    int foursDepth;
};

Style styleOf(Strength strength)
{
    if (strength == Strength::Easy) {
        return {3, 3, 25, false, 0};
    }
    return {0, 0, 15, true, 4};
}

} // namespace

CasualPlayer::CasualPlayer(Strength strength)
{
    const Style style = styleOf(strength);
    sight_ = style.sight;
    recall_ = style.recall;
    whim_ = style.whim;
    seesThrees_ = style.seesThrees;
    foursDepth_ = style.foursDepth;
}

bool CasualPlayer::inSight(CellIndex cell, const MoveList& recent) const
{
    if (sight_ == 0 || recent.empty()) {
        return true;
    }
    const std::size_t first = recent.size() > recall_ ? recent.size() - recall_ : 0;
    for (std::size_t index = first; index < recent.size(); ++index) {
        const CellIndex stone = recent[index];
        if (std::abs(rowOf(stone) - rowOf(cell)) <= sight_
            && std::abs(columnOf(stone) - columnOf(cell)) <= sight_) {
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
    if (foursDepth_ > 0) {
        try {
            if (const CellIndex move = forcedWin.find(position, Side::Own, Attack::Fours, foursDepth_, deadline);
                move != 0) {
                return move;
            }
        } catch (const TimeUp&) {
            // No time to look for it: play by eye.
        }
    }
    if (seesThrees_ && !mine.doubleFours.empty()) {
        return mine.doubleFours.front();
    }
    if (seesThrees_ && !theirs.doubleFours.empty()) {
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
    std::uniform_int_distribution<int> taste(100 - whim_, 100 + whim_);
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

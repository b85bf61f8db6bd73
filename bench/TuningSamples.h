#pragma once

#include "engine/ShapeTally.h"

#include <string>
#include <vector>

namespace kesto::tuning {

// A position the search would judge by its evaluation, with how the game
// went on from it for the side to move.
struct Sample {
    double score = 0; // 1 won, 1/2 drawn, 0 lost; between them, a chance
    engine::ShapeTally toMove;
    engine::ShapeTally waiting;
};

// Appends the positions of a game, a line as brain_match --record writes
// it, that the search judges by its evaluation: past the opening, with no
// four on the board and no two ways to five for the side to move. Returns
// false, appending nothing, for a game that cannot teach: its result not
// given, a word that is not a cell, a stone on a taken cell, or a win that
// is not a five on the board (one by time, by a crash or by an illegal move).
bool samplesOfGame(const std::string& line, std::vector<Sample>& out);

} // namespace kesto::tuning

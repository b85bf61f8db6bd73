#pragma once

#include "game/Types.h"

#include <optional>
#include <string>
#include <vector>

namespace kesto::match {

// Games and openings as the match runner writes and reads them: cells
// "x,y", both 0..9, separated by blanks, after an optional "game N:".

// A cell written "x,y", both 0..9.
std::optional<CellIndex> parseCell(const std::string& text);

// The cells of a line of openings or of a recorded game (which says which
// game it was before a colon). Throws std::runtime_error naming a word that
// is not a cell.
std::vector<CellIndex> cellsOfLine(const std::string& line);

// The openings of the file at `path`, one a line, the first player's stone
// first. Throws std::runtime_error when it cannot be read, holds none, or
// an opening is not one (a word that is no cell, a cell taken twice).
std::vector<std::vector<CellIndex>> readOpenings(const std::string& path);

} // namespace kesto::match

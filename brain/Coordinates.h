#pragma once

#include "game/Types.h"

#include <string>

namespace kesto::brain {

// A cell as the tournament protocol writes it: "x,y", both counted from 0
// at the top-left corner, x across and y down.
inline std::string coordinates(CellIndex cell)
{
    return std::to_string(columnOf(cell) - 1) + "," + std::to_string(rowOf(cell) - 1);
}

} // namespace kesto::brain

#pragma once

#include "Types.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kesto {

// A game in the form gomoku tournament managers write and read (".psq"):
// a first line "Piskvorky 10x10, 11:11, 0" whose "10x10" is the board's
// size, then a line "x,y,ms" a stone, x across and y down counted from 1
// and the think time in milliseconds. The stones end at the first line of
// another form; what follows (managers put engine names and a result there)
// is not the game's.
class PsqFile {
public:
    // What was read: the stones in order and the lines after them; or,
    // when the file cannot be taken, the line (counted from 1) and why.
    struct Contents {
        std::vector<CellIndex> moves;
        std::vector<std::string> trailer;
        int faultLine = 0;
        std::string fault;

        bool ok() const { return fault.empty(); }
        // "line N: why", for the player.
        std::string faultText() const;
    };

    // Reads a file's text. Refused: a first line that is not a header, a
    // board of another size, a stone off the board or on a taken cell, and
    // a stone after five in a row. Both line endings are read, and the last
    // line needs none.
    static Contents read(std::string_view text);

    // Writes `moves` (think times 0: the game keeps none), followed by
    // `trailer`, a line each.
    static std::string write(const std::vector<CellIndex>& moves,
                             const std::vector<std::string>& trailer = {});
};

} // namespace kesto

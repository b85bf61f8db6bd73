#pragma once

#include "engine/Engine.h"
#include "engine/TimeKeeper.h"
#include "game/GameState.h"

#include <cstddef>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace kesto::brain {

// The text protocol of gomoku engine tournaments, spoken by the computer
// player: one command line in, the answer lines out. Cells are "x,y", both
// counted from 0 at the top-left corner, x across and y down.
//
// Every command that asks for an answer gets exactly one line (a move,
// "OK", the ABOUT line, "ERROR <reason>" or "UNKNOWN <reason>"); INFO,
// END, the lines of a BOARD block before DONE and empty lines get none.
// Nothing of the input is echoed beyond kEchoLimit printable characters.
class BrainProtocol {
public:
    static constexpr std::size_t kEchoLimit = 80;

    // `bounds` may bound each move by positions or depth as well as by the
    // tournament's time: for matches that give the same games on a busy
    // machine.
    explicit BrainProtocol(unsigned seed, engine::Strength strength = engine::Strength::Strongest,
                           const engine::Limits& bounds = {});

    // The lines to answer `line` with (often one, sometimes none).
    std::vector<std::string> handle(std::string_view line);

    // Whether END has been received.
    bool ended() const { return ended_; }

private:
    using Answer = std::vector<std::string>;
    static constexpr std::int16_t kOwn = 1;
    static constexpr std::int16_t kOpponent = 2;

    Answer command(std::string_view word, std::string_view arguments);
    Answer startGame(std::string_view arguments);
    Answer playOpponent(std::string_view arguments);
    Answer boardLine(std::string_view line);
    Answer info(std::string_view arguments);
    Answer takeBack(std::string_view arguments);
    void newGame();
    // The brain's move on the board as it stands, or why there is none.
    std::string move();

    engine::Engine engine_;
    engine::Limits bounds_;
    engine::TimeRules rules_;
    Board board_;
    std::string boardFault_; // the first wrong line of a BOARD block
    bool started_ = false;
    bool readingBoard_ = false;
    bool ended_ = false;
};

// Reads one line of `in` into `line`, without its line ending (LF or CRLF)
// and cut to `limit` characters, however long it is. False at the end of
// the input.
bool readCommandLine(std::istream& in, std::string& line, std::size_t limit);

} // namespace kesto::brain

#include "BrainProtocol.h"

#include "Coordinates.h"

#include "game/LineTest.h"

#include <algorithm>
#include <cctype>
#include <optional>

namespace kesto::brain {

namespace {

// A time or memory value longer than this is nonsense, not a number.
constexpr std::size_t kLongestNumber = 12;
constexpr long long kUnknownPlayer = 3; // a BOARD stone of a third player: the opponent's

std::string upper(std::string_view text)
{
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return result;
}

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// At most `limit` characters of `text`, printable ASCII only.
std::string echo(std::string_view text, std::size_t limit)
{
    std::string result;
    for (const char c : text) {
        if (result.size() == limit) {
            break;
        }
        if (c >= ' ' && c <= '~') {
            result += c;
        }
    }
    return result;
}

std::optional<long long> number(std::string_view text)
{
    text = trimmed(text);
    if (text.empty() || text.size() > kLongestNumber
        || !std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); })) {
        return std::nullopt;
    }
    return std::stoll(std::string(text));
}

// Whole non-negative numbers separated by commas, exactly `count` of them.
std::optional<std::vector<long long>> numbers(std::string_view text, std::size_t count)
{
    std::vector<long long> values;
    while (values.size() < count) {
        const auto comma = text.find(',');
        const auto value = number(text.substr(0, comma));
        if (!value) {
            return std::nullopt;
        }
        values.push_back(*value);
        if (comma == std::string_view::npos) {
            break;
        }
        text.remove_prefix(comma + 1);
        if (values.size() == count) {
            return std::nullopt; // more fields than asked for
        }
    }
    if (values.size() != count) {
        return std::nullopt;
    }
    return values;
}

std::optional<CellIndex> cellOf(long long x, long long y)
{
    const long long row = y + 1;
    const long long column = x + 1;
    if (!onBoard(static_cast<int>(std::min(row, 99LL)), static_cast<int>(std::min(column, 99LL)))) {
        return std::nullopt;
    }
    return cellAt(static_cast<int>(row), static_cast<int>(column));
}

std::optional<CellIndex> cellIn(std::string_view text)
{
    const auto values = numbers(text, 2);
    return values ? cellOf(values->at(0), values->at(1)) : std::nullopt;
}

// Whether some stone on the board is part of five or more in a row.
bool holdsFive(const Board& board)
{
    for (int cell = 1; cell <= kCellCount; ++cell) {
        WinLine line;
        const std::int16_t player = board.at(cell);
        if (player != kEmpty && completesLine(board, static_cast<CellIndex>(cell), player, line)) {
            return true;
        }
    }
    return false;
}

bool isFull(const Board& board)
{
    for (int cell = 1; cell <= kCellCount; ++cell) {
        if (board.at(cell) == kEmpty) {
            return false;
        }
    }
    return true;
}

} // namespace

BrainProtocol::BrainProtocol(unsigned seed, engine::Strength strength, const engine::Limits& bounds)
    : engine_(seed), bounds_(bounds)
{
    engine_.setStrength(strength);
}

std::vector<std::string> BrainProtocol::handle(std::string_view rawLine)
{
    const std::string_view line = trimmed(rawLine);
    const auto space = line.find_first_of(" \t");
    const std::string word = upper(line.substr(0, space));
    if (word == "END") {
        ended_ = true; // at any moment, inside a BOARD block too
        return {};
    }
    if (readingBoard_) {
        return boardLine(line);
    }
    if (line.empty()) {
        return {};
    }
    return command(word, space == std::string_view::npos ? std::string_view() : trimmed(line.substr(space)));
}

BrainProtocol::Answer BrainProtocol::command(std::string_view word, std::string_view arguments)
{
    if (word == "START") {
        return startGame(arguments);
    }
    if (word == "ABOUT") {
        return {R"(name="Kesto", version=")" KESTO_VERSION R"(", author="The Kesto makers")"};
    }
    if (word == "INFO") {
        return info(arguments);
    }
    const bool known = word == "RESTART" || word == "BEGIN" || word == "TURN" || word == "BOARD"
                       || word == "TAKEBACK";
    if (!known) {
        return {"UNKNOWN command not understood: " + echo(word, kEchoLimit)};
    }
    if (!started_) {
        return {"ERROR no game: send START 10 first"};
    }
    if (word == "RESTART") {
        newGame();
        return {"OK"};
    }
    if (word == "BEGIN") {
        return {move()};
    }
    if (word == "TURN") {
        return playOpponent(arguments);
    }
    if (word == "BOARD") {
        newGame();
        readingBoard_ = true;
        return {};
    }
    return takeBack(arguments);
}

void BrainProtocol::newGame()
{
    board_ = Board{};
    engine_.newGame();
}

BrainProtocol::Answer BrainProtocol::startGame(std::string_view arguments)
{
    const auto size = number(arguments);
    if (!size) {
        return {"ERROR START needs the board size, as in START 10"};
    }
    if (*size != kBoardSide) {
        return {"ERROR only a board of 10 by 10 is supported"};
    }
    newGame();
    started_ = true;
    return {"OK"};
}

BrainProtocol::Answer BrainProtocol::playOpponent(std::string_view arguments)
{
    const auto cell = cellIn(arguments);
    if (!cell) {
        return {"ERROR TURN needs a cell x,y with x and y from 0 to 9"};
    }
    if (board_.at(*cell) != kEmpty) {
        return {"ERROR that cell is taken"};
    }
    board_.at(*cell) = kOpponent;
    return {move()};
}

BrainProtocol::Answer BrainProtocol::boardLine(std::string_view line)
{
    if (upper(line) == "DONE") {
        readingBoard_ = false;
        if (!boardFault_.empty()) {
            std::string fault = "ERROR " + boardFault_;
            boardFault_.clear();
            newGame();
            return {fault};
        }
        return {move()};
    }
    const auto values = numbers(line, 3);
    const auto cell = values ? cellOf(values->at(0), values->at(1)) : std::nullopt;
    if (!cell || values->at(2) < kOwn || values->at(2) > kUnknownPlayer) {
        if (boardFault_.empty()) {
            boardFault_ = "a BOARD line is x,y,who with who 1 (mine), 2 (yours) or 3, not: "
                          + echo(line, kEchoLimit);
        }
        return {};
    }
    board_.at(*cell) = values->at(2) == kOwn ? kOwn : kOpponent;
    return {};
}

BrainProtocol::Answer BrainProtocol::info(std::string_view arguments)
{
    // INFO is never answered: a manager would take the answer for the
    // next command's. A value that makes no sense is left alone.
    const auto space = arguments.find_first_of(" \t");
    const std::string key(arguments.substr(0, space));
    const auto value = space == std::string_view::npos ? std::nullopt : number(arguments.substr(space));
    if (!value) {
        return {};
    }
    if (key == "timeout_turn") {
        rules_.turnMs = *value;
    } else if (key == "timeout_match") {
        rules_.matchMs = *value;
    } else if (key == "time_left") {
        rules_.leftMs = *value;
    } else if (key == "rule" && (*value & 1) != 0) {
        return {"MESSAGE only five or more in a row is played here; exactly five is not"};
    }
    // max_memory, game_type and the rest need nothing of this player.
    return {};
}

BrainProtocol::Answer BrainProtocol::takeBack(std::string_view arguments)
{
    const auto cell = cellIn(arguments);
    if (!cell) {
        return {"ERROR TAKEBACK needs a cell x,y with x and y from 0 to 9"};
    }
    if (board_.at(*cell) == kEmpty) {
        return {"ERROR there is no stone to take back there"};
    }
    board_.at(*cell) = kEmpty;
    return {"OK"};
}

std::string BrainProtocol::move()
{
    if (holdsFive(board_)) {
        return "ERROR the board already holds five in a row: the game is over";
    }
    if (isFull(board_)) {
        return "ERROR the board is full";
    }
    engine::Limits limits = bounds_;
    limits.time = engine::TimeKeeper::plan(rules_, board_);
    const CellIndex cell = engine_.chooseMove(board_, kOwn, limits);
    board_.at(cell) = kOwn;
    return coordinates(cell);
}

bool readCommandLine(std::istream& in, std::string& line, std::size_t limit)
{
    line.clear();
    bool any = false;
    for (int c = in.get(); c != std::char_traits<char>::eof(); c = in.get()) {
        any = true;
        if (c == '\n') {
            break;
        }
        if (line.size() < limit) {
            line += static_cast<char>(c);
        }
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return any;
}

} // namespace kesto::brain

#include "BrainProtocol.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <sstream>

namespace kesto {

namespace {

// The longest the computer thinks, whatever the tournament allows, and what
// it keeps back for reading, writing and the clock's coarseness.
constexpr long long kLongestThought = 1000;
constexpr long long kSafetyMargin = 100;
constexpr long long kMovesToPlanFor = 20;

std::string upper(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// Whole non-negative numbers separated by commas, nothing else.
std::optional<std::vector<long long>> numbers(const std::string& text)
{
    std::vector<long long> values;
    std::string field;
    std::istringstream fields(text);
    while (std::getline(fields, field, ',')) {
        field = trimmed(field);
        if (field.empty() || field.size() > 12
            || !std::all_of(field.begin(), field.end(), [](unsigned char c) { return std::isdigit(c); })) {
            return std::nullopt;
        }
        values.push_back(std::stoll(field));
    }
    if (!text.empty() && text.back() == ',') {
        return std::nullopt;
    }
    return values;
}

std::optional<CellIndex> cellAt(long long x, long long y)
{
    if (x < 0 || x >= kBoardSide || y < 0 || y >= kBoardSide) {
        return std::nullopt;
    }
    return static_cast<CellIndex>(y * kBoardSide + x + 1);
}

std::string coordinates(CellIndex cell)
{
    return std::to_string((cell - 1) % kBoardSide) + "," + std::to_string((cell - 1) / kBoardSide);
}

} // namespace

BrainProtocol::BrainProtocol(unsigned seed) : engine_(seed) {}

std::vector<std::string> BrainProtocol::handle(const std::string& rawLine)
{
    const std::string line = trimmed(rawLine);
    if (readingBoard_) {
        return boardLine(line);
    }
    const auto space = line.find(' ');
    const std::string command = upper(line.substr(0, space));
    const std::string arguments = space == std::string::npos ? std::string() : trimmed(line.substr(space));

    if (command.empty()) {
        return {};
    }
    if (command == "START") {
        return startGame(arguments);
    }
    if (command == "ABOUT") {
        return {R"(name="Kesto", version="1.0", author="The Kesto makers")"};
    }
    if (command == "INFO") {
        return info(arguments);
    }
    if (command == "END") {
        ended_ = true;
        return {};
    }
    if (!started_) {
        return {"ERROR no game: send START 10 first"};
    }
    if (command == "RESTART") {
        board_ = Board{};
        return {"OK"};
    }
    if (command == "BEGIN") {
        return {move()};
    }
    if (command == "TURN") {
        return playOpponent(arguments);
    }
    if (command == "BOARD") {
        board_ = Board{};
        readingBoard_ = true;
        return {};
    }
    if (command == "TAKEBACK") {
        return takeBack(arguments);
    }
    return {"ERROR unknown command " + command};
}

std::vector<std::string> BrainProtocol::startGame(const std::string& arguments)
{
    const auto size = numbers(arguments);
    if (!size || size->size() != 1) {
        return {"ERROR START needs the board size, as in START 10"};
    }
    if (size->front() != kBoardSide) {
        return {"ERROR only a board of 10 by 10 is supported"};
    }
    board_ = Board{};
    started_ = true;
    return {"OK"};
}

std::vector<std::string> BrainProtocol::playOpponent(const std::string& arguments)
{
    const auto values = numbers(arguments);
    const auto cell = values && values->size() == 2 ? cellAt(values->at(0), values->at(1)) : std::nullopt;
    if (!cell) {
        return {"ERROR TURN needs a cell x,y with x and y from 0 to 9"};
    }
    if (board_.at(*cell) != kEmpty) {
        return {"ERROR that cell is taken"};
    }
    board_.at(*cell) = kOpponent;
    return {move()};
}

std::vector<std::string> BrainProtocol::boardLine(const std::string& line)
{
    if (upper(line) == "DONE") {
        readingBoard_ = false;
        return {move()};
    }
    const auto values = numbers(line);
    const auto cell = values && values->size() == 3 ? cellAt(values->at(0), values->at(1)) : std::nullopt;
    if (!cell || values->at(2) < 1 || values->at(2) > 3) {
        return {"ERROR a BOARD line is x,y,who with who 1 (mine), 2 (yours) or 3"};
    }
    // 3 marks a stone of the continuous-game opponent: the opponent's too.
    board_.at(*cell) = values->at(2) == 1 ? kOwn : kOpponent;
    return {};
}

std::vector<std::string> BrainProtocol::info(const std::string& arguments)
{
    std::istringstream words(arguments);
    std::string key;
    std::string value;
    words >> key >> value;
    const auto number = numbers(value);
    if (key.empty() || !number || number->size() != 1) {
        return {"ERROR INFO needs a key and a whole number"};
    }
    const long long amount = number->front();
    if (key == "timeout_turn") {
        turnTimeout_ = amount;
    } else if (key == "time_left") {
        timeLeft_ = amount;
    } else if (key == "rule" && (amount & 1) != 0) {
        return {"MESSAGE only five or more in a row is played here; exactly five is not"};
    }
    // timeout_match, max_memory and the rest need nothing of this player.
    return {};
}

std::vector<std::string> BrainProtocol::takeBack(const std::string& arguments)
{
    const auto values = numbers(arguments);
    const auto cell = values && values->size() == 2 ? cellAt(values->at(0), values->at(1)) : std::nullopt;
    if (!cell) {
        return {"ERROR TAKEBACK needs a cell x,y with x and y from 0 to 9"};
    }
    board_.at(*cell) = kEmpty;
    return {"OK"};
}

std::chrono::milliseconds BrainProtocol::budget() const
{
    long long allowed = std::min(turnTimeout_, kLongestThought);
    if (timeLeft_ >= 0) {
        allowed = std::min(allowed, timeLeft_ / kMovesToPlanFor);
    }
    return std::chrono::milliseconds(std::max(0LL, allowed - kSafetyMargin));
}

std::string BrainProtocol::move()
{
    const CellIndex cell = engine_.chooseMove(board_, kOwn, budget());
    if (cell == 0) {
        return "ERROR the board is full";
    }
    board_.at(cell) = kOwn;
    return coordinates(cell);
}

} // namespace kesto

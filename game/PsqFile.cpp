#include "PsqFile.h"

#include "GameRecord.h"

#include <algorithm>
#include <charconv>

namespace kesto {

namespace {

constexpr std::string_view kHeaderWord = "Piskvorky ";
// Our board's header, written as the managers write it.
const std::string kHeader = "Piskvorky " + std::to_string(kBoardSide) + "x" + std::to_string(kBoardSide)
                            + ", 11:11, 0";

// The text split into lines, without their endings ("\n" or "\r\n").
std::vector<std::string_view> linesOf(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        if (end == std::string_view::npos) {
            break;
        }
        text.remove_prefix(end + 1);
    }
    return lines;
}

// Reads a whole number from the front of `text` and moves past it.
std::optional<long long> takeNumber(std::string_view& text)
{
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data()) {
        return std::nullopt;
    }
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    return value;
}

bool takeChar(std::string_view& text, char wanted)
{
    if (text.empty() || text.front() != wanted) {
        return false;
    }
    text.remove_prefix(1);
    return true;
}

struct MoveLine {
    long long x = 0;
    long long y = 0;
};

// "x,y,ms", nothing more: any other line ends the stones.
std::optional<MoveLine> moveLine(std::string_view line)
{
    MoveLine move;
    const auto x = takeNumber(line);
    if (!x || !takeChar(line, ',')) {
        return std::nullopt;
    }
    const auto y = takeNumber(line);
    if (!y || !takeChar(line, ',') || !takeNumber(line) || !line.empty()) {
        return std::nullopt;
    }
    move.x = *x;
    move.y = *y;
    return move;
}

// The board's size from a header line, or a reason it is no header.
std::string headerFault(std::string_view line)
{
    if (line.substr(0, kHeaderWord.size()) != kHeaderWord) {
        return "not a game record: the first line should begin with \"Piskvorky "
               + std::to_string(kBoardSide) + "x" + std::to_string(kBoardSide) + "\"";
    }
    line.remove_prefix(kHeaderWord.size());
    const auto width = takeNumber(line);
    if (!width || !takeChar(line, 'x')) {
        return "the first line gives no board size";
    }
    const auto height = takeNumber(line);
    if (!height) {
        return "the first line gives no board size";
    }
    if (*width != kBoardSide || *height != kBoardSide) {
        return "a game on a " + std::to_string(*width) + "x" + std::to_string(*height) + " board; Kesto's is "
               + std::to_string(kBoardSide) + "x" + std::to_string(kBoardSide);
    }
    return {};
}

} // namespace

std::string PsqFile::Contents::faultText() const
{
    return "line " + std::to_string(faultLine) + ": " + fault;
}

PsqFile::Contents PsqFile::read(std::string_view text)
{
    Contents contents;
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        text.remove_prefix(kByteOrderMark.size());
    }
    const std::vector<std::string_view> lines = linesOf(text);
    const std::string header = lines.empty() ? headerFault({}) : headerFault(lines.front());
    if (!header.empty()) {
        contents.faultLine = 1;
        contents.fault = header;
        return contents;
    }
    std::size_t line = 1;
    for (; line < lines.size(); ++line) {
        const auto move = moveLine(lines[line]);
        if (!move) {
            break;
        }
        const auto inRange = [](long long value) {
            return static_cast<int>(std::clamp<long long>(value, 0, kBoardSide + 1));
        };
        if (!onBoard(inRange(move->y), inRange(move->x))) {
            contents.faultLine = static_cast<int>(line + 1);
            contents.fault = "the stone " + std::string(lines[line]) + " lies off the " + std::to_string(kBoardSide)
                             + " by " + std::to_string(kBoardSide) + " board";
            contents.moves.clear();
            return contents;
        }
        contents.moves.push_back(cellAt(static_cast<int>(move->y), static_cast<int>(move->x)));
    }
    for (std::size_t rest = line; rest < lines.size(); ++rest) {
        contents.trailer.emplace_back(lines[rest]);
    }
    GameRecord record;
    record.moves = contents.moves;
    if (const auto fault = playRecord(record).fault) {
        contents.faultLine = static_cast<int>(fault->move + 2); // the header is line 1
        contents.fault = fault->reason;
        contents.moves.clear();
        contents.trailer.clear();
    }
    return contents;
}

std::string PsqFile::write(const std::vector<CellIndex>& moves, const std::vector<std::string>& trailer)
{
    std::string text = kHeader + "\n";
    for (CellIndex cell : moves) {
        text += std::to_string(columnOf(cell)) + "," + std::to_string(rowOf(cell)) + ",0\n";
    }
    for (const std::string& line : trailer) {
        text += line + "\n";
    }
    return text;
}

} // namespace kesto

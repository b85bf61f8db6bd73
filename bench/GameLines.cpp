#include "GameLines.h"

#include "Arguments.h"

#include <sstream>
#include <stdexcept>
#include <string_view>

namespace kesto::match {

using bench::wholeNumber;

std::optional<CellIndex> parseCell(const std::string& text)
{
    const auto comma = text.find(',');
    if (comma == std::string::npos) {
        return std::nullopt;
    }
    try {
        const auto x = wholeNumber(std::string_view(text).substr(0, comma), 0, kBoardSide - 1, "x");
        const auto y = wholeNumber(std::string_view(text).substr(comma + 1), 0, kBoardSide - 1, "y");
        return cellAt(static_cast<int>(y) + 1, static_cast<int>(x) + 1);
    } catch (const std::runtime_error&) {
        return std::nullopt;
    }
}

std::vector<CellIndex> cellsOfLine(const std::string& line)
{
    const std::size_t colon = line.find(':');
    std::istringstream words(line.substr(colon == std::string::npos ? 0 : colon + 1));
    std::vector<CellIndex> cells;
    std::string word;
    while (words >> word) {
        const auto cell = parseCell(word);
        if (!cell) {
            throw std::runtime_error("not a cell: " + word);
        }
        cells.push_back(*cell);
    }
    return cells;
}

} // namespace kesto::match

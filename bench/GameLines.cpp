#include "GameLines.h"

#include "Arguments.h"

#include <fstream>
#include <set>
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

std::vector<std::vector<CellIndex>> readOpenings(const std::string& path)
{
    std::ifstream file(path);
    if (!file) {
        throw std::runtime_error("cannot read the openings file " + path);
    }
    std::vector<std::vector<CellIndex>> openings;
    std::string line;
    for (int number = 1; std::getline(file, line); ++number) {
        const std::string where = path + " line " + std::to_string(number) + ": ";
        std::vector<CellIndex> cells;
        try {
            cells = cellsOfLine(line);
        } catch (const std::runtime_error& error) {
            throw std::runtime_error(where + error.what());
        }
        const std::set<CellIndex> distinct(cells.begin(), cells.end());
        if (distinct.size() != cells.size()) {
            throw std::runtime_error(where + "a cell taken twice");
        }
        if (!cells.empty()) {
            openings.push_back(std::move(cells));
        }
    }
    if (openings.empty()) {
        throw std::runtime_error("no openings in " + path);
    }
    return openings;
}

} // namespace kesto::match

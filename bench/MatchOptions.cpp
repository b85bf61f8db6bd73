#include "MatchOptions.h"

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

std::optional<Options> parseOptions(int argc, char* argv[])
{
    Options options;
    int engines = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            return std::nullopt;
        }
        if (argument.rfind("--", 0) == 0) {
            if (i + 1 >= argc) {
                throw std::runtime_error(argument + " needs a value (see --help)");
            }
            const std::string value = argv[++i];
            if (argument == "--games") {
                options.games = static_cast<int>(wholeNumber(value, 1, 100000, argument));
            } else if (argument == "--time") {
                options.timeMs = wholeNumber(value, 1, 3600000, argument);
            } else if (argument == "--grace") {
                options.graceMs = wholeNumber(value, 0, 60000, argument);
            } else if (argument == "--opening-stones") {
                options.openingStones = static_cast<int>(wholeNumber(value, 0, 8, argument));
            } else if (argument == "--openings") {
                options.openingsFile = value;
            } else if (argument == "--record") {
                options.recordFile = value;
            } else if (argument == "--seed") {
                options.seed = static_cast<unsigned>(wholeNumber(value, 0, 4294967295LL, argument));
            } else {
                throw std::runtime_error("unknown option " + argument + " (see --help)");
            }
        } else if (engines < 2) {
            options.commands.at(static_cast<std::size_t>(engines++)) = argument;
        } else {
            throw std::runtime_error("more than two engines given (see --help)");
        }
    }
    if (engines != 2) {
        throw std::runtime_error("two engine commands are needed (see --help)");
    }
    return options;
}

} // namespace kesto::match

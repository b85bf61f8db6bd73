#include "MatchOptions.h"

#include "Arguments.h"

#include <stdexcept>
#include <string_view>

namespace kesto::match {

using bench::wholeNumber;

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
            const std::string value = bench::valueOf(argument, i, argc, argv);
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
                throw kesto::bench::UsageError("unknown option " + argument + " (see --help)");
            }
        } else if (engines < 2) {
            options.commands.at(static_cast<std::size_t>(engines++)) = argument;
        } else {
            throw kesto::bench::UsageError("more than two engines given (see --help)");
        }
    }
    if (engines != 2) {
        throw kesto::bench::UsageError("two engine commands are needed (see --help)");
    }
    return options;
}

} // namespace kesto::match

#include "Arguments.h"

#include <charconv>
#include <stdexcept>

namespace kesto::bench {

long long wholeNumber(std::string_view text, long long least, long long most, const std::string& what)
{
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < least || value > most) {
        throw UsageError(what + " must be a whole number from " + std::to_string(least) + " to "
                                 + std::to_string(most) + ", not \"" + std::string(text) + "\"");
    }
    return value;
}

std::string valueOf(const std::string& name, int& index, int argc, char* argv[])
{
    if (index + 1 >= argc) {
        throw UsageError(name + " needs a value (see --help)");
    }
    return argv[++index];
}

} // namespace kesto::bench

#pragma once

#include <string>
#include <string_view>

namespace kesto::bench {

// `text` read as a whole number from `least` to `most`. Throws
// std::runtime_error with a one-line reason naming `what` otherwise.
long long wholeNumber(std::string_view text, long long least, long long most, const std::string& what);

} // namespace kesto::bench

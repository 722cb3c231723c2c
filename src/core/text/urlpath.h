#pragma once

#include <string>
#include <string_view>

namespace pagoranto {

// A relative path for an SRC or href attribute: backslashes become slashes, and the three
// characters that would end the attribute or the tag become %22, %3C and %3E. Everything
// else, blanks included, is written as it is.
std::string ToUrlPath(std::string_view path);

} // namespace pagoranto

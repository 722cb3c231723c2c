#pragma once

#include <string>
#include <string_view>

namespace pagoranto {

// A relative path for an SRC or href attribute that reaches the file it names: backslashes become
// slashes; what would end the attribute or the tag (", <, >), what a browser reads as part of an
// address rather than of a name (%, #, ?), "$" (so no later command search finds one inside a
// name), control characters and bytes that are not UTF-8 are percent-encoded. Everything else,
// blanks and UTF-8 letters included, is written as it is.
std::string ToUrlPath(std::string_view path);

} // namespace pagoranto

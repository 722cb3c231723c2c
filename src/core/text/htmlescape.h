#pragma once

#include <string>
#include <string_view>

namespace pagoranto {

// Replaces < > & " and the German letters ä ö ü ß Ä Ö Ü by their entities. The letters are
// recognised as UTF-8 sequences and as the single Windows-1252 bytes of older files; every
// other byte is copied unchanged.
std::string HtmlEscape(std::string_view text);

// A file name written as page text: escaped as above, and "$" as "&#36;", so that no later
// command search finds a command inside the name.
std::string HtmlEscapeName(std::string_view name);

} // namespace pagoranto

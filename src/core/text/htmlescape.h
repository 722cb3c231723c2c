#pragma once

#include <string>
#include <string_view>

namespace pagoranto {

// Replaces < > & " and the German letters ä ö ü ß Ä Ö Ü by their entities. The letters are
// recognised as UTF-8 sequences and as the single Windows-1252 bytes of older files; every
// other byte is copied unchanged.
std::string HtmlEscape(std::string_view text);

} // namespace pagoranto

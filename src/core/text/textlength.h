#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace pagoranto {

// The text cut to at most maxCharacters characters, as an edit control with that maximum
// length would hold it: UTF-8 text counts characters and is never cut inside one, other text
// counts its single bytes.
std::string LimitTextLength(std::string_view text, std::size_t maxCharacters);

} // namespace pagoranto

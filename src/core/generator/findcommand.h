#pragma once

#include <cstddef>
#include <string_view>

namespace pagoranto {

// Offset of the leftmost occurrence of command in line at or after from, or npos. Letters
// a..z match their upper-case forms; every other byte must be identical. An occurrence lies
// wholly inside the line, so a command split over two lines is never found.
std::size_t FindCommand(std::string_view line, std::string_view command, std::size_t from = 0);

inline bool ContainsCommand(std::string_view line, std::string_view command)
{
    return FindCommand(line, command) != std::string_view::npos;
}

} // namespace pagoranto

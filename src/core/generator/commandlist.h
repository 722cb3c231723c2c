#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace pagoranto {

struct TemplateCommand {
    std::string_view text;
    std::string_view englishHelp;
    std::string_view germanHelp;
};

inline constexpr std::size_t commandListSize = 45;
inline constexpr std::size_t picCommandIndex = 0;
inline constexpr std::size_t tpicCommandIndex = 25;

// The template commands in their fixed order; positions index CommandCounts.
const std::array<TemplateCommand, commandListSize> &commandList();

// Position in commandList of a command spelled in any letter case, or commandListSize.
std::size_t CommandIndex(std::string_view command);

using CommandCounts = std::array<int, commandListSize>;

} // namespace pagoranto

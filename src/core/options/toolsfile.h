#pragma once

#include "core/options/genericoptionfile.h"
#include "core/options/tooloptions.h"
#include "core/options/webtooloptions.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace pagoranto {

inline constexpr std::string_view webToolsFileName = "webtools.cfg";
inline constexpr std::string_view webToolsSectionLine = "WEBTOOLS";
inline constexpr std::string_view toolsFileName = "tools.cfg";
inline constexpr std::string_view toolsSectionLine = "TOOLS";

OptionEntries WebToolEntries(WebToolOptions &tools);
OptionEntries ToolEntries(ToolOptions &tools);

inline constexpr OptionFile<WebToolOptions> webToolsFile{{webToolsSectionLine}, WebToolEntries};
inline constexpr OptionFile<ToolOptions> toolsFile{{toolsSectionLine}, ToolEntries};

// After a successful read every path is trimmed of leading and trailing blanks. False when
// the file cannot be used; nothing is changed then and the menu captions stay "?".
bool ReadWebTools(const std::filesystem::path &file, WebToolOptions &tools);
bool ReadTools(const std::filesystem::path &file, ToolOptions &tools);

inline bool WriteWebTools(const std::filesystem::path &file, const WebToolOptions &tools)
{
    return webToolsFile.Write(file, tools);
}
inline bool WriteTools(const std::filesystem::path &file, const ToolOptions &tools)
{
    return toolsFile.Write(file, tools);
}

// The menu caption of a tool: the file name part of its path (after the last "\" or "/"),
// or "?" when the trimmed path is empty.
std::string ToolMenuCaption(std::string_view path);

} // namespace pagoranto

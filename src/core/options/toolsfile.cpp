#include "core/options/toolsfile.h"

#include "core/options/optionentries.h"

#include <array>

namespace pagoranto {

namespace {

// Blanks as the trimming of the original platform sees them: every byte up to the space.
bool IsBlank(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

using Keys = std::array<std::string_view, 3>;
constexpr Keys webToolKeys = {"WEB1", "WEB2", "WEB3"};
constexpr Keys toolKeys = {"TOL1", "TOL2", "TOL3"};

bool ReadThreePaths(const std::filesystem::path &file, std::string_view sectionLine,
                    const Keys &keys, std::string &first, std::string &second,
                    std::string &third)
{
    if (!ReadOptionEntries(file, sectionLine,
                           {TextEntry(keys[0], first), TextEntry(keys[1], second),
                            TextEntry(keys[2], third)}))
        return false;
    for (std::string *path : {&first, &second, &third})
        *path = std::string(Trimmed(*path));
    return true;
}

bool WriteThreePaths(const std::filesystem::path &file, std::string_view sectionLine,
                     const Keys &keys, std::string first, std::string second,
                     std::string third)
{
    return WriteOptionEntries(file, sectionLine,
                              {TextEntry(keys[0], first), TextEntry(keys[1], second),
                               TextEntry(keys[2], third)});
}

} // namespace

bool ReadWebTools(const std::filesystem::path &file, WebToolOptions &tools)
{
    return ReadThreePaths(file, webToolsSectionLine, webToolKeys, tools.webtool1_label,
                          tools.webtool2_label, tools.webtool3_label);
}

bool WriteWebTools(const std::filesystem::path &file, const WebToolOptions &tools)
{
    return WriteThreePaths(file, webToolsSectionLine, webToolKeys, tools.webtool1_label,
                           tools.webtool2_label, tools.webtool3_label);
}

bool ReadTools(const std::filesystem::path &file, ToolOptions &tools)
{
    return ReadThreePaths(file, toolsSectionLine, toolKeys, tools.tool1_label, tools.tool2_label,
                          tools.tool3_label);
}

bool WriteTools(const std::filesystem::path &file, const ToolOptions &tools)
{
    return WriteThreePaths(file, toolsSectionLine, toolKeys, tools.tool1_label, tools.tool2_label,
                           tools.tool3_label);
}

std::string ToolMenuCaption(std::string_view path)
{
    const std::string_view trimmed = Trimmed(path);
    if (trimmed.empty())
        return "?";
    const std::size_t separator = trimmed.find_last_of("\\/");
    return std::string(separator == std::string_view::npos ? trimmed
                                                           : trimmed.substr(separator + 1));
}

} // namespace pagoranto

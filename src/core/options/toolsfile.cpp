#include "core/options/toolsfile.h"

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

void TrimPaths(std::initializer_list<std::string *> paths)
{
    for (std::string *path : paths)
        *path = std::string(Trimmed(*path));
}

} // namespace

OptionEntries WebToolEntries(WebToolOptions &tools)
{
    using namespace webToolFields;
    return {Bind(webtool1_label, tools.webtool1_label), Bind(webtool2_label, tools.webtool2_label),
            Bind(webtool3_label, tools.webtool3_label)};
}

OptionEntries ToolEntries(ToolOptions &tools)
{
    using namespace toolFields;
    return {Bind(tool1_label, tools.tool1_label), Bind(tool2_label, tools.tool2_label),
            Bind(tool3_label, tools.tool3_label)};
}

bool ReadWebTools(const std::filesystem::path &file, WebToolOptions &tools)
{
    if (!webToolsFile.Read(file, tools))
        return false;
    TrimPaths({&tools.webtool1_label, &tools.webtool2_label, &tools.webtool3_label});
    return true;
}

bool ReadTools(const std::filesystem::path &file, ToolOptions &tools)
{
    if (!toolsFile.Read(file, tools))
        return false;
    TrimPaths({&tools.tool1_label, &tools.tool2_label, &tools.tool3_label});
    return true;
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

#include "core/templates/templateeditor.h"

#include <algorithm>
#include <cstdio>

namespace pagoranto {

namespace {

std::string_view FileNamePart(std::string_view path)
{
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

} // namespace

bool IsEmptyTemplateLine(std::string_view line)
{
    return std::all_of(line.begin(), line.end(),
                       [](char c) { return static_cast<unsigned char>(c) <= ' '; });
}

std::string HtmlColourValue(int red, int green, int blue)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", std::clamp(red, 0, 255),
                  std::clamp(green, 0, 255), std::clamp(blue, 0, 255));
    return text;
}

std::string TemplateNameComment(std::string_view savedAsFile,
                                std::string_view templateNameForComment)
{
    const std::string_view path = savedAsFile.empty() ? templateNameForComment : savedAsFile;
    return "<!--" + std::string(FileNamePart(path)) + "-->";
}

std::string DateComment(int year, int month, int day)
{
    char text[32];
    std::snprintf(text, sizeof text, "<!--%02d.%02d.%04d-->", day, month, year);
    return text;
}

} // namespace pagoranto

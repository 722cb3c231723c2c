#include "core/templates/templateeditor.h"

#include "core/text/urlpath.h"

#include <algorithm>
#include <cctype>
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

namespace pagoranto {

namespace {

// Just after the opening head tag; 0 when the page has none.
std::size_t AfterHeadTag(std::string_view page)
{
    for (std::size_t at = page.find('<'); at != std::string_view::npos;
         at = page.find('<', at + 1)) {
        if (at + 5 >= page.size())
            break;
        const std::string_view name = page.substr(at + 1, 4);
        const bool head = std::equal(name.begin(), name.end(), "head", [](char a, char b) {
            return std::tolower(static_cast<unsigned char>(a)) == b;
        });
        const char next = page[at + 5];
        if (!head ||
            !(next == '>' || next == '/' || std::isspace(static_cast<unsigned char>(next))))
            continue;
        const std::size_t close = page.find('>', at);
        return close == std::string_view::npos ? 0 : close + 1;
    }
    return 0;
}

} // namespace

std::string PreviewWithBase(std::string_view page, std::string_view templateDirectory)
{
    if (templateDirectory.empty())
        return std::string(page);
    // Percent-encoded to ASCII without blanks, the address reads the same in whatever encoding
    // the page is.
    std::string directory;
    for (const char c : ToUrlPath(templateDirectory)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80 && c != ' ') {
            directory += c;
            continue;
        }
        constexpr char digits[] = "0123456789ABCDEF";
        directory += {'%', digits[byte >> 4], digits[byte & 0xF]};
    }
    if (directory.back() != '/')
        directory += '/';
    const std::string base = "<base href=\"file://" + directory + "\">";
    const std::size_t at = AfterHeadTag(page);
    return std::string(page.substr(0, at)) + base + std::string(page.substr(at));
}

} // namespace pagoranto

#include "core/generator/headerfootermemo.h"

#include "core/generator/headerfooter.h"
#include "core/text/linefile.h"

#include <algorithm>
#include <unordered_set>

namespace pagoranto {

namespace {

bool IsBlank(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}

} // namespace

std::string TrimBlanks(std::string_view text)
{
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && IsBlank(text[first]))
        ++first;
    while (last > first && IsBlank(text[last - 1]))
        --last;
    return std::string(text.substr(first, last - first));
}

std::string JoinMemoLines(ByteLines &memo)
{
    std::string joined;
    for (std::string &line : memo) {
        line = TrimBlanks(line);
        joined += line;
    }
    return joined;
}

ByteLines SplitAfterTags(std::string_view text)
{
    ByteLines lines;
    std::size_t start = 0;
    for (std::size_t pos = text.find('>'); pos != std::string_view::npos;
         pos = text.find('>', start)) {
        lines.emplace_back(text.substr(start, pos + 1 - start));
        start = pos + 1;
    }
    if (start < text.size())
        lines.emplace_back(text.substr(start));
    return lines;
}

ByteLines WithHeaderAndFooter(const ByteLines &memo, const HeaderFooterOptions &options)
{
    HeaderFooterOptions both = options;
    both.HeaderUse = true;
    both.FooterUse = true;
    ByteLines page = memo;
    InsertHeaderAndFooter(page, both);
    ByteLines lines;
    for (const std::string &line : page) {
        std::size_t start = 0;
        for (std::size_t pos = line.find("\r\n"); pos != std::string::npos;
             pos = line.find("\r\n", start)) {
            lines.push_back(line.substr(start, pos - start));
            start = pos + 2;
        }
        lines.push_back(line.substr(start));
    }
    return lines;
}

std::size_t RemoveDoubleEntries(ByteLines &entries)
{
    std::unordered_set<std::string> seen;
    const std::size_t before = entries.size();
    std::erase_if(entries, [&](const std::string &entry) { return !seen.insert(entry).second; });
    return before - entries.size();
}

std::optional<ByteLines> ReadHeaderFooterList(const std::filesystem::path &file)
{
    std::optional<ByteLines> lines = ReadLineFile(file);
    if (!lines)
        return std::nullopt;
    std::erase_if(*lines, [](const std::string &line) { return TrimBlanks(line).empty(); });
    return lines;
}

bool WriteHeaderFooterList(const std::filesystem::path &file, const ByteLines &entries)
{
    ByteLines lines;
    for (const std::string &entry : entries)
        if (!TrimBlanks(entry).empty())
            lines.push_back(entry);
    return WriteLineFile(file, lines);
}

bool IsFooterListFile(const std::filesystem::path &file)
{
    return AsciiLowerCase(file.extension().string()) == ".footer";
}

} // namespace pagoranto

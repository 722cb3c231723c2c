#include "core/pictures/descriptionstore.h"

#include "core/pictures/filemask.h"
#include "core/text/htmlescape.h"
#include "core/text/linefile.h"

#include <algorithm>

namespace pagoranto {

namespace {

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

} // namespace

std::string DescriptionField(std::string_view line, int n)
{
    std::size_t start = 0;
    for (int field = 1; field < n; ++field) {
        const std::size_t bar = line.find('|', start);
        if (bar == std::string_view::npos)
            return {};
        start = bar + 1;
    }
    const std::size_t end = line.find('|', start);
    return std::string(line.substr(start, end == std::string_view::npos ? end : end - start));
}

bool DescriptionStore::Load(const std::filesystem::path &file)
{
    auto loaded = ReadLineFile(file);
    if (!loaded)
        return false;
    SetLines(std::move(*loaded));
    return true;
}

void DescriptionStore::LoadFromDirectory(const std::filesystem::path &dir)
{
    const std::vector<std::string> files = ListFilesMatching(dir.string(), "*.desc");
    if (files.empty() || !Load(dir / files.front()))
        SetLines({});
}

bool DescriptionStore::Save(const std::filesystem::path &file) const
{
    return WriteLineFile(file, m_lines);
}

void DescriptionStore::SetLines(ByteLines lines)
{
    m_lines = std::move(lines);
    m_encoding = std::all_of(m_lines.begin(), m_lines.end(),
                             [](const std::string &line) { return IsValidUtf8(line); })
                     ? FileEncoding::utf8
                     : FileEncoding::windows1252;
    Changed();
}

std::string DescriptionStore::UnheldCharacters(const ByteLines &memoLines) const
{
    std::string joined;
    for (const std::string &line : memoLines)
        joined += line + '\n';
    return EncodeText(joined, m_encoding).unheld;
}

void DescriptionStore::ConvertToUtf8()
{
    if (m_encoding == FileEncoding::utf8)
        return;
    for (std::string &line : m_lines)
        line = Windows1252ToUtf8(line);
    m_encoding = FileEncoding::utf8;
    Changed();
}

std::optional<std::size_t> DescriptionStore::FindLine(std::string_view pictureName) const
{
    if (m_firstLineOfName.empty())
        for (std::size_t i = 0; i < m_lines.size(); ++i)
            m_firstLineOfName.emplace(WesternUpperCaseKey(DescriptionField(m_lines[i], 1)), i);
    const auto found = m_firstLineOfName.find(WesternUpperCaseKey(pictureName));
    if (found == m_firstLineOfName.end())
        return std::nullopt;
    return found->second;
}

ByteLines DescriptionStore::DescriptionLines(std::string_view pictureName) const
{
    ByteLines description;
    if (const std::optional<std::size_t> line = FindLine(pictureName)) {
        for (int n = 2;; ++n) {
            std::string field = DescriptionField(m_lines[*line], n);
            if (field.empty())
                break;
            description.push_back(std::move(field));
        }
    }
    return description;
}

std::string DescriptionStore::LookupDescription(std::string_view pictureName) const
{
    std::string joined;
    for (const std::string &field : DescriptionLines(pictureName)) {
        if (!joined.empty())
            joined += "<br>";
        joined += HtmlEscape(field);
    }
    return joined;
}

std::string DescriptionStore::LookupDescriptionFirstLine(std::string_view pictureName) const
{
    const std::optional<std::size_t> line = FindLine(pictureName);
    return line ? HtmlEscape(DescriptionField(m_lines[*line], 2)) : std::string();
}

void DescriptionStore::StoreDescription(std::string_view pictureName, const ByteLines &memoLines)
{
    if (pictureName.empty())
        return;
    std::string line = std::string(pictureName) + "|";
    for (std::size_t i = 0; i < memoLines.size(); ++i) {
        if (memoLines[i].empty())
            continue;
        line += EncodeText(TrimBlanks(memoLines[i]), m_encoding).bytes;
        if (i + 1 < memoLines.size())
            line += "|";
    }
    if (const std::optional<std::size_t> existing = FindLine(pictureName)) {
        // The same name in another case: the key, and so the index, stays as it is.
        m_lines[*existing] = std::move(line);
        return;
    }
    m_lines.push_back(std::move(line));
    Changed();
}

} // namespace pagoranto

#include "core/publish/pagelinks.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <cstdlib>

namespace pagoranto {

namespace {

bool IsNameCharacter(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_' || c == ':';
}

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && IsSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

void AppendUtf8(std::string &out, std::uint32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xc0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3f));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xe0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3f));
        out += static_cast<char>(0x80 | (code & 0x3f));
    } else {
        out += static_cast<char>(0xf0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3f));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3f));
        out += static_cast<char>(0x80 | (code & 0x3f));
    }
}

std::string DecodeEntities(std::string_view text)
{
    static constexpr std::array<std::pair<std::string_view, char>, 5> named{
        {{"amp", '&'}, {"quot", '"'}, {"apos", '\''}, {"lt", '<'}, {"gt", '>'}}};
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto end = text[i] == '&' ? text.find(';', i) : std::string_view::npos;
        if (end == std::string_view::npos || end - i > 10) {
            out += text[i];
            continue;
        }
        const std::string_view name = text.substr(i + 1, end - i - 1);
        bool decoded = false;
        if (name.size() > 1 && name[0] == '#') {
            const bool hex = name[1] == 'x' || name[1] == 'X';
            const std::string digits(name.substr(hex ? 2 : 1));
            char *stop = nullptr;
            const unsigned long code = std::strtoul(digits.c_str(), &stop, hex ? 16 : 10);
            if (!digits.empty() && *stop == '\0' && code > 0 && code <= 0x10ffff) {
                AppendUtf8(out, static_cast<std::uint32_t>(code));
                decoded = true;
            }
        } else {
            for (const auto &[entity, c] : named)
                if (EqualsIgnoringCase(name, entity)) {
                    out += c;
                    decoded = true;
                }
        }
        if (decoded)
            i = end;
        else
            out += text[i];
    }
    return out;
}

// The value after "name =" at pos, quoted or not; pos is left after it.
std::string_view AttributeValue(std::string_view text, std::size_t &pos)
{
    while (pos < text.size() && IsSpace(text[pos]))
        ++pos;
    if (pos == text.size())
        return {};
    const char quote = text[pos];
    if (quote == '"' || quote == '\'') {
        const auto end = text.find(quote, pos + 1);
        const auto stop = end == std::string_view::npos ? text.size() : end;
        const std::string_view value = text.substr(pos + 1, stop - pos - 1);
        pos = stop;
        return value;
    }
    const auto start = pos;
    while (pos < text.size() && !IsSpace(text[pos]) && text[pos] != '>')
        ++pos;
    return text.substr(start, pos - start);
}

void AddSrcset(std::string_view value, std::vector<std::string> &links)
{
    std::size_t start = 0;
    while (start < value.size()) {
        auto comma = value.find(',', start);
        if (comma == std::string_view::npos)
            comma = value.size();
        const std::string_view candidate = Trim(value.substr(start, comma - start));
        const auto space = std::find_if(candidate.begin(), candidate.end(), IsSpace);
        if (space != candidate.begin())
            links.emplace_back(
                candidate.substr(0, static_cast<std::size_t>(space - candidate.begin())));
        start = comma + 1;
    }
}

void AddCssLinks(std::string_view text, std::vector<std::string> &links)
{
    for (std::size_t pos = 0; pos + 4 <= text.size(); ++pos) {
        if (EqualsIgnoringCase(text.substr(pos, 4), "url(")) {
            const auto close = text.find(')', pos + 4);
            if (close == std::string_view::npos)
                return;
            std::string_view value = Trim(text.substr(pos + 4, close - pos - 4));
            if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                value.back() == value.front())
                value = value.substr(1, value.size() - 2);
            links.emplace_back(value);
            pos = close;
        } else if (text.size() - pos > 7 && EqualsIgnoringCase(text.substr(pos, 7), "@import")) {
            std::size_t valuePos = pos + 7;
            while (valuePos < text.size() && IsSpace(text[valuePos]))
                ++valuePos;
            if (valuePos < text.size() && (text[valuePos] == '"' || text[valuePos] == '\''))
                links.emplace_back(AttributeValue(text, valuePos));
            pos = valuePos;
        }
    }
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

std::vector<std::string> HtmlLinks(std::string_view page)
{
    static constexpr std::array<std::string_view, 5> linkAttributes{"src", "href", "background",
                                                                    "poster", "data"};
    std::vector<std::string> links;
    std::size_t pos = 0;
    while (pos < page.size()) {
        if (!IsNameCharacter(page[pos]) || (pos > 0 && IsNameCharacter(page[pos - 1]))) {
            ++pos;
            continue;
        }
        const auto nameStart = pos;
        while (pos < page.size() && IsNameCharacter(page[pos]))
            ++pos;
        const std::string_view name = page.substr(nameStart, pos - nameStart);
        auto equals = pos;
        while (equals < page.size() && IsSpace(page[equals]))
            ++equals;
        if (equals == page.size() || page[equals] != '=')
            continue;
        const bool isSrcset = EqualsIgnoringCase(name, "srcset");
        const bool isLink = std::any_of(
            linkAttributes.begin(), linkAttributes.end(),
            [&](std::string_view attribute) { return EqualsIgnoringCase(name, attribute); });
        pos = equals + 1;
        const std::string_view raw = AttributeValue(page, pos);
        if (isSrcset)
            AddSrcset(DecodeEntities(raw), links);
        else if (isLink)
            links.push_back(DecodeEntities(Trim(raw)));
    }
    // Style blocks and style attributes.
    AddCssLinks(page, links);
    return links;
}

std::vector<std::string> CssLinks(std::string_view sheet)
{
    std::vector<std::string> links;
    AddCssLinks(sheet, links);
    return links;
}

std::string LocalLinkPath(std::string_view link)
{
    link = Trim(link);
    const auto cut = link.find_first_of("?#");
    if (cut != std::string_view::npos)
        link = link.substr(0, cut);
    if (link.empty() || link.starts_with("//"))
        return {};
    // A scheme ("http:", "mailto:", "data:") names no file of ours.
    const auto colon = link.find(':');
    if (colon != std::string_view::npos && link.find('/') > colon &&
        std::isalpha(static_cast<unsigned char>(link[0])))
        return {};
    std::string path;
    for (std::size_t i = 0; i < link.size(); ++i) {
        if (link[i] == '%' && i + 2 < link.size() && HexValue(link[i + 1]) >= 0 &&
            HexValue(link[i + 2]) >= 0) {
            path += static_cast<char>(HexValue(link[i + 1]) * 16 + HexValue(link[i + 2]));
            i += 2;
        } else {
            path += link[i];
        }
    }
    return path;
}

} // namespace pagoranto

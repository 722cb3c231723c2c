#include "core/text/localeformats.h"

#include <algorithm>
#include <cstddef>

namespace pagoranto {

namespace {

bool IsAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Letters, separators and quotes mean something to the formatter, so they are quoted.
void AppendLiteral(std::string &out, std::string_view text)
{
    for (const char c : text) {
        if (c == '"')
            out += "'\"'";
        else if (IsAsciiLetter(c) || c == '/' || c == ':' || c == '\'')
            out += std::string{'"', c, '"'};
        else
            out += c;
    }
}

// Quoted text starts at `pos`, on its quote; "''" is one quote, inside quotes or out.
std::size_t AppendQuoted(std::string &out, std::string_view pattern, std::size_t pos)
{
    if (pos + 1 < pattern.size() && pattern[pos + 1] == '\'') {
        AppendLiteral(out, "'");
        return pos + 2;
    }
    std::string text;
    std::size_t at = pos + 1;
    while (at < pattern.size()) {
        if (pattern[at] == '\'') {
            if (at + 1 < pattern.size() && pattern[at + 1] == '\'') {
                text += '\'';
                at += 2;
                continue;
            }
            ++at;
            break;
        }
        text += pattern[at++];
    }
    AppendLiteral(out, text);
    return at;
}

std::string_view TrimmedSpaces(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace

std::string PatternFromLocale(std::string_view localePattern)
{
    std::string out;
    std::size_t pos = 0;
    while (pos < localePattern.size()) {
        const char c = localePattern[pos];
        if (c == '\'') {
            pos = AppendQuoted(out, localePattern, pos);
            continue;
        }
        std::size_t run = 1;
        while (pos + run < localePattern.size() && localePattern[pos + run] == c)
            ++run;
        const std::size_t upToTwo = std::min<std::size_t>(run, 2);
        switch (c) {
        case 'd':
            out.append(std::min<std::size_t>(run, 4), 'd');
            break;
        case 'M':
            out.append(std::min<std::size_t>(run, 4), 'm');
            break;
        case 'y':
            out += run <= 2 ? "yy" : "yyyy";
            break;
        case 'h':
        case 'H':
            out.append(upToTwo, 'h');
            break;
        case 'm':
            // Minutes by their own letter, whatever stands between them and the hour.
            out.append(upToTwo, 'n');
            break;
        case 's':
            out.append(upToTwo, 's');
            break;
        case 'z':
            out += run >= 3 ? "zzz" : "z";
            break;
        case 'A':
        case 'a': {
            run = 1;
            if (pos + 1 < localePattern.size() &&
                (localePattern[pos + 1] == 'P' || localePattern[pos + 1] == 'p'))
                run = 2;
            out += c == 'A' ? "AM/PM" : "am/pm";
            break;
        }
        case 't':
            break;
        default:
            AppendLiteral(out, localePattern.substr(pos, run));
        }
        pos += run;
    }
    return std::string(TrimmedSpaces(out));
}

DateTimeFormats FormatsFromLocale(std::string_view shortDatePattern,
                                  std::string_view longTimePattern)
{
    DateTimeFormats formats;
    if (std::string date = PatternFromLocale(shortDatePattern); !date.empty())
        formats.shortDateFormat = std::move(date);
    if (std::string time = PatternFromLocale(longTimePattern); !time.empty())
        formats.longTimeFormat = std::move(time);
    return formats;
}

} // namespace pagoranto

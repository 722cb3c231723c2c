#include "core/text/datetimeformat.h"

#include "core/text/bytetext.h"

#include <algorithm>
#include <array>

namespace pagoranto {

namespace {

constexpr std::array<std::string_view, 12> longMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};
constexpr std::array<std::string_view, 12> shortMonthNames = {
    "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr std::array<std::string_view, 7> longDayNames = {
    "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
constexpr std::array<std::string_view, 7> shortDayNames = {"Sun", "Mon", "Tue", "Wed",
                                                           "Thu", "Fri", "Sat"};

// A format may name another (ddddd, t, c) that names another in turn; deeper ones write
// nothing, so a format that names itself cannot recurse without end.
constexpr int maxNesting = 2;

std::string_view MonthName(const std::array<std::string_view, 12> &names, int month)
{
    return month >= 1 && month <= 12 ? names[static_cast<std::size_t>(month - 1)] : "";
}

std::string_view DayName(const std::array<std::string_view, 7> &names, const DateTime &dateTime)
{
    return names[static_cast<std::size_t>(DayOfWeek(dateTime) - 1)];
}

bool StartsWithNoCase(std::string_view text, std::size_t pos, std::string_view word)
{
    if (pos > text.size() || text.size() - pos < word.size())
        return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (AsciiUpper(text[pos + i]) != AsciiUpper(word[i]))
            return false;
    }
    return true;
}

bool IsTwelveHourMarker(std::string_view pattern, std::size_t pos)
{
    return StartsWithNoCase(pattern, pos, "AM/PM") || StartsWithNoCase(pattern, pos, "A/P") ||
           StartsWithNoCase(pattern, pos, "AMPM");
}

// An hour is on the twelve-hour clock when the first "a" after it, outside quotes and before
// the next hour, starts a marker.
bool MarkerFollows(std::string_view pattern, std::size_t pos)
{
    bool quoted = false;
    for (; pos < pattern.size(); ++pos) {
        const char c = pattern[pos];
        if (c == '\'' || c == '"')
            quoted = !quoted;
        else if (!quoted && (c == 'a' || c == 'A'))
            return IsTwelveHourMarker(pattern, pos);
        else if (c == 'h' || c == 'H')
            return false;
    }
    return false;
}

class Formatter {
public:
    Formatter(const DateTime &dateTime, const DateTimeFormats &formats)
        : m_dateTime(dateTime), m_formats(formats)
    {
    }

    void append(std::string_view pattern, int nesting);
    std::string take() { return std::move(m_out); }

private:
    void appendNumber(int value, int minDigits);
    // Consumes the rest of a run of the same character; returns the run's length.
    static int runLength(std::string_view pattern, std::size_t &pos, char starter);
    // The AM/PM family starting just before pos; false when none starts there.
    bool appendMarker(std::string_view pattern, std::size_t &pos);

    const DateTime &m_dateTime;
    const DateTimeFormats &m_formats;
    std::string m_out;
};

void Formatter::appendNumber(int value, int minDigits)
{
    const std::string digits = std::to_string(value);
    if (static_cast<int>(digits.size()) < minDigits)
        m_out.append(static_cast<std::size_t>(minDigits) - digits.size(), '0');
    m_out += digits;
}

int Formatter::runLength(std::string_view pattern, std::size_t &pos, char starter)
{
    int count = 1;
    while (pos < pattern.size() && pattern[pos] == starter) {
        ++pos;
        ++count;
    }
    return count;
}

bool Formatter::appendMarker(std::string_view pattern, std::size_t &pos)
{
    const std::size_t start = pos - 1;
    const bool afternoon = m_dateTime.hour >= 12;
    if (StartsWithNoCase(pattern, start, "AM/PM")) {
        m_out += pattern.substr(afternoon ? start + 3 : start, 2);
        pos = start + 5;
    } else if (StartsWithNoCase(pattern, start, "A/P")) {
        m_out += pattern.substr(afternoon ? start + 2 : start, 1);
        pos = start + 3;
    } else if (StartsWithNoCase(pattern, start, "AMPM")) {
        m_out += afternoon ? "PM" : "AM";
        pos = start + 4;
    } else {
        return false;
    }
    return true;
}

void Formatter::append(std::string_view pattern, int nesting)
{
    if (nesting >= maxNesting)
        return;
    const DateTime &t = m_dateTime;
    char lastLetter = ' ';
    bool twelveHour = false;
    std::size_t pos = 0;
    while (pos < pattern.size()) {
        const char starter = pattern[pos++];
        char token = AsciiUpper(starter);
        if (token >= 'A' && token <= 'Z') {
            if (token == 'M' && lastLetter == 'H')
                token = 'N';
            lastLetter = token;
        }
        switch (token) {
        case 'Y':
            if (runLength(pattern, pos, starter) <= 2)
                appendNumber(t.year % 100, 2);
            else
                appendNumber(t.year, 4);
            break;
        case 'M':
            switch (runLength(pattern, pos, starter)) {
            case 1:
                appendNumber(t.month, 1);
                break;
            case 2:
                appendNumber(t.month, 2);
                break;
            case 3:
                m_out += MonthName(shortMonthNames, t.month);
                break;
            default:
                m_out += MonthName(longMonthNames, t.month);
            }
            break;
        case 'D':
            switch (runLength(pattern, pos, starter)) {
            case 1:
                appendNumber(t.day, 1);
                break;
            case 2:
                appendNumber(t.day, 2);
                break;
            case 3:
                m_out += DayName(shortDayNames, t);
                break;
            case 4:
                m_out += DayName(longDayNames, t);
                break;
            default:
                // No long date format is kept: the longer runs give the short date as well.
                append(m_formats.shortDateFormat, nesting + 1);
            }
            break;
        case 'H': {
            const int count = std::min(runLength(pattern, pos, starter), 2);
            if (MarkerFollows(pattern, pos))
                twelveHour = true;
            int hour = t.hour;
            if (twelveHour) {
                if (hour == 0)
                    hour = 12;
                else if (hour > 12)
                    hour -= 12;
            }
            appendNumber(hour, count);
            break;
        }
        case 'N':
            appendNumber(t.minute, std::min(runLength(pattern, pos, starter), 2));
            break;
        case 'S':
            appendNumber(t.second, std::min(runLength(pattern, pos, starter), 2));
            break;
        case 'Z':
            appendNumber(t.millisecond, std::min(runLength(pattern, pos, starter), 3));
            break;
        case 'T':
            // Only the long time format is kept, so t and tt both give it.
            runLength(pattern, pos, starter);
            append(m_formats.longTimeFormat, nesting + 1);
            break;
        case 'C':
            runLength(pattern, pos, starter);
            append(m_formats.shortDateFormat, nesting + 1);
            if (t.hour != 0 || t.minute != 0 || t.second != 0) {
                m_out += ' ';
                append(m_formats.longTimeFormat, nesting + 1);
            }
            break;
        case 'A':
            if (appendMarker(pattern, pos)) {
                twelveHour = true;
            } else if (StartsWithNoCase(pattern, pos - 1, "AAAA")) {
                m_out += DayName(longDayNames, t);
                pos += 3;
            } else if (StartsWithNoCase(pattern, pos - 1, "AAA")) {
                m_out += DayName(shortDayNames, t);
                pos += 2;
            } else {
                m_out += starter;
            }
            break;
        case '/':
            if (m_formats.dateSeparator != '\0')
                m_out += m_formats.dateSeparator;
            break;
        case ':':
            if (m_formats.timeSeparator != '\0')
                m_out += m_formats.timeSeparator;
            break;
        case '\'':
        case '"': {
            // An unclosed quote runs to the end of the pattern.
            const std::size_t close = pattern.find(starter, pos);
            const std::size_t end = close == std::string_view::npos ? pattern.size() : close;
            m_out += pattern.substr(pos, end - pos);
            pos = close == std::string_view::npos ? end : end + 1;
            break;
        }
        default:
            m_out += starter;
        }
    }
}

} // namespace

int DayOfWeek(const DateTime &dateTime)
{
    // Days since 1970-01-01 in the proleptic Gregorian calendar, then the weekday from that
    // Thursday.
    long long y = dateTime.year;
    const long long m = dateTime.month;
    y -= m <= 2 ? 1 : 0;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yearOfEra = y - era * 400;
    const long long dayOfYear = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + dateTime.day - 1;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    const long long days = era * 146097 + dayOfEra - 719468;
    const long long weekday = ((days + 4) % 7 + 7) % 7; // 0 for Sunday
    return static_cast<int>(weekday) + 1;
}

std::string FormatDateTime(std::string_view pattern, const DateTime &dateTime,
                           const DateTimeFormats &formats)
{
    Formatter formatter(dateTime, formats);
    formatter.append(pattern, 0);
    return formatter.take();
}

std::string FormatDate(const DateTime &dateTime, const DateTimeFormats &formats)
{
    return FormatDateTime("ddddd", dateTime, formats);
}

std::string FormatTime(const DateTime &dateTime, const DateTimeFormats &formats)
{
    return FormatDateTime("tt", dateTime, formats);
}

std::string FormatDateEnglish(const DateTime &dateTime, DateTimeFormats &formats)
{
    formats.shortDateFormat = "mm.dd.yyyy";
    formats.dateSeparator = '.';
    return FormatDate(dateTime, formats);
}

std::string FormatDateGerman(const DateTime &dateTime, DateTimeFormats &formats)
{
    formats.shortDateFormat = "dd.mm.yyyy";
    formats.dateSeparator = '.';
    return FormatDate(dateTime, formats);
}

} // namespace pagoranto

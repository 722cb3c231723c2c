#pragma once

#include "core/platform/clock.h"

#include <string>
#include <string_view>

namespace pagoranto {

// The program-wide date and time formats. The defaults are this platform's: the C locale has
// no date format of its own, so the date is written as ISO 8601 and the time on a 24-hour
// clock.
struct DateTimeFormats {
    std::string shortDateFormat = "yyyy-mm-dd";
    std::string longTimeFormat = "hh:mm:ss";
    char dateSeparator = '-'; // written for "/"; '\0' writes nothing
    char timeSeparator = ':'; // written for ":"; '\0' writes nothing
};

// 1 for Sunday .. 7 for Saturday.
int DayOfWeek(const DateTime &dateTime);

// Format letters in any case: d dd (day), ddd dddd (English day name), ddddd (short date
// format), m mm (month; minutes after h or hh), mmm mmmm (English month name), yy yyyy, h hh,
// n nn (minutes), s ss, z zzz, t tt (long time format), c (short date and, unless midnight,
// long time), AM/PM am/pm A/P a/p (twelve-hour clock with marker as typed), AMPM, aaa aaaa.
// "/" and ":" give the separators; text in double or single quotes is copied as it stands,
// every other character too.
std::string FormatDateTime(std::string_view pattern, const DateTime &dateTime,
                           const DateTimeFormats &formats);

// The date in the short date format.
std::string FormatDate(const DateTime &dateTime, const DateTimeFormats &formats);

// The time of day in the long time format, as $TIME$ shows it.
std::string FormatTime(const DateTime &dateTime, const DateTimeFormats &formats);

// $DATEENG$ and $DATEGER$: each makes its pattern ("mm.dd.yyyy", "dd.mm.yyyy") the short date
// format, with "." as date separator, and leaves it so.
std::string FormatDateEnglish(const DateTime &dateTime, DateTimeFormats &formats);
std::string FormatDateGerman(const DateTime &dateTime, DateTimeFormats &formats);

} // namespace pagoranto

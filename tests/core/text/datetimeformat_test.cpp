#include "core/text/datetimeformat.h"

#include <gtest/gtest.h>

namespace pagoranto {
namespace {

// Tuesday 8 December 2026, 13:07:09.045, and Sunday 1 March 2026, 0:05:04.007.
constexpr DateTime afternoon{2026, 12, 8, 13, 7, 9, 45};
constexpr DateTime pastMidnight{2026, 3, 1, 0, 5, 4, 7};

DateTimeFormats SlashFormats()
{
    DateTimeFormats formats;
    formats.dateSeparator = '/';
    return formats;
}

struct PatternRow {
    const char *name;
    const char *pattern;
    const char *atAfternoon;
    const char *pastMidnight;
};

void PrintTo(const PatternRow &row, std::ostream *out)
{
    *out << row.name;
}

class Patterns : public ::testing::TestWithParam<PatternRow> {};

TEST_P(Patterns, FormatBothMoments)
{
    const PatternRow &row = GetParam();
    EXPECT_EQ(FormatDateTime(row.pattern, afternoon, SlashFormats()), row.atAfternoon);
    EXPECT_EQ(FormatDateTime(row.pattern, pastMidnight, SlashFormats()), row.pastMidnight);
}

INSTANTIATE_TEST_SUITE_P(
    DateList, Patterns,
    ::testing::Values(PatternRow{"Dotted", "dd.mm.yyyy", "08.12.2026", "01.03.2026"},
                      PatternRow{"LongNames", "dddd, d. mmmm yyyy", "Tuesday, 8. December 2026",
                                 "Sunday, 1. March 2026"},
                      PatternRow{"LongMonth", "d. mmmm yyyy", "8. December 2026", "1. March 2026"},
                      PatternRow{"ShortYear", "dd.mm.yy", "08.12.26", "01.03.26"},
                      PatternRow{"Iso", "yyyy-mm-dd", "2026-12-08", "2026-03-01"},
                      PatternRow{"ShortMonth", "d-mmm-yy", "8-Dec-26", "1-Mar-26"},
                      PatternRow{"Slashes", "dd/mm/yyyy", "08/12/2026", "01/03/2026"},
                      PatternRow{"UpperShortMonth", "d. MMM. yy", "8. Dec. 26", "1. Mar. 26"},
                      PatternRow{"UpperMonth", "dd/MM/yy", "08/12/26", "01/03/26"},
                      PatternRow{"UpperLongMonth", "MMMM yy", "December 26", "March 26"},
                      PatternRow{"UpperShortMonthYear", "MMM-yy", "Dec-26", "Mar-26"}),
    [](const auto &row) { return std::string(row.param.name); });

INSTANTIATE_TEST_SUITE_P(
    TimeList, Patterns,
    ::testing::Values(
        PatternRow{"HourMinute", "h:mm", "13:07", "0:05"},
        PatternRow{"HourMinuteMarker", "h:mm AM/PM", "1:07 PM", "12:05 AM"},
        PatternRow{"HourMinutePadded", "hh:mm", "13:07", "00:05"},
        PatternRow{"HourMinutePaddedMarker", "hh:mm AM/PM", "01:07 PM", "12:05 AM"},
        PatternRow{"Seconds", "h:mm:ss", "13:07:09", "0:05:04"},
        PatternRow{"SecondsMarker", "h:mm:ss AM/PM", "1:07:09 PM", "12:05:04 AM"},
        PatternRow{"SecondsPadded", "hh:mm:ss", "13:07:09", "00:05:04"},
        PatternRow{"SecondsPaddedMarker", "hh:mm:ss AM/PM", "01:07:09 PM", "12:05:04 AM"},
        PatternRow{"Milliseconds", "h:mm:ss:zzz", "13:07:09:045", "0:05:04:007"},
        PatternRow{"MillisecondsMarker", "h:mm:ss:zzz AM/PM", "1:07:09:045 PM", "12:05:04:007 AM"},
        PatternRow{"MillisecondsPadded", "hh:mm:ss:zzz", "13:07:09:045", "00:05:04:007"},
        PatternRow{"MillisecondsPaddedMarker", "hh:mm:ss:zzz AM/PM", "01:07:09:045 PM",
                   "12:05:04:007 AM"}),
    [](const auto &row) { return std::string(row.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Letters, Patterns,
    ::testing::Values(
        PatternRow{"AnyCase", "DD.MM.YYYY HH:NN:SS", "08.12.2026 13:07:09", "01.03.2026 00:05:04"},
        PatternRow{"MonthBeforeHour", "mm hh", "12 13", "03 00"},
        PatternRow{"MinutesAfterQuotedText", "h' Uhr 'mm", "13 Uhr 07", "0 Uhr 05"},
        PatternRow{"MonthAfterAnotherLetter", "h d mm", "13 8 12", "0 1 03"},
        PatternRow{"UnpaddedNumbers", "d.m.y h:n:s z", "8.12.26 13:7:9 45", "1.3.26 0:5:4 7"},
        PatternRow{"LongRunsClamped", "yyy hhh nnn sss zzzz", "2026 13 07 09 045",
                   "2026 00 05 04 007"},
        PatternRow{"ShortDayName", "ddd", "Tue", "Sun"},
        PatternRow{"DayNamesByA", "aaa aaaa", "Tue Tuesday", "Sun Sunday"},
        PatternRow{"MarkerKeepsItsCase", "h am/pm", "1 pm", "12 am"},
        PatternRow{"OneLetterMarker", "h A/P", "1 P", "12 A"},
        PatternRow{"MarkerBeforeHour", "AMPM h", "PM 1", "AM 12"},
        PatternRow{"QuotedMarkerIsText", "h 'am/pm'", "13 am/pm", "0 am/pm"},
        PatternRow{"MarkerOnlyForItsHour", "h h a/p", "13 1 p", "0 12 a"},
        PatternRow{"QuotedLetters", "'dd' \"mm\" yyyy", "dd mm 2026", "dd mm 2026"},
        PatternRow{"UnclosedQuote", "yyyy 'dd", "2026 dd", "2026 dd"},
        PatternRow{"OtherCharactersCopied", "[yyyy] #x", "[2026] #x", "[2026] #x"}),
    [](const auto &row) { return std::string(row.param.name); });

TEST(FormatDateTime, SeparatorsComeFromTheFormats)
{
    DateTimeFormats formats;
    formats.dateSeparator = '-';
    formats.timeSeparator = '.';
    EXPECT_EQ(FormatDateTime("dd/mm/yyyy hh:nn", afternoon, formats), "08-12-2026 13.07");
    EXPECT_EQ(FormatDateTime("dd.mm.yyyy", afternoon, formats), "08.12.2026");
    formats.dateSeparator = '\0';
    formats.timeSeparator = '\0';
    EXPECT_EQ(FormatDateTime("dd/mm hh:nn", afternoon, formats), "0812 1307");
}

TEST(FormatDateTime, NamedFormatsAreExpandedButNotWithoutEnd)
{
    DateTimeFormats formats;
    EXPECT_EQ(FormatDateTime("c", afternoon, formats), "2026-12-08 13:07:09");
    EXPECT_EQ(FormatDateTime("c", DateTime{2026, 12, 8}, formats), "2026-12-08");
    EXPECT_EQ(FormatDateTime("[ddddd|tt]", afternoon, formats), "[2026-12-08|13:07:09]");
    formats.shortDateFormat = "<ddddd>";
    EXPECT_EQ(FormatDate(afternoon, formats), "<>");
}

TEST(DayOfWeek, CountsFromSunday)
{
    EXPECT_EQ(DayOfWeek(afternoon), 3);
    EXPECT_EQ(DayOfWeek(pastMidnight), 1);
    EXPECT_EQ(DayOfWeek(DateTime{1970, 1, 1}), 5);
    EXPECT_EQ(DayOfWeek(DateTime{2000, 2, 29}), 3);
    EXPECT_EQ(DayOfWeek(DateTime{1600, 3, 1}), 4);
}

TEST(FormatDateTime, MonthOutOfRangeHasNoName)
{
    EXPECT_EQ(FormatDateTime("mmm|mmmm", DateTime{2026, 13, 1}, DateTimeFormats{}), "|");
}

TEST(ProgramFormats, DefaultsAreThisPlatforms)
{
    const DateTimeFormats formats;
    EXPECT_EQ(FormatDate(afternoon, formats), "2026-12-08");
    EXPECT_EQ(FormatTime(afternoon, formats), "13:07:09");
}

TEST(ProgramFormats, TimeUsesTheChosenLongTimeFormat)
{
    DateTimeFormats formats;
    formats.longTimeFormat = "hh:mm AM/PM";
    EXPECT_EQ(FormatTime(afternoon, formats), "01:07 PM");
}

TEST(ProgramFormats, DateCommandsSetTheShortDateFormat)
{
    DateTimeFormats formats;
    formats.shortDateFormat = "d-mmm-yy"; // chosen in the options window: ignored
    formats.dateSeparator = '/';
    EXPECT_EQ(FormatDateEnglish(afternoon, formats), "12.08.2026");
    EXPECT_EQ(formats.shortDateFormat, "mm.dd.yyyy");
    EXPECT_EQ(FormatDateGerman(afternoon, formats), "08.12.2026");
    EXPECT_EQ(formats.shortDateFormat, "dd.mm.yyyy");
    EXPECT_EQ(formats.dateSeparator, '.');

    // A later choice with slashes now writes dots.
    formats.shortDateFormat = "dd/mm/yyyy";
    EXPECT_EQ(FormatDate(afternoon, formats), "08.12.2026");
}

} // namespace
} // namespace pagoranto

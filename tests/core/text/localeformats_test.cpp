#include "core/text/localeformats.h"

#include <gtest/gtest.h>

namespace pagoranto {
namespace {

// Tuesday 8 December 2026, 13:07:09.045.
constexpr DateTime afternoon{2026, 12, 8, 13, 7, 9, 45};

// What the locales of Qt give for their short date and long time formats.
TEST(FormatsFromLocale, WriteDatesAndTimesAsTheLocaleDoes)
{
    const struct {
        const char *locale;
        const char *shortDate;
        const char *longTime;
        const char *date;
        const char *time;
    } rows[] = {
        {"en_US", "M/d/yy", "h:mm:ss AP t", "12/8/26", "1:07:09 PM"},
        {"de_DE", "dd.MM.yy", "HH:mm:ss t", "08.12.26", "13:07:09"},
        {"fr_FR", "dd/MM/yyyy", "HH:mm:ss t", "08/12/2026", "13:07:09"},
        {"ja_JP", "yyyy/MM/dd", "H\xE6\x99\x82mm\xE5\x88\x86ss\xE7\xA7\x92 t", "2026/12/08",
         "13\xE6\x99\x82"
         "07\xE5\x88\x86"
         "09\xE7\xA7\x92"},
        {"en_GB", "dd/MM/yyyy", "HH:mm:ss t", "08/12/2026", "13:07:09"},
        {"zh_CN", "yyyy/M/d", "t HH:mm:ss", "2026/12/8", "13:07:09"},
        {"fi_FI", "d.M.yyyy", "H.mm.ss t", "8.12.2026", "13.07.09"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.locale);
        // The program's own separators stay as they are: the locale's are written as text.
        DateTimeFormats formats = FormatsFromLocale(row.shortDate, row.longTime);
        formats.dateSeparator = '-';
        formats.timeSeparator = '\0';
        EXPECT_EQ(FormatDate(afternoon, formats), row.date);
        EXPECT_EQ(FormatTime(afternoon, formats), row.time);
    }
}

TEST(FormatsFromLocale, QuotedAndUnknownLettersStayText)
{
    const DateTimeFormats formats = FormatsFromLocale("d 'de' MMMM 'o''clock' yyyy", "hh 'h' mm x");
    EXPECT_EQ(FormatDate(afternoon, formats), "8 de December o'clock 2026");
    EXPECT_EQ(FormatTime(afternoon, formats), "13 h 07 x");
    EXPECT_EQ(FormatDate(afternoon, FormatsFromLocale("dd''MM\"yy", "")), "08'12\"26");
}

TEST(FormatsFromLocale, WithoutAUsablePatternTheFixedOnesStay)
{
    const DateTimeFormats fixed;
    for (const char *pattern : {"", " ", "t", "  t  "}) {
        SCOPED_TRACE(pattern);
        const DateTimeFormats formats = FormatsFromLocale(pattern, pattern);
        EXPECT_EQ(formats.shortDateFormat, fixed.shortDateFormat);
        EXPECT_EQ(formats.longTimeFormat, fixed.longTimeFormat);
    }
}

} // namespace
} // namespace pagoranto

#include "core/text/htmlescape.h"
#include "core/text/urlpath.h"

#include <gtest/gtest.h>

namespace pagoranto {
namespace {

struct EscapeRow {
    const char *name;
    std::string input;
    std::string expected;
};

void PrintTo(const EscapeRow &row, std::ostream *out)
{
    *out << row.name;
}

class HtmlEscapeRows : public ::testing::TestWithParam<EscapeRow> {};

TEST_P(HtmlEscapeRows, Escapes)
{
    EXPECT_EQ(HtmlEscape(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    HtmlEscape, HtmlEscapeRows,
    ::testing::Values(
        EscapeRow{"Markup", "<b>\"A&B\"</b>", "&lt;b&gt;&quot;A&amp;B&quot;&lt;/b&gt;"},
        EscapeRow{"GermanUtf8", "\xC3\xA4\xC3\xB6\xC3\xBC\xC3\x9F\xC3\x84\xC3\x96\xC3\x9C",
                  "&auml;&ouml;&uuml;&szlig;&Auml;&Ouml;&Uuml;"},
        EscapeRow{"GermanSingleByte", "\xE4\xF6\xFC\xDF\xC4\xD6\xDC",
                  "&auml;&ouml;&uuml;&szlig;&Auml;&Ouml;&Uuml;"},
        EscapeRow{"OtherLettersUntouched", "caf\xC3\xA9 \xC4\x85 it's",
                  "caf\xC3\xA9 \xC4\x85 it's"},
        EscapeRow{"ExistingEntityEscapedAgain", "a&nbsp;b", "a&amp;nbsp;b"},
        EscapeRow{"MixedForms", "\xC3\xA4 \xE4", "&auml; &auml;"}, EscapeRow{"Empty", "", ""}),
    [](const auto &row) { return row.param.name; });

TEST(ToUrlPath, TurnsBackslashesIntoSlashesAndKeepsAttributesClosed)
{
    EXPECT_EQ(ToUrlPath("..\\pics\\my photo.jpg"), "../pics/my photo.jpg");
    EXPECT_EQ(ToUrlPath("say \"cheese\" <now>.jpg"), "say %22cheese%22 %3Cnow%3E.jpg");
    EXPECT_EQ(ToUrlPath("a&b%20c.jpg"), "a&b%20c.jpg");
}

} // namespace
} // namespace pagoranto

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
    // A name is a name: "%20" in it is three characters of the file's name.
    EXPECT_EQ(ToUrlPath("a&b%20c.jpg"), "a&b%2520c.jpg");
}

TEST(ToUrlPath, EncodesWhatWouldBreakTheLinkAndKeepsUtf8Readable)
{
    EXPECT_EQ(ToUrlPath("hash#1.jpg"), "hash%231.jpg");
    EXPECT_EQ(ToUrlPath("what?.jpg"), "what%3F.jpg");
    EXPECT_EQ(ToUrlPath("100%.jpg"), "100%25.jpg");
    EXPECT_EQ(ToUrlPath("x$NEXT$.jpg"), "x%24NEXT%24.jpg");
    EXPECT_EQ(ToUrlPath("tab\tline\nbreak\x7F.jpg"), "tab%09line%0Abreak%7F.jpg");
    EXPECT_EQ(ToUrlPath("M\xFCnchen.jpg"), "M%FCnchen.jpg");
    EXPECT_EQ(ToUrlPath("M\xC3\xBCnchen \xE5\x8C\x97.jpg"), "M\xC3\xBCnchen \xE5\x8C\x97.jpg");
    EXPECT_EQ(ToUrlPath("cut\xC3.jpg"), "cut%C3.jpg");
}

TEST(HtmlEscapeName, AFileNameInTextHoldsNoCommand)
{
    EXPECT_EQ(HtmlEscapeName("z$TOTAL$ & <b>.jpg"), "z&#36;TOTAL&#36; &amp; &lt;b&gt;.jpg");
    EXPECT_EQ(HtmlEscapeName("K\xE4se.jpg"), "K&auml;se.jpg");
}

} // namespace
} // namespace pagoranto

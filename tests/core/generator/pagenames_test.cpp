#include "core/generator/pagenames.h"
#include "core/options/pagenameoptions.h"

#include <gtest/gtest.h>

namespace pagoranto {
namespace {

TEST(FormatPageNumber, PadsToTheLengthButNeverCuts)
{
    EXPECT_EQ(FormatPageNumber(7, 4), "0007");
    EXPECT_EQ(FormatPageNumber(7, 1), "7");
    EXPECT_EQ(FormatPageNumber(99999, 4), "99999");
    EXPECT_EQ(FormatPageNumber(0, 3), "000");
    EXPECT_EQ(FormatPageNumber(5000000000, 7), "5000000000");
}

TEST(HasPageNamePlaceholder, FindsEachPlaceholderInAnyCase)
{
    EXPECT_TRUE(HasPageNamePlaceholder("pic-$nd$"));
    EXPECT_TRUE(HasPageNamePlaceholder("$NB$"));
    EXPECT_TRUE(HasPageNamePlaceholder("x$nH$x"));
    EXPECT_FALSE(HasPageNamePlaceholder("page"));
    EXPECT_FALSE(HasPageNamePlaceholder("$nx$ $n d$"));
    EXPECT_FALSE(HasPageNamePlaceholder(""));
}

struct PlaceholderRow {
    const char *name;
    const char *pattern;
    std::int32_t n;
    int numberLength;
    const char *expected;
};

void PrintTo(const PlaceholderRow &row, std::ostream *out)
{
    *out << row.name;
}

class ApplyPlaceholders : public ::testing::TestWithParam<PlaceholderRow> {};

TEST_P(ApplyPlaceholders, GivesTheExpectedName)
{
    const PlaceholderRow &row = GetParam();
    EXPECT_EQ(ApplyPageNamePlaceholders(row.pattern, row.n, row.numberLength), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ApplyPlaceholders,
    ::testing::Values(
        PlaceholderRow{"Decimal", "pic-$nd$", 7, 4, "pic-0007"},
        PlaceholderRow{"UpperCase", "$ND$$NH$", 777, 4, "0777309"},
        PlaceholderRow{"MixedCaseEveryOccurrence", "$Nd$_$nD$", 42, 3, "042_042"},
        PlaceholderRow{"BinaryAlways32Digits", "$nb$", 777, 4, "00000000000000000000001100001001"},
        PlaceholderRow{"BinaryAfterText", "g$nb$", 5, 4, "g00000000000000000000000000000101"},
        PlaceholderRow{"BinaryOfNegative", "$nb$", -1, 4, "11111111111111111111111111111111"},
        PlaceholderRow{"HexNeverPads", "$nh$x", 255, 7, "ffx"},
        PlaceholderRow{"HexOfZero", "$nh$", 0, 4, "0"},
        PlaceholderRow{"HexOfNegative", "$nh$", -1, 4, "ffffffff"},
        // Hex digits may spell a placeholder replaced earlier: it stays, and nothing loops.
        PlaceholderRow{"HexFormsBinaryPlaceholder", "$n$nh$$", 11, 4, "$nb$"},
        PlaceholderRow{"HexFormsDecimalPlaceholder", "$n$nh$$", 13, 4, "$nd$"},
        PlaceholderRow{"DecimalCannotFormAnother", "$n$nd$d$", 7, 1, "$n7d$"},
        PlaceholderRow{"NoPlaceholder", "page", 7, 4, "page"}),
    [](const auto &row) { return std::string(row.param.name); });

struct FileNameRow {
    const char *name;
    PageNameOptions options;
    int k;
    std::int64_t firstPageNumber;
    const char *expected;
};

void PrintTo(const FileNameRow &row, std::ostream *out)
{
    *out << row.name;
}

PageNameOptions Named(std::string own, int numberLength = 4)
{
    PageNameOptions options;
    options.ownfilename = std::move(own);
    options.ScrollBar4 = numberLength;
    return options;
}

PageNameOptions WithFirst(std::string first)
{
    PageNameOptions options;
    options.usedifferentfirst = true;
    options.differentfilename = std::move(first);
    return options;
}

class PageFileNames : public ::testing::TestWithParam<FileNameRow> {};

TEST_P(PageFileNames, GivesTheExpectedName)
{
    const FileNameRow &row = GetParam();
    EXPECT_EQ(PageFileName(row.k, row.firstPageNumber, row.options), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PageFileNames,
    ::testing::Values(FileNameRow{"Default", PageNameOptions{}, 1, 7, "page0007.html"},
                      FileNameRow{"LaterPage", PageNameOptions{}, 3, 7, "page0009.html"},
                      FileNameRow{"NotCut", Named("page"), 1, 99999, "page99999.html"},
                      FileNameRow{"LengthOne", Named("page", 1), 1, 7, "page7.html"},
                      FileNameRow{"Placeholder", Named("pic-$nd$"), 1, 7, "pic-0007.html"},
                      FileNameRow{"Hex", Named("$nh$x"), 1, 255, "ffx.html"},
                      FileNameRow{"Binary", Named("g$nb$"), 1, 5,
                                  "g00000000000000000000000000000101.html"},
                      FileNameRow{"FirstPage", WithFirst("index"), 1, 1, "index.html"},
                      FileNameRow{"AfterFirstPage", WithFirst("index"), 2, 1, "page0002.html"}),
    [](const auto &row) { return std::string(row.param.name); });

TEST(IsSafePageName, RefusesNamesThatLeaveTheDirectory)
{
    EXPECT_TRUE(IsSafePageName("page"));
    EXPECT_TRUE(IsSafePageName("page0001.html"));
    EXPECT_TRUE(IsSafePageName("..page"));
    EXPECT_FALSE(IsSafePageName(""));
    EXPECT_FALSE(IsSafePageName("."));
    EXPECT_FALSE(IsSafePageName(".."));
    EXPECT_FALSE(IsSafePageName("../page"));
    EXPECT_FALSE(IsSafePageName("sub/page"));
    EXPECT_FALSE(IsSafePageName("..\\page"));
    EXPECT_FALSE(IsSafePageName(std::string("page\0x", 6)));
}

} // namespace
} // namespace pagoranto

#include "core/generator/headerfootermemo.h"
#include "core/text/linefile.h"
#include "tests/support/scratchdirectory.h"

#include <gtest/gtest.h>

namespace pagoranto {
namespace {

TEST(JoinMemoLines, TrimsEveryLineAndSkipsEmptyOnes)
{
    ByteLines memo = {"   <p align=\"center\">", "", "\t<a href=\"x.html\">X</a></p>   "};
    EXPECT_EQ(JoinMemoLines(memo), "<p align=\"center\"><a href=\"x.html\">X</a></p>");
    EXPECT_EQ(memo, (ByteLines{"<p align=\"center\">", "", "<a href=\"x.html\">X</a></p>"}));

    ByteLines blank = {"   ", "\t"};
    EXPECT_EQ(JoinMemoLines(blank), "");
    EXPECT_EQ(blank, (ByteLines{"", ""}));
}

TEST(SplitAfterTags, EveryLineEndsAfterItsTagAndTheRestComesLast)
{
    EXPECT_EQ(SplitAfterTags("<p><b>Home</b></p>"), (ByteLines{"<p>", "<b>", "Home</b>", "</p>"}));
    EXPECT_EQ(SplitAfterTags("<p><b>Home</b></p> more"),
              (ByteLines{"<p>", "<b>", "Home</b>", "</p>", " more"}));
    EXPECT_EQ(SplitAfterTags("no tag"), ByteLines{"no tag"});
    EXPECT_TRUE(SplitAfterTags("").empty());
}

// Joining what a split gave brings the line back.
TEST(SplitAfterTags, JoinsBackToTheSameLine)
{
    const std::string line = "<div class=\"top\"><a href=\"../index.html\">Overview</a></div>";
    ByteLines memo = SplitAfterTags(line);
    EXPECT_EQ(JoinMemoLines(memo), line);
}

TEST(WithHeaderAndFooter, InsertsBothEvenWhenSwitchedOffAndBreaksTheLines)
{
    HeaderFooterOptions options;
    options.headeredit = "<p>top</p>";
    options.footeredit = "<p>bottom</p>";
    const ByteLines memo = {"<html>", "<BODY bgcolor=\"white\">", "text", "</body></html>"};
    EXPECT_EQ(WithHeaderAndFooter(memo, options),
              (ByteLines{"<html>", "<BODY bgcolor=\"white\">", "<p>top</p>", "text",
                         "<p>bottom</p>", "</body></html>"}));
    const ByteLines noBody = {"just text"};
    EXPECT_EQ(WithHeaderAndFooter(noBody, options), noBody);
}

TEST(RemoveDoubleEntries, KeepsTheFirstOfEqualEntriesInOrder)
{
    ByteLines entries = {"a", "b", "a", "c", "b", "A"};
    EXPECT_EQ(RemoveDoubleEntries(entries), 2u);
    EXPECT_EQ(entries, (ByteLines{"a", "b", "c", "A"}));
}

TEST(HeaderFooterList, RoundTripSkipsEmptyEntries)
{
    testing::ScratchDirectory dir;
    const auto file = dir.path() / "mine.footer";
    const ByteLines entries = {"<p>one</p>", "", "<a href=\"x=1\">two</a>"};
    ASSERT_TRUE(WriteHeaderFooterList(file, entries));
    EXPECT_EQ(*ReadFileBytes(file), "<p>one</p>\r\n<a href=\"x=1\">two</a>\r\n");
    EXPECT_EQ(ReadHeaderFooterList(file), (ByteLines{"<p>one</p>", "<a href=\"x=1\">two</a>"}));
    EXPECT_FALSE(ReadHeaderFooterList(dir.path() / "missing.header").has_value());
    EXPECT_TRUE(IsFooterListFile(file));
    EXPECT_TRUE(IsFooterListFile("X.FOOTER"));
    EXPECT_FALSE(IsFooterListFile("x.header"));
    EXPECT_FALSE(IsFooterListFile("footer"));
}

} // namespace
} // namespace pagoranto

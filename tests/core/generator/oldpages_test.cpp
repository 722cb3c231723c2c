#include "core/generator/oldpages.h"
#include "core/generator/pagenames.h"
#include "core/options/pagenameoptions.h"
#include "tests/support/gtesthelpers.h"

#include <gtest/gtest.h>

namespace pagoranto {
namespace {

using namespace pagoranto::testing;
namespace fs = std::filesystem;

PageNameOptions Named(std::string own, int length = 4)
{
    PageNameOptions options;
    options.ownfilename = std::move(own);
    options.ScrollBar4 = length;
    return options;
}

TEST(PageNumberOfName, ReadsBackOnlyNamesThePatternMakes)
{
    const PageNameOptions page = Named("page");
    EXPECT_EQ(PageNumberOfName("page0007.html", page), 7);
    EXPECT_EQ(PageNumberOfName("page12345.html", page), 12345);
    for (const char *other :
         {"page07.html", "page0007.htm", "Page0007.html", "page00007.html", "page.html",
          "pageabcd.html", "page0007x.html", "notes.html", "page99999999999999999999.html"})
        EXPECT_FALSE(PageNumberOfName(other, page)) << other;
    EXPECT_EQ(PageNumberOfName("page7.html", Named("page", 1)), 7);

    // Placeholders, in any letter case, wherever they stand.
    EXPECT_EQ(PageNumberOfName("pic-0007-x.html", Named("pic-$ND$-x")), 7);
    EXPECT_EQ(PageNumberOfName("ffx.html", Named("$nh$x")), 255);
    EXPECT_EQ(PageNumberOfName("g00000000000000000000000000000101.html", Named("g$nb$")), 5);
    EXPECT_EQ(PageNumberOfName("12-0012.html", Named("$nd$-$nd$", 2)), std::nullopt);
    EXPECT_EQ(PageNumberOfName("12-12.html", Named("$nd$-$nd$", 2)), 12);
    EXPECT_EQ(PageNumberOfName("c-c.html", Named("$nh$-$nh$")), 12);
    EXPECT_FALSE(PageNumberOfName("c-d.html", Named("$nh$-$nh$")));
}

class OldPagesTest : public ScratchDirectoryTest {
protected:
    void SetUp() override
    {
        ScratchDirectoryTest::SetUp();
        dir = m_dir.string() + "/";
    }
    PagePlan PlanOf(int count, std::int64_t first, const PageNameOptions &options) const
    {
        PagePlan plan;
        plan.pageCount = count;
        for (int k = 1; k <= count; ++k)
            plan.pageNameList.push_back(PageFileName(k, first, options));
        return plan;
    }
    std::string dir;
};

TEST_F(OldPagesTest, HigherNumbersAndAnotherFirstPageOfTheSameNamesAreOld)
{
    PageNameOptions options = Named("page");
    for (int n = 1; n <= 40; ++n)
        Write("page" + std::string(n < 10 ? "000" : "00") + std::to_string(n) + ".html", "old");
    for (const char *mine : {"notes.html", "page12.html", "page0041.htm", "index.htm"})
        Write(mine, "mine");
    fs::create_directory(m_dir / "page0050.html");
    fs::create_symlink(m_dir / "notes.html", m_dir / "page0060.html");

    std::vector<std::string> old = FindOldPages(dir, PlanOf(4, 1, options), 1, options);
    ASSERT_EQ(old.size(), 36u);
    EXPECT_EQ(old.front(), "page0005.html");
    EXPECT_EQ(old.back(), "page0040.html");

    // Lower numbers belong to a gallery continued on purpose; they stay out of it.
    old = FindOldPages(dir, PlanOf(4, 37, options), 37, options);
    EXPECT_TRUE(old.empty()) << old.front();

    // The first page named on its own: the numbered page of its number is an earlier one.
    options.usedifferentfirst = true;
    options.differentfilename = "index";
    old = FindOldPages(dir, PlanOf(40, 1, options), 1, options);
    EXPECT_EQ(old, std::vector<std::string>{"page0001.html"});

    // And the other way round: the first-page name of an earlier run.
    Write("index.html", "old first page");
    options.usedifferentfirst = false;
    old = FindOldPages(dir, PlanOf(40, 1, options), 1, options);
    EXPECT_EQ(old, std::vector<std::string>{"index.html"});
}

TEST(OldPagesQuestion, CountsNamesTheFirstFewAndOffersThreeWays)
{
    std::vector<std::string> pages;
    for (int n = 5; n <= 40; ++n)
        pages.push_back("page" + std::to_string(n) + ".html");
    const std::string text = OldPagesQuestion("/g/", pages);
    EXPECT_EQ(text.find("36 pages of an earlier gallery with the same page names are in\r/g/\r"),
              0u)
        << text;
    EXPECT_NE(text.find("page9.html\r    ... and 31 more"), std::string::npos) << text;
    EXPECT_EQ(text.find("page10.html"), std::string::npos);
    EXPECT_NE(text.find("Yes: move them to the trash\rNo: keep them\rCancel:"), std::string::npos);
}

} // namespace
} // namespace pagoranto

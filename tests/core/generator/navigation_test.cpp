#include "core/generator/navigationbar.h"
#include "core/generator/navigationcommands.h"
#include "core/generator/navigationpagenames.h"
#include "core/generator/substitutionorder.h"

#include <cstdio>
#include <gtest/gtest.h>

namespace pagoranto {
namespace {

std::vector<std::string> PageNames(int count)
{
    std::vector<std::string> names;
    for (int k = 1; k <= count; ++k) {
        char name[32];
        std::snprintf(name, sizeof name, "page%04d.html", k);
        names.emplace_back(name);
    }
    return names;
}

std::string Link(const std::string &target, const std::string &text)
{
    return "<a href=\"" + target + "\">" + text + "</a>";
}

std::string Bar(const std::string &content)
{
    return "<!--NavStart-->" + content + "<!--Navend-->";
}

TEST(NavigationBar, DefaultsOnThirdOfFivePages)
{
    EXPECT_EQ(BuildNavigationBar(PageNames(5), 2, NavigationOptions{}),
              "<!--NavStart-->"
              "<a href=\"page0001.html\">|&lt;</a>-|-"
              "<a href=\"page0002.html\">&lt;&lt;</a>-|-"
              "<a href=\"page0001.html\">1</a>-|-"
              "<a href=\"page0002.html\">2</a>-|-"
              "<font size=+4>3</font>-|-"
              "<a href=\"page0004.html\">4</a>-|-"
              "<a href=\"page0005.html\">5</a>-|-"
              "<a href=\"page0004.html\">&gt;&gt;</a>-|-"
              "<a href=\"page0005.html\">&gt;|</a>"
              "<!--Navend-->");
}

TEST(NavigationBar, FirstOfTenPagesGetsAllNumbersAfterIt)
{
    std::string expected = "<font size=+4>1</font>-|-";
    for (int number = 2; number <= 10; ++number)
        expected += Link(PageNames(10)[number - 1], std::to_string(number)) + "-|-";
    expected += Link("page0002.html", "&gt;&gt;") + "-|-" + Link("page0010.html", "&gt;|");
    EXPECT_EQ(BuildNavigationBar(PageNames(10), 0, NavigationOptions{}), Bar(expected));
}

TEST(NavigationBar, SmallestNumberOfLinks)
{
    NavigationOptions options;
    options.ScrollBar1 = 1;
    options.nav_use_first = options.nav_use_prev = false;
    options.nav_use_next = options.nav_use_last = false;
    EXPECT_EQ(BuildNavigationBar(PageNames(5), 0, options),
              Bar("<font size=+4>1</font>-|-" + Link("page0002.html", "2") + "-|-" +
                  Link("page0003.html", "3")));
    EXPECT_EQ(BuildNavigationBar(PageNames(5), 2, options),
              Bar(Link("page0002.html", "2") + "-|-<font size=+4>3</font>-|-" +
                  Link("page0004.html", "4")));
    EXPECT_EQ(BuildNavigationBar(PageNames(5), 4, options),
              Bar(Link("page0004.html", "4") + "-|-<font size=+4>5</font>"));
}

TEST(NavigationBar, EveryFontSizeOfTheCurrentNumber)
{
    struct Row {
        int radioIndex;
        const char *current;
    };
    const Row rows[] = {
        {0, "<font size=-2>1</font>"},
        {1, "<font size=-1>1</font>"},
        {2, "1"},
        {3, "<font size=+1>1</font>"},
        {4, "<font size=+2>1</font>"},
        {5, "<font size=+3>1</font>"},
        {6, "<font size=+4>1</font>"},
        {7, "1"},
    };
    for (const Row &row : rows) {
        NavigationOptions options;
        options.RadioGroup1 = row.radioIndex;
        EXPECT_EQ(BuildNavigationBar(PageNames(1), 0, options), Bar(row.current))
            << "RadioGroup1 " << row.radioIndex;
    }
}

TEST(NavigationBar, SeparatorIsEscaped)
{
    NavigationOptions options;
    options.nav_edit_linkseparator = "&nbsp;";
    EXPECT_EQ(BuildNavigationBar(PageNames(2), 0, options),
              Bar("<font size=+4>1</font>&amp;nbsp;" + Link("page0002.html", "2") + "&amp;nbsp;" +
                  Link("page0002.html", "&gt;&gt;") + "&amp;nbsp;" +
                  Link("page0002.html", "&gt;|")));
}

TEST(NavigationBar, EmptySeparatorRemovesNothing)
{
    NavigationOptions options;
    options.nav_edit_linkseparator.clear();
    EXPECT_EQ(BuildNavigationBar(PageNames(2), 1, options),
              Bar(Link("page0001.html", "|&lt;") + Link("page0001.html", "&lt;&lt;") +
                  Link("page0001.html", "1") + "<font size=+4>2</font>"));
}

TEST(NavigationBar, LastPageEndsWithItsNumber)
{
    EXPECT_EQ(BuildNavigationBar(PageNames(3), 2, NavigationOptions{}),
              Bar(Link("page0001.html", "|&lt;") + "-|-" + Link("page0002.html", "&lt;&lt;") +
                  "-|-" + Link("page0001.html", "1") + "-|-" + Link("page0002.html", "2") +
                  "-|-<font size=+4>3</font>"));
}

TEST(NavigationBar, LinkTextsAreEscapedAndCanBeSwitchedOff)
{
    NavigationOptions options;
    options.nav_edit_first = "<b>";
    options.nav_edit_last = "\"end\"";
    options.nav_use_prev = false;
    options.nav_use_next = false;
    EXPECT_EQ(BuildNavigationBar(PageNames(3), 1, options),
              Bar(Link("page0001.html", "&lt;b&gt;") + "-|-" + Link("page0001.html", "1") +
                  "-|-<font size=+4>2</font>-|-" + Link("page0003.html", "3") + "-|-" +
                  Link("page0003.html", "&quot;end&quot;")));
}

TEST(NavigationBar, OnePageGalleryHasNoLinks)
{
    EXPECT_EQ(BuildNavigationBar(PageNames(1), 0, NavigationOptions{}),
              Bar("<font size=+4>1</font>"));
}

TEST(NavigationBar, PageOutsideThePlanGivesAnEmptyBar)
{
    EXPECT_EQ(BuildNavigationBar(PageNames(2), 2, NavigationOptions{}), Bar(""));
    EXPECT_EQ(BuildNavigationBar(PageNames(2), -1, NavigationOptions{}), Bar(""));
    EXPECT_EQ(BuildNavigationBar({}, 0, NavigationOptions{}), Bar(""));
}

TEST(NavigationBar, ScrollBarValueOutsideItsRangeIsClamped)
{
    NavigationOptions options;
    options.ScrollBar1 = 2147483647;
    EXPECT_EQ(BuildNavigationBar(PageNames(5), 2, options),
              BuildNavigationBar(PageNames(5), 2, NavigationOptions{}));
}

TEST(PageNames, EveryKindOnFirstMiddleAndLastPage)
{
    const std::vector<std::string> names = PageNames(3);
    struct Row {
        int pageIndex;
        PageNameKind kind;
        const char *expected;
    };
    const Row rows[] = {
        {0, PageNameKind::A, "page0001.html"},
        {0, PageNameKind::N, "page0002.html"},
        {0, PageNameKind::P, ""},
        {1, PageNameKind::P, "page0001.html"},
        {2, PageNameKind::A, "page0003.html"},
        {2, PageNameKind::N, ""},
        {3, PageNameKind::A, ""},
        {3, PageNameKind::P, "page0003.html"},
        {2147483647, PageNameKind::N, ""},
    };
    for (const Row &row : rows)
        EXPECT_EQ(PageNameAt(names, row.pageIndex, row.kind), row.expected)
            << "page " << row.pageIndex << " kind " << static_cast<int>(row.kind);
}

TEST(PageNames, PlainAndShownExtension)
{
    struct Row {
        const char *name;
        bool plain;
        bool show;
        const char *expected;
    };
    const Row rows[] = {
        {"page0002.html", true, false, "page0002"},
        {"page0002.html", true, true, "page0002.html"},
        {"page0002.html", false, false, "<a href=\"page0002.html\">page0002</a>"},
        {"page0002.html", false, true, "<a href=\"page0002.html\">page0002.html</a>"},
        {"a.b.html", true, false, "a.b"},
        {"index", true, false, "index"},
        {"", false, true, ""},
    };
    for (const Row &row : rows)
        EXPECT_EQ(PageNameText(row.name, row.plain, row.show), row.expected)
            << row.name << " plain " << row.plain << " show " << row.show;
}

class NavigationCommandsTest : public ::testing::Test {
protected:
    void OnPage(int pageIndex, int pageCount)
    {
        names = PageNames(pageCount);
        context.pageIndex = pageIndex;
        context.pageCount = pageCount;
        context.pageNameList = &names;
        context.previousPageName = pageIndex > 0 ? names[pageIndex - 1] : "";
        context.pageFileName = [this](int k) { return names[k - 1]; };
    }

    std::string Replace(std::string_view searched)
    {
        return NavigationReplacement(searched, context, options, links).value_or("<none>");
    }

    std::vector<std::string> names;
    NavigationContext context;
    NavigationOptions options;
    LinkTexts links;
};

TEST_F(NavigationCommandsTest, TextLinksOnFirstMiddleAndLastPage)
{
    struct Row {
        int pageIndex;
        const char *previous;
        const char *next;
        const char *first;
        const char *last;
    };
    const Row rows[] = {
        {0, "Previous", "<a href=\"page0002.html\">Next</a>", "First",
         "<a href=\"page0003.html\">Last</a>"},
        {1, "<a href=\"page0001.html\">Previous</a>", "<a href=\"page0003.html\">Next</a>",
         "<a href=\"page0001.html\">First</a>", "<a href=\"page0003.html\">Last</a>"},
        {2, "<a href=\"page0002.html\">Previous</a>", "Next", "<a href=\"page0001.html\">First</a>",
         "Last"},
    };
    for (const Row &row : rows) {
        OnPage(row.pageIndex, 3);
        EXPECT_EQ(Replace("$PREVIOUS$"), row.previous) << "page " << row.pageIndex;
        EXPECT_EQ(Replace("$NEXT$"), row.next) << "page " << row.pageIndex;
        EXPECT_EQ(Replace("$FIRST$"), row.first) << "page " << row.pageIndex;
        EXPECT_EQ(Replace("$LAST$"), row.last) << "page " << row.pageIndex;
    }
}

TEST_F(NavigationCommandsTest, TextLinksFollowThePageSavedLastAndThePageFileNames)
{
    OnPage(1, 3);
    context.previousPageName = "saved.html";
    context.pageFileName = [](int k) { return k == 1 ? "index.html" : "p" + std::to_string(k); };
    links.previous_label = "<back>";
    EXPECT_EQ(Replace("$PREVIOUS$"), "<a href=\"saved.html\">&lt;back&gt;</a>");
    EXPECT_EQ(Replace("$FIRST$"), "<a href=\"index.html\">First</a>");
    EXPECT_EQ(Replace("$NEXT$"), "<a href=\"p3\">Next</a>");
    EXPECT_EQ(Replace("$LAST$"), "<a href=\"p3\">Last</a>");
}

TEST_F(NavigationCommandsTest, WithoutPageFileNamesThePlanIsUsed)
{
    OnPage(0, 2);
    context.pageFileName = nullptr;
    EXPECT_EQ(Replace("$NEXT$"), "<a href=\"page0002.html\">Next</a>");
    EXPECT_EQ(Replace("$SL$"), "<a href=\"page0002.html\">");
}

TEST_F(NavigationCommandsTest, NextBracketOfAnIndexGalleryOfThreePages)
{
    OnPage(1, 3);
    EXPECT_EQ(Replace("$SN$"), "<a href=\"page0003.html\">");
    EXPECT_EQ(Replace("$EN$"), "</a>");
    OnPage(2, 3);
    EXPECT_EQ(Replace("$SN$"), "");
    EXPECT_EQ(Replace("$EN$"), "");
}

TEST_F(NavigationCommandsTest, BracketsOnFirstAndLastPage)
{
    OnPage(0, 3);
    EXPECT_EQ(Replace("$SP$") + Replace("$EP$") + Replace("$SF$") + Replace("$EF$"), "");
    EXPECT_EQ(Replace("$SL$") + "x" + Replace("$EL$"), "<a href=\"page0003.html\">x</a>");
    OnPage(2, 3);
    EXPECT_EQ(Replace("$SP$") + "x" + Replace("$EP$"), "<a href=\"page0002.html\">x</a>");
    EXPECT_EQ(Replace("$SF$") + "x" + Replace("$EF$"), "<a href=\"page0001.html\">x</a>");
    EXPECT_EQ(Replace("$SL$") + Replace("$EL$"), "");
}

TEST_F(NavigationCommandsTest, OnePageGalleryLinksOnlyToItselfByItsName)
{
    OnPage(0, 1);
    for (const char *command :
         {"$SN$", "$EN$", "$SP$", "$EP$", "$SF$", "$EF$", "$SL$", "$EL$", "$NPAGE$", "$PPAGE$"})
        EXPECT_EQ(Replace(command), "") << command;
    EXPECT_EQ(Replace("$PREVIOUS$") + Replace("$NEXT$") + Replace("$FIRST$") + Replace("$LAST$"),
              "PreviousNextFirstLast");
    EXPECT_EQ(Replace("$APAGE$"), "page0001");
    options.plain1 = false;
    EXPECT_EQ(Replace("$APAGE$"), "<a href=\"page0001.html\">page0001</a>");
}

TEST_F(NavigationCommandsTest, PageNameCommandsUseTheirOwnBoxes)
{
    OnPage(1, 3);
    EXPECT_EQ(Replace("$APAGE$"), "page0002");
    EXPECT_EQ(Replace("$NPAGE$"), "<a href=\"page0003.html\">page0003</a>");
    EXPECT_EQ(Replace("$PPAGE$"), "<a href=\"page0001.html\">page0001</a>");
    options.plain1 = false;
    options.show1 = true;
    options.plain2 = true;
    options.show3 = true;
    EXPECT_EQ(Replace("$APAGE$"), "<a href=\"page0002.html\">page0002.html</a>");
    EXPECT_EQ(Replace("$NPAGE$"), "page0003");
    EXPECT_EQ(Replace("$PPAGE$"), "<a href=\"page0001.html\">page0001.html</a>");
}

TEST_F(NavigationCommandsTest, FreeTextCarriesMarkupOnlyWithLinkchecker)
{
    links.freetext = "<b>Gr\xC3\xBC\xC3\x9F"
                     "e</b> & more";
    EXPECT_EQ(Replace("$FREETEXT$"), "&lt;b&gt;Gr&uuml;&szlig;e&lt;/b&gt; &amp; more");
    links.Linkchecker = true;
    EXPECT_EQ(Replace("$FREETEXT$"), links.freetext);
}

TEST_F(NavigationCommandsTest, NavigateWithoutAPlanGivesAnEmptyBar)
{
    OnPage(1, 3);
    EXPECT_EQ(Replace("$NAVIGATE$"), BuildNavigationBar(names, 1, options));
    context.pageNameList = nullptr;
    EXPECT_EQ(Replace("$NAVIGATE$"), Bar(""));
}

TEST_F(NavigationCommandsTest, AnswersExactlyTheNavigationSteps)
{
    OnPage(1, 3);
    for (const SubstitutionStep &step : substitutionOrder()) {
        const bool navigation =
            (step.number >= 22 && step.number <= 33) || (step.number >= 42 && step.number <= 46);
        EXPECT_EQ(NavigationReplacement(step.searchedText, context, options, links).has_value(),
                  navigation)
            << "step " << step.number << " " << step.searchedText;
    }
}

} // namespace
} // namespace pagoranto

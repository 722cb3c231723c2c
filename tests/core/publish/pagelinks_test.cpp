#include "core/publish/pagelinks.h"

#include <gtest/gtest.h>

namespace pagoranto {
namespace {

using Links = std::vector<std::string>;

TEST(PageLinksTest, AttributesQuotedOrNotInAnyCaseWithEntitiesDecoded)
{
    EXPECT_EQ(HtmlLinks(R"(<img SRC="thumbnails/a.jpg"><a href='page0002.html'>)"
                        R"(<body background=bg.gif><a HREF = "x&amp;y.html">)"),
              (Links{"thumbnails/a.jpg", "page0002.html", "bg.gif", "x&y.html"}));
    EXPECT_EQ(HtmlLinks(R"(<a href="caf&#233;.html">)"), (Links{"caf\xc3\xa9.html"}));
}

TEST(PageLinksTest, SrcsetStyleAndSheetsGiveEveryTarget)
{
    EXPECT_EQ(HtmlLinks(R"(<img srcset="a.jpg 1x, web/b.jpg 2x">)"), (Links{"a.jpg", "web/b.jpg"}));
    EXPECT_EQ(HtmlLinks(R"x(<div style="background:url('bg.png')">)x"), (Links{"bg.png"}));
    EXPECT_EQ(CssLinks(R"(@import "base.css"; body{background:url(img/x.png)} )"),
              (Links{"base.css", "img/x.png"}));
}

TEST(PageLinksTest, WordsThatOnlyEndInALinkNameAreNoLinks)
{
    EXPECT_TRUE(HtmlLinks(R"(<img data-src="a.jpg" xhref="b.jpg">)").empty());
    EXPECT_TRUE(HtmlLinks("text with src but no value").empty());
}

TEST(PageLinksTest, OnlyLocalPathsArePercentDecodedAndStripped)
{
    EXPECT_EQ(LocalLinkPath("a%20b%23c.jpg?v=2#top"), "a b#c.jpg");
    EXPECT_EQ(LocalLinkPath("../x.jpg"), "../x.jpg");
    EXPECT_EQ(LocalLinkPath("/root.css"), "/root.css");
    EXPECT_EQ(LocalLinkPath("50%.jpg"), "50%.jpg");
    for (const char *external :
         {"http://example.com/a.jpg", "mailto:me@example.com", "//cdn.example.com/x.js", "#top",
          "javascript:void(0)", "data:image/png;base64,AAAA", ""})
        EXPECT_EQ(LocalLinkPath(external), "") << external;
}

} // namespace
} // namespace pagoranto

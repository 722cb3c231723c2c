#include "core/templates/templateeditor.h"

#include <gtest/gtest.h>

namespace pagoranto {
namespace {

TEST(TemplateEditorTest, EmptyLinesAreBlanksAndControlCharactersOnly)
{
    EXPECT_TRUE(IsEmptyTemplateLine(""));
    EXPECT_TRUE(IsEmptyTemplateLine(" \t \r\x01\x1F"));
    EXPECT_FALSE(IsEmptyTemplateLine("  <p>  "));
    EXPECT_FALSE(IsEmptyTemplateLine("\xA0")) << "a no-break space is text";
}

TEST(TemplateEditorTest, ColourValueKeepsTwoUpperCaseDigitsPerPart)
{
    EXPECT_EQ(HtmlColourValue(1, 2, 3), "#010203");
    EXPECT_EQ(HtmlColourValue(255, 0, 0), "#FF0000");
    EXPECT_EQ(HtmlColourValue(171, 205, 239), "#ABCDEF");
    EXPECT_EQ(HtmlColourValue(-4, 300, 16), "#00FF10");
}

TEST(TemplateEditorTest, NameCommentPrefersTheSavedAsFile)
{
    EXPECT_EQ(TemplateNameComment("", "/x/layouts/gallery.html"), "<!--gallery.html-->");
    EXPECT_EQ(TemplateNameComment("/tmp/copy.htm", "/x/layouts/gallery.html"), "<!--copy.htm-->");
    EXPECT_EQ(TemplateNameComment("", "C:\\layouts\\win.html"), "<!--win.html-->");
}

TEST(TemplateEditorTest, DateCommentIsDayMonthYearWithLeadingZeros)
{
    EXPECT_EQ(DateComment(2026, 3, 7), "<!--07.03.2026-->");
    EXPECT_EQ(DateComment(1999, 12, 31), "<!--31.12.1999-->");
}

TEST(TemplateEditorTest, PreviewFindsTheTemplatesOwnFiles)
{
    const std::string base = "<base href=\"file:///web/my%20layouts/\">";
    EXPECT_EQ(PreviewWithBase("<HTML><Head lang=\"en\"><title>t</title></head></html>",
                              "/web/my layouts"),
              "<HTML><Head lang=\"en\">" + base + "<title>t</title></head></html>");
    // A header element is no head; a page without a head gets the base first.
    EXPECT_EQ(PreviewWithBase("<header>x</header>", "/web/my layouts/"),
              base + "<header>x</header>");
    EXPECT_EQ(PreviewWithBase("<head>", "/l\xC3\xA4youts/a\"b#c"),
              "<head><base href=\"file:///l%C3%A4youts/a%22b%23c/\">");
    EXPECT_EQ(PreviewWithBase("<head>", ""), "<head>");
}

} // namespace
} // namespace pagoranto

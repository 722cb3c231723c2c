#include "core/generator/headerfooter.h"

#include <gtest/gtest.h>

namespace pagoranto {
namespace {

HeaderFooterOptions Both(std::string header, std::string footer)
{
    return {true, std::move(header), true, std::move(footer)};
}

TEST(InsertHeaderAndFooter, HeaderFollowsTheWholeBodyLineAndFooterPrecedesTheClosingTag)
{
    ByteLines page = {"<html>", "<BODY bgcolor=white> text", "<p>x</p>", "</BODY></HTML>",
                      "</body>"};
    InsertHeaderAndFooter(page, Both("<b>head</b>", "<i>foot</i>"));
    EXPECT_EQ(page, (ByteLines{"<html>", "<BODY bgcolor=white> text\r\n<b>head</b>", "<p>x</p>",
                               "<i>foot</i>\r\n</body></HTML>", "</body>"}));
}

TEST(InsertHeaderAndFooter, OneLineBodyAndSwitchedOffTexts)
{
    ByteLines page = {"<body>$COUNT$</body>"};
    InsertHeaderAndFooter(page, Both("", "F"));
    EXPECT_EQ(page[0], "<body>$COUNT$F\r\n</body>\r\n");

    ByteLines untouched = {"<body>", "</body>"};
    InsertHeaderAndFooter(untouched, HeaderFooterOptions{});
    EXPECT_EQ(untouched, (ByteLines{"<body>", "</body>"}));

    ByteLines noBody = {"<p>no body tags</p>"};
    InsertHeaderAndFooter(noBody, Both("H", "F"));
    EXPECT_EQ(noBody, ByteLines{"<p>no body tags</p>"});
}

} // namespace
} // namespace pagoranto

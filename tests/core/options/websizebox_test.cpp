#include "core/options/websizebox.h"

#include <gtest/gtest.h>

namespace pagoranto {
namespace {

TEST(WebSizeBoxTest, ReadsTheBoxAsTypedOrAsListed)
{
    EXPECT_EQ(ParseWebSizeBox("1600 x 1200"), (PixelSize{1600, 1200}));
    EXPECT_EQ(ParseWebSizeBox("800x600"), (PixelSize{800, 600}));
    EXPECT_EQ(ParseWebSizeBox("  640 X 480 "), (PixelSize{640, 480}));
    EXPECT_EQ(ParseWebSizeBox("16 x 10000"), (PixelSize{16, 10000}));
    EXPECT_EQ(ParseWebSizeBox(WebSizeBoxText({1024, 768})), (PixelSize{1024, 768}));
}

TEST(WebSizeBoxTest, RefusesWhatIsNoBoxOrLeavesTheRange)
{
    for (const char *text : {"", "1600", "x", "1600 x", "x 1200", "15 x 1200", "1600 x 10001",
                             "-16 x 100", "+16 x 100", "1600 x 1200 x 3", "16 00 x 1200",
                             "99999999999 x 100", "1600,5 x 1200", "abc x def", "1600 * 1200"})
        EXPECT_FALSE(ParseWebSizeBox(text).has_value()) << text;
}

TEST(WebSizeBoxTest, NamesWhereTheCopiesGoOrThatTheyAreOff)
{
    WebSizeOptions options;
    options.WebSizePictures = true;
    options.WebSizeWidth = 800;
    options.WebSizeHeight = 600;
    options.webdir = "large";
    EXPECT_EQ(WebSizeTargetText("/home/a/gallery/", options), "/home/a/gallery/large/ (800 x 600)");
    options.WebSizePictures = false;
    EXPECT_EQ(WebSizeTargetText("/home/a/gallery/", options), "off");
}

} // namespace
} // namespace pagoranto

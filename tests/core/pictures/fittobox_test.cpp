#include "core/pictures/fittobox.h"
#include "tests/support/gtesthelpers.h"

#include <gtest/gtest.h>

namespace pagoranto {
namespace {

struct FitRow {
    const char *name;
    PixelSize picture;
    int boxWidth;
    int boxHeight;
    PixelSize fitted;
};

TEST(FitToBox, TouchesTheBoxAtThePicturesRatio)
{
    const FitRow rows[] = {
        {"Portrait", {600, 800}, 100, 100, {75, 100}},
        {"Landscape", {800, 600}, 100, 100, {100, 75}},
        {"SmallSquareIsEnlarged", {50, 50}, 100, 100, {100, 100}},
        {"PreviewBox", {400, 300}, 397, 190, {253, 190}},
        {"OneEighthTile", {50, 38}, 100, 100, {100, 76}},
        // The width stops at 50.5 and 51.5: halves go to the even neighbour, both ways.
        {"HalfWidthRoundsDown", {1, 2}, 101, 101, {50, 101}},
        {"HalfWidthRoundsUp", {1, 2}, 103, 103, {52, 103}},
        {"HalfHeightRoundsDown", {8, 1}, 100, 100, {100, 12}},
        {"HalfHeightRoundsUp", {8, 1}, 108, 108, {108, 14}},
        {"ExtremePortraitEnds", {1, 65535}, 65535, 1, {0, 0}},
    };
    for (const FitRow &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(FitToBox(row.picture, row.boxWidth, row.boxHeight), row.fitted);
    }
}

TEST(FitToBox, WithoutRatioOrBoxEndsAtOnce)
{
    EXPECT_EQ(FitToBox({640, 0}, 100, 100), (PixelSize{640, 0}));
    EXPECT_EQ(FitToBox({0, 480}, 100, 100), (PixelSize{0, 480}));
    EXPECT_EQ(FitToBox({800, 600}, 0, 0), (PixelSize{0, 0}));
    EXPECT_EQ(FitToBox({800, 600}, -5, -5), (PixelSize{0, 0}));
}

TEST(FitWithoutEnlarging, FitsLargePicturesAndKeepsSmallOnes)
{
    // 395 steps down by halves until 800 x 600 fits 254 high: 338.5 rounds to even 338.
    EXPECT_EQ(FitWithoutEnlarging({800, 600}, 395, 254), (PixelSize{338, 254}));
    EXPECT_EQ(FitWithoutEnlarging({100, 50}, 395, 254), (PixelSize{100, 50}));
    // Each side is clamped on its own.
    EXPECT_EQ(FitWithoutEnlarging({300, 100}, 1000, 200), (PixelSize{300, 100}));
    EXPECT_EQ(FitWithoutEnlarging({640, 0}, 395, 254), (PixelSize{640, 0}));
}

} // namespace
} // namespace pagoranto

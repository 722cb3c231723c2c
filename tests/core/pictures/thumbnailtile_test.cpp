#include "core/pictures/previewindex.h"
#include "core/pictures/thumbnailtile.h"
#include "tests/support/gtesthelpers.h"

#include <array>
#include <gtest/gtest.h>

namespace pagoranto {
namespace {

using testing::GradientPicture;

std::array<std::uint8_t, 3> PixelAt(const RgbImage &image, int x, int y)
{
    const std::uint8_t *p = &image.rgb[(std::size_t(y) * image.width + x) * 3];
    return {p[0], p[1], p[2]};
}

constexpr std::array<std::uint8_t, 3> black{0, 0, 0};

// A picture of one colour, so every pixel of the drawn rectangle is known.
RgbImage PlainPicture(int width, int height, std::array<std::uint8_t, 3> colour)
{
    RgbImage image{width, height, {}};
    for (int i = 0; i < width * height; ++i)
        image.rgb.insert(image.rgb.end(), colour.begin(), colour.end());
    return image;
}

struct PlacementRow {
    const char *name;
    PixelSize decoded;
    TileRect expected;
};

class TilePlacement : public ::testing::TestWithParam<PlacementRow> {};

TEST_P(TilePlacement, FitsAndCentres)
{
    EXPECT_EQ(PlaceTile(GetParam().decoded), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, TilePlacement,
    ::testing::Values(
        // 640 x 480 decodes to 80 x 60.
        PlacementRow{"landscape_640x480", {80, 60}, {1, 0, 49, 37}},
        // 400 x 300 decodes to 50 x 38: the loop stops at 48.5, which rounds to 48.
        PlacementRow{"landscape_400x300", {50, 38}, {1, 0, 48, 37}},
        PlacementRow{"portrait_300x400", {38, 50}, {11, 0, 28, 37}},
        PlacementRow{"square", {100, 100}, {7, 0, 37, 37}},
        PlacementRow{"wide_panorama", {400, 20}, {0, 17, 50, 2}},
        PlacementRow{"tiny_picture_is_enlarged", {4, 3}, {1, 0, 49, 37}},
        PlacementRow{"no_pixels", {0, 0}, {25, 18, 0, 0}}),
    [](const auto &row) { return std::string(row.param.name); });

TEST(DrawTile, PortraitLeavesBlackBarsLeftAndRight)
{
    const RgbImage tile = DrawTile(PlainPicture(38, 50, {200, 100, 50}));
    ASSERT_EQ(tile.width, thumbnailTileWidth);
    ASSERT_EQ(tile.height, thumbnailTileHeight);
    ASSERT_EQ(tile.rgb.size(), std::size_t(50 * 37 * 3));
    for (int y = 0; y < 37; ++y) {
        EXPECT_EQ(PixelAt(tile, 10, y), black) << y;
        EXPECT_EQ(PixelAt(tile, 11, y), (std::array<std::uint8_t, 3>{200, 100, 50})) << y;
        EXPECT_EQ(PixelAt(tile, 38, y), (std::array<std::uint8_t, 3>{200, 100, 50})) << y;
        EXPECT_EQ(PixelAt(tile, 39, y), black) << y;
    }
}

TEST(DrawTile, StretchesByNearestSampleWithoutMixingColours)
{
    // Four quarters of pure colours: a smoothing stretch would make mixed colours at the seams.
    RgbImage picture{80, 60, std::vector<std::uint8_t>(80 * 60 * 3)};
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 80; ++x) {
            std::uint8_t *p = &picture.rgb[(std::size_t(y) * 80 + x) * 3];
            p[0] = x < 40 ? 255 : 0;
            p[1] = y < 30 ? 255 : 0;
            p[2] = 0;
        }
    const RgbImage tile = DrawTile(picture);
    for (int y = 0; y < 37; ++y)
        for (int x = 1; x < 50; ++x) {
            const auto pixel = PixelAt(tile, x, y);
            EXPECT_TRUE(pixel[0] == 0 || pixel[0] == 255) << x << "," << y;
            EXPECT_TRUE(pixel[1] == 0 || pixel[1] == 255) << x << "," << y;
        }
    // The corners of the drawn rectangle come from the corners of the picture.
    EXPECT_EQ(PixelAt(tile, 1, 0), (std::array<std::uint8_t, 3>{255, 255, 0}));
    EXPECT_EQ(PixelAt(tile, 49, 36), black);
    EXPECT_EQ(PixelAt(tile, 49, 0), (std::array<std::uint8_t, 3>{0, 255, 0}));
    EXPECT_EQ(PixelAt(tile, 1, 36), (std::array<std::uint8_t, 3>{255, 0, 0}));
    // The column left of the rectangle stays black.
    EXPECT_EQ(PixelAt(tile, 0, 0), black);
    EXPECT_EQ(PixelAt(tile, 0, 36), black);
}

TEST(DrawTile, PictureWithoutPixelsGivesBlackTile)
{
    for (const RgbImage &picture : {RgbImage{}, RgbImage{10, 10, {}}}) {
        const RgbImage tile = DrawTile(picture);
        ASSERT_EQ(tile.rgb.size(), std::size_t(50 * 37 * 3));
        EXPECT_EQ(std::count(tile.rgb.begin(), tile.rgb.end(), 0), 50 * 37 * 3);
    }
}

TEST(DrawTile, GradientKeepsItsDirection)
{
    const RgbImage tile = DrawTile(GradientPicture(80, 60));
    EXPECT_LT(PixelAt(tile, 2, 18)[0], PixelAt(tile, 48, 18)[0]);
    EXPECT_LT(PixelAt(tile, 25, 1)[1], PixelAt(tile, 25, 35)[1]);
}

TEST(PreviewSize, FitsTheBoxButNeverEnlarges)
{
    EXPECT_EQ(PreviewSize({1024, 768}), (PixelSize{253, 190}));
    EXPECT_EQ(PreviewSize({200, 100}), (PixelSize{200, 100}));
    EXPECT_EQ(PreviewSize({4000, 1000}), (PixelSize{397, 99}));
    EXPECT_EQ(PreviewSize({3000, 4000}), (PixelSize{142, 190}));
    EXPECT_EQ(PreviewSize({0, 0}), (PixelSize{0, 0}));
}

TEST(PreviewIndex, StepsWrapAtBothEnds)
{
    EXPECT_EQ(NextPictureIndex(2, 3), 0);
    EXPECT_EQ(NextPictureIndex(0, 3), 1);
    EXPECT_EQ(NextPictureIndex(7, 3), 0);
    EXPECT_EQ(PreviousPictureIndex(0, 3), 2);
    EXPECT_EQ(PreviousPictureIndex(2, 3), 1);
    // Items removed while the preview was open leave the index beyond the end.
    EXPECT_EQ(PreviousPictureIndex(9, 3), 2);
    EXPECT_EQ(ClampedPictureIndex(9, 3), 2);
    EXPECT_EQ(ClampedPictureIndex(1, 3), 1);
}

TEST(PreviewIndex, EmptyListHasNoPicture)
{
    EXPECT_EQ(NextPictureIndex(0, 0), std::nullopt);
    EXPECT_EQ(PreviousPictureIndex(0, 0), std::nullopt);
    EXPECT_EQ(ClampedPictureIndex(0, 0), std::nullopt);
}

} // namespace
} // namespace pagoranto

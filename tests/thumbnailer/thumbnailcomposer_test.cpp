#include "core/pictures/gradient.h"
#include "core/pictures/resample.h"
#include "thumbnailer/thumbnailcomposer.h"

#include <array>
#include <cstddef>
#include <gtest/gtest.h>

namespace pagoranto {
namespace {

using Rgb = std::array<int, 3>;

Rgb PixelAt(const RgbImage &image, int x, int y)
{
    const std::size_t at = (static_cast<std::size_t>(y) * image.width + x) * 3;
    return {image.rgb[at], image.rgb[at + 1], image.rgb[at + 2]};
}

RgbImage Plain(int width, int height, Rgb colour)
{
    RgbImage image{width, height, {}};
    for (int i = 0; i < width * height; ++i)
        image.rgb.insert(image.rgb.end(), {static_cast<std::uint8_t>(colour[0]),
                                           static_cast<std::uint8_t>(colour[1]),
                                           static_cast<std::uint8_t>(colour[2])});
    return image;
}

constexpr ColourValue red = 0x0000FF;
constexpr ColourValue blue = 0xFF0000;
constexpr Rgb redRgb = {255, 0, 0};
constexpr Rgb blueRgb = {0, 0, 255};

TEST(Gradient, StartAndEndColoursFallWhereEachTypeSaysWithRedInTheLowestByte)
{
    struct Row {
        const char *name;
        GradientType type;
        Rgb topLeft, centre, bottomRight, topMiddle;
    };
    const Row rows[] = {
        {"Elliptic", GradientType::elliptic, blueRgb, redRgb, blueRgb, blueRgb},
        {"HorizCenter", GradientType::horizontalCenter, blueRgb, redRgb, blueRgb, redRgb},
        {"Horizontal", GradientType::horizontal, redRgb, {128, 0, 128}, blueRgb, {128, 0, 128}},
        {"Radial1", GradientType::radial1, blueRgb, redRgb, blueRgb, {142, 0, 113}},
        {"Radial2", GradientType::radial2, redRgb, {128, 0, 128}, blueRgb, {141, 0, 114}},
        {"Rectangle", GradientType::rectangle, blueRgb, redRgb, blueRgb, blueRgb},
        {"VertCenter", GradientType::verticalCenter, blueRgb, redRgb, blueRgb, blueRgb},
        {"Vertical", GradientType::vertical, redRgb, {128, 0, 128}, blueRgb, redRgb},
    };
    // Odd sides put a pixel centre exactly in the middle; at 201 x 101 the edge pixels are
    // within one step of t = 0 or 1.
    for (const Row &row : rows) {
        const RgbImage image = RenderGradient(201, 101, red, blue, static_cast<int>(row.type));
        ASSERT_EQ(image.rgb.size(), 201u * 101 * 3) << row.name;
        const auto near = [](Rgb a, Rgb b) {
            for (int c = 0; c < 3; ++c)
                if (std::abs(a[c] - b[c]) > 3)
                    return false;
            return true;
        };
        EXPECT_TRUE(near(PixelAt(image, 0, 0), row.topLeft)) << row.name;
        EXPECT_TRUE(near(PixelAt(image, 100, 50), row.centre)) << row.name;
        EXPECT_TRUE(near(PixelAt(image, 200, 100), row.bottomRight)) << row.name;
        EXPECT_TRUE(near(PixelAt(image, 100, 0), row.topMiddle)) << row.name;
    }
}

TEST(Gradient, EqualColoursGiveAPlainBackgroundAndUnknownTypesAreElliptic)
{
    EXPECT_EQ(RenderGradient(30, 20, 0x336699, 0x336699, 3).rgb,
              Plain(30, 20, {0x99, 0x66, 0x33}).rgb);
    EXPECT_EQ(RenderGradient(30, 20, red, blue, 42).rgb, RenderGradient(30, 20, red, blue, 0).rgb);
    EXPECT_TRUE(RenderGradient(0, 20, red, blue, 0).rgb.empty());
}

TEST(Resample, ShrinkingAveragesWhatEachPixelCovers)
{
    // Stripes one pixel wide must come out as their mean, not as one of the stripes.
    RgbImage stripes{8, 2, {}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 8; ++x) {
            const std::uint8_t v = x % 2 ? 200 : 0;
            stripes.rgb.insert(stripes.rgb.end(), {v, v, v});
        }
    for (const int width : {4, 2}) {
        const RgbImage small = Resample(stripes, width, 1);
        ASSERT_EQ(small.rgb.size(), width * 3u);
        for (const std::uint8_t v : small.rgb)
            EXPECT_EQ(v, 100);
    }
    // A pixel covered by two thirds counts by two thirds: 0, 200 and 2/3 of 0 over 8/3.
    EXPECT_EQ(PixelAt(Resample(stripes, 3, 1), 0, 0)[0], 75);
}

TEST(Resample, GrowingInterpolatesAndKeepsPlainColours)
{
    const RgbImage grown = Resample(Plain(3, 2, {10, 20, 30}), 7, 5);
    EXPECT_EQ(grown.rgb, Plain(7, 5, {10, 20, 30}).rgb);
    RgbImage ramp{2, 1, {0, 0, 0, 100, 100, 100}};
    const RgbImage wide = Resample(ramp, 4, 1);
    EXPECT_EQ(PixelAt(wide, 0, 0)[0], 0);
    EXPECT_GT(PixelAt(wide, 2, 0)[0], PixelAt(wide, 1, 0)[0]);
    EXPECT_EQ(PixelAt(wide, 3, 0)[0], 100);
    EXPECT_TRUE(Resample(ramp, 0, 1).rgb.empty());
}

TEST(DecodeScale, LargestReductionThatStillCoversTheWantedSize)
{
    EXPECT_EQ(ChooseDecodeScale({4000, 3000}, {150, 110}), JpegScale::eighth);
    EXPECT_EQ(ChooseDecodeScale({1000, 750}, {150, 110}), JpegScale::quarter);
    EXPECT_EQ(ChooseDecodeScale({1000, 750}, {300, 225}), JpegScale::half);
    EXPECT_EQ(ChooseDecodeScale({400, 300}, {300, 225}), JpegScale::full);
    // Rounded up by the decoder: 1201 / 8 gives 151.
    EXPECT_EQ(ChooseDecodeScale({1201, 900}, {151, 112}), JpegScale::eighth);
    EXPECT_EQ(ChooseDecodeScale({100, 75}, {300, 225}), JpegScale::full);
}

TEST(PlacedSize, FitsInsideMarginsAndBorderKeepingTheRatio)
{
    ThumbnailOptions options;
    options.ScrollBar2 = 160;
    options.ScrollBar3 = 120;
    options.ScrollBar6 = 5;
    options.ScrollBar5 = 10;
    options.ScrollBar4 = 2;
    EXPECT_EQ(PlacedPictureSize({4000, 3000}, options), (PixelSize{128, 96}));
    EXPECT_EQ(PlacedPictureSize({3000, 4000}, options), (PixelSize{72, 96}));
    EXPECT_EQ(PlacedPictureSize({40, 30}, options), (PixelSize{128, 96}));
    // Margins larger than the thumbnail still leave a pixel.
    options.ScrollBar2 = 20;
    options.ScrollBar3 = 15;
    options.ScrollBar6 = 20;
    options.ScrollBar5 = 20;
    EXPECT_EQ(PlacedPictureSize({4000, 3000}, options), (PixelSize{1, 1}));
}

TEST(Compose, PictureIsCentredOnTheBackgroundInsideItsBorder)
{
    ThumbnailOptions options;
    options.ScrollBar2 = 100;
    options.ScrollBar3 = 60;
    options.ScrollBar6 = 10;
    options.ScrollBar5 = 5;
    options.ScrollBar4 = 3;
    options.Panel11 = options.Panel12 = 0x00FF00;
    const RgbImage thumbnail = ComposeThumbnail(Plain(400, 100, {255, 0, 0}), options);
    ASSERT_EQ(thumbnail.width, 100);
    ASSERT_EQ(thumbnail.height, 60);
    // The box is 74 x 44, the picture 74 x 18.5 -> 74 x 18 centred at (13, 21).
    EXPECT_EQ(PixelAt(thumbnail, 50, 30), redRgb);
    EXPECT_EQ(PixelAt(thumbnail, 13, 21), redRgb);
    EXPECT_EQ(PixelAt(thumbnail, 86, 38), redRgb);
    EXPECT_EQ(PixelAt(thumbnail, 12, 30), (Rgb{255, 255, 255}));
    EXPECT_EQ(PixelAt(thumbnail, 50, 18), (Rgb{255, 255, 255}));
    EXPECT_EQ(PixelAt(thumbnail, 50, 17), (Rgb{0, 255, 0}));
    EXPECT_EQ(PixelAt(thumbnail, 9, 30), (Rgb{0, 255, 0}));
    EXPECT_EQ(PixelAt(thumbnail, 0, 0), (Rgb{0, 255, 0}));
}

TEST(Compose, RaisedFrameIsLightAtTopLeftAndDarkAtBottomRight)
{
    ThumbnailOptions options;
    options.ScrollBar2 = 40;
    options.ScrollBar3 = 30;
    options.Panel11 = options.Panel12 = 0x302010;
    options.Drei3d_check = true;
    const RgbImage thumbnail = ComposeThumbnail(Plain(4, 3, {0, 0, 0}), options);
    EXPECT_EQ(PixelAt(thumbnail, 0, 10), (Rgb{255, 255, 255}));
    EXPECT_EQ(PixelAt(thumbnail, 10, 1), (Rgb{208, 208, 208}));
    EXPECT_EQ(PixelAt(thumbnail, 39, 10), (Rgb{64, 64, 64}));
    EXPECT_EQ(PixelAt(thumbnail, 10, 28), (Rgb{128, 128, 128}));
    EXPECT_EQ(PixelAt(thumbnail, 2, 2), (Rgb{16, 32, 48}));
    options.Drei3d_check = false;
    EXPECT_EQ(PixelAt(ComposeThumbnail(Plain(4, 3, {0, 0, 0}), options), 0, 10), (Rgb{16, 32, 48}));
}

} // namespace
} // namespace pagoranto

#include "core/pictures/jpegsize.h"
#include "tests/support/gtesthelpers.h"

#include <array>
#include <cstdint>
#include <gtest/gtest.h>
#include <string>

namespace pagoranto {
namespace {

using namespace pagoranto::testing;

std::array<std::uint8_t, 3> Pixel(const RgbImage &image, int x, int y)
{
    const std::uint8_t *at = &image.rgb[(std::size_t(y) * image.width + x) * 3];
    return {at[0], at[1], at[2]};
}

TEST(TestPictures, GradientsRunAsTheTestsThatUseThemExpect)
{
    const RgbImage full = GradientPicture(5, 3);
    EXPECT_EQ(Pixel(full, 0, 0), (std::array<std::uint8_t, 3>{0, 0, 64}));
    EXPECT_EQ(Pixel(full, 4, 2), (std::array<std::uint8_t, 3>{255, 255, 64}));
    EXPECT_EQ(Pixel(GradientPicture(1, 1), 0, 0), (std::array<std::uint8_t, 3>{128, 128, 64}));

    const RgbImage stopsShort = GradientPicture(5, 3, {.blue = 90, .fullRange = false});
    EXPECT_EQ(Pixel(stopsShort, 4, 2), (std::array<std::uint8_t, 3>{204, 170, 90}));
    EXPECT_EQ(Pixel(stopsShort, 1, 1), (std::array<std::uint8_t, 3>{51, 85, 90}));

    for (const RgbImage &image :
         {full, stopsShort, NoisePicture(5, 3), FlatPicture(5, 3, {1, 2, 3})}) {
        EXPECT_EQ(image.rgb.size(), 5u * 3u * 3u);
    }
    EXPECT_EQ(Pixel(FlatPicture(5, 3, {1, 2, 3}), 4, 2), (std::array<std::uint8_t, 3>{1, 2, 3}));
}

TEST(TestPictures, WrittenPicturesKeepSizeColourAndOptions)
{
    const ScratchDirectory dir;
    JpegEncodeOptions progressive;
    progressive.progressive = true;
    progressive.quality = 95;
    ASSERT_TRUE(WritePicture(dir.file("p.jpg"), FlatPicture(40, 30, {200, 40, 40}), progressive));
    EXPECT_EQ(ReadJpegSize(dir.file("p.jpg")), (PixelSize{40, 30}));
    const std::string bytes = ReadFileBytes(dir.file("p.jpg")).value_or("");
    // Start of frame 2 marks a progressive picture, 0 a baseline one.
    EXPECT_NE(bytes.find("\xFF\xC2"), std::string::npos);
    EXPECT_EQ(MakeJpeg(GradientPicture(8, 8)).find("\xFF\xC2"), std::string::npos);

    const JpegDecodeResult decoded = DecodeJpegFile(dir.file("p.jpg"));
    ASSERT_TRUE(decoded);
    EXPECT_LE(ChannelDistance(*decoded.image, FlatPicture(40, 30, {200, 40, 40}), 20, 15), 4);

    EXPECT_FALSE(WritePicture(dir.file("no/dir/p.jpg"), GradientPicture(8, 8)));
    EXPECT_FALSE(EncodePicture(RgbImage{4, 4, {}}));
}

TEST(TestPictures, DamagedPictureLooksLikeAJpegButIsNone)
{
    const std::string damaged = DamagedJpeg();
    EXPECT_EQ(damaged.substr(0, 2), "\xFF\xD8");
    EXPECT_FALSE(DecodeJpegBytes(damaged));
}

} // namespace
} // namespace pagoranto

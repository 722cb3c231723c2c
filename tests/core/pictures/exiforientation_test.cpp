#include "core/pictures/exiforientation.h"
#include "tests/support/gtesthelpers.h"
#include "tests/support/testpictures.h"

#include <gtest/gtest.h>

namespace pagoranto {
namespace {

using testing::RedOverBluePicture;
using testing::WithExifOrientation;

enum class Side { top, bottom, left, right };

bool IsRed(const RgbImage &image, int x, int y)
{
    const std::uint8_t *pixel = &image.rgb[(std::size_t(y) * image.width + x) * 3];
    return pixel[0] > 200 && pixel[2] < 60;
}

// Where the red half of the red-over-blue picture is once turned as displayed.
Side RedSide(const RgbImage &image)
{
    const int w = image.width;
    const int h = image.height;
    if (IsRed(image, w / 2, h / 8) && !IsRed(image, w / 2, h - 1 - h / 8))
        return Side::top;
    if (IsRed(image, w / 2, h - 1 - h / 8) && !IsRed(image, w / 2, h / 8))
        return Side::bottom;
    if (IsRed(image, w / 8, h / 2) && !IsRed(image, w - 1 - w / 8, h / 2))
        return Side::left;
    return Side::right;
}

class ExifOrientationTest : public testing::ScratchDirectoryTest {};

TEST_F(ExifOrientationTest, EveryOrientationGivesThePhotoAsDisplayed)
{
    const struct {
        int orientation;
        Side red;
        PixelSize displayed;
    } rows[] = {
        {1, Side::top, {64, 32}},    {2, Side::top, {64, 32}},  {3, Side::bottom, {64, 32}},
        {4, Side::bottom, {64, 32}}, {5, Side::left, {32, 64}}, {6, Side::right, {32, 64}},
        {7, Side::right, {32, 64}},  {8, Side::left, {32, 64}},
    };
    const std::string jpeg = testing::MakeJpeg(RedOverBluePicture(64, 32));
    for (const auto &row : rows) {
        SCOPED_TRACE(row.orientation);
        const auto file = Write("o.jpg", WithExifOrientation(jpeg, row.orientation));
        EXPECT_EQ(ReadExifOrientation(file), row.orientation);
        EXPECT_EQ(ReadDisplayedPictureSize(file), row.displayed);
        const JpegDecodeResult decoded = DecodeDisplayedJpegFile(file);
        ASSERT_TRUE(decoded) << decoded.error;
        EXPECT_EQ((PixelSize{decoded.image->width, decoded.image->height}), row.displayed);
        EXPECT_EQ(RedSide(*decoded.image), row.red);
        const JpegDecodeResult small = DecodeDisplayedJpegFile(file, JpegScale::eighth);
        ASSERT_TRUE(small);
        EXPECT_EQ(RedSide(*small.image), row.red) << "turned after a scaled decode too";
    }
}

TEST_F(ExifOrientationTest, WithoutAUsableTagThePhotoIsAsStored)
{
    const std::string jpeg = testing::MakeJpeg(RedOverBluePicture(64, 32));
    EXPECT_EQ(ReadExifOrientation(Write("plain.jpg", jpeg)), 1);
    EXPECT_EQ(ReadExifOrientation(Write("nine.jpg", WithExifOrientation(jpeg, 9))), 1);
    EXPECT_EQ(ReadExifOrientation(Write("damaged.jpg", testing::DamagedJpeg())), 1);
    EXPECT_EQ(ReadExifOrientation(m_dir / "missing.jpg"), 1);
    EXPECT_EQ(ReadDisplayedPictureSize(m_dir / "missing.jpg"), std::nullopt);
}

} // namespace
} // namespace pagoranto

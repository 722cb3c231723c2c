#include "core/pictures/exiforientation.h"
#include "core/pictures/jpegdecoder.h"
#include "core/pictures/progressivedcdecoder.h"
#include "core/pictures/resizejpeg.h"
#include "tests/support/gtesthelpers.h"
#include "tests/support/libjpegencoding.h"
#include "tests/support/testpictures.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>

namespace pagoranto {
namespace {

using testing::WithExifOrientation;

// The bundled sample photos: real camera content with fine detail and saturated colour.
RgbImage SamplePhoto(const char *name)
{
    const JpegDecodeResult decoded =
        DecodeJpegFile(std::string(PAGORANTO_SOURCE_DIR) + "/data/samples/" + name);
    EXPECT_TRUE(decoded) << name << ": " << decoded.error;
    return decoded ? *decoded.image : RgbImage{};
}

RgbImage Cropped(const RgbImage &image, int width, int height)
{
    RgbImage cropped{width, height, {}};
    for (int y = 0; y < height; ++y) {
        const auto row = image.rgb.begin() + std::ptrdiff_t(y) * image.width * 3;
        cropped.rgb.insert(cropped.rgb.end(), row, row + std::ptrdiff_t(width) * 3);
    }
    return cropped;
}

class ShrinkDecodeTest : public testing::ScratchDirectoryTest {
protected:
    std::filesystem::path Progressive(const std::string &name, const RgbImage &picture,
                                      const testing::Encoding &encoding, int orientation = 1)
    {
        std::string error;
        const std::string jpeg = testing::EncodeWithLibjpeg(picture, encoding, &error);
        EXPECT_FALSE(jpeg.empty()) << error;
        return Write(name, orientation == 1 ? jpeg : WithExifOrientation(jpeg, orientation));
    }

    // Both ways of decoding at scale, turned upright: the same pixels.
    static void ExpectSameDecodes(const std::filesystem::path &path, JpegScale scale,
                                  int orientation)
    {
        const JpegDecodeResult dc = DecodeDisplayedJpegFileToShrink(path, scale, orientation);
        const JpegDecodeResult all =
            DecodeDisplayedJpegFileToShrink(path, scale, orientation, false);
        ASSERT_TRUE(dc) << dc.error;
        ASSERT_TRUE(all) << all.error;
        EXPECT_EQ(dc.image->width, all.image->width);
        EXPECT_EQ(dc.image->height, all.image->height);
        EXPECT_EQ(dc.image->rgb, all.image->rgb);
        EXPECT_EQ(dc.warning, all.warning);
    }
};

// Thumbnails and small copies come out as they did when every scan was decoded.
TEST_F(ShrinkDecodeTest, ProgressivePhotosAtOneEighthMatchTheDecodeOfAllScans)
{
    const char *photos[] = {"evening_lights.jpg", "garden_lawn.jpg", "lighthouse.jpg",
                            "poppy_meadow.jpg"};
    const struct {
        const char *name;
        testing::Encoding encoding;
        bool oddSize;
        int orientation;
    } rows[] = {
        {"420", {}, false, 1},
        {"420OddSize", {}, true, 1},
        {"420Turned6", {}, false, 6},
        {"420OddSizeTurned3", {.restartInterval = 5}, true, 3},
        {"420SplitBandsTurned5", {.splitBands = true}, true, 5},
        {"444", {.lumaH = 1, .lumaV = 1}, false, 1},
        {"444OddSizeTurned8", {.lumaH = 1, .lumaV = 1}, true, 8},
        {"Grey", {.components = 1}, true, 6},
    };
    for (const char *photo : photos) {
        const RgbImage sample = SamplePhoto(photo);
        ASSERT_GT(sample.width, 100);
        for (const auto &row : rows) {
            SCOPED_TRACE(std::string(photo) + " " + row.name);
            const RgbImage picture =
                row.oddSize ? Cropped(sample, sample.width - 13, sample.height - 11) : sample;
            const auto path =
                Progressive(std::string(row.name) + photo, picture, row.encoding, row.orientation);
            ASSERT_TRUE(DecodeProgressiveDcFile(path));
            ExpectSameDecodes(path, JpegScale::eighth, row.orientation);
        }
    }
}

// Baseline photos and anything decoded larger than one eighth go through libjpeg as before: the
// same pixels either way.
TEST_F(ShrinkDecodeTest, OtherPhotosAndLargerScalesKeepTheDecodeOfAllScans)
{
    const RgbImage photo = SamplePhoto("mountain_lake.jpg");
    const auto progressive = Progressive("progressive.jpg", photo, {}, 6);
    const auto baseline = Progressive("baseline.jpg", photo, {.progressive = false}, 6);
    const struct {
        const char *name;
        std::filesystem::path path;
        JpegScale scale;
    } rows[] = {
        {"BaselineAtEighth", baseline, JpegScale::eighth},
        {"ProgressiveAtQuarter", progressive, JpegScale::quarter},
        {"ProgressiveAtHalf", progressive, JpegScale::half},
        {"ProgressiveInFull", progressive, JpegScale::full},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const JpegDecodeResult shrunk = DecodeDisplayedJpegFileToShrink(row.path, row.scale, 6);
        const JpegDecodeResult reference = DecodeDisplayedJpegFile(row.path, row.scale, 6);
        ASSERT_TRUE(shrunk) << shrunk.error;
        ASSERT_TRUE(reference) << reference.error;
        EXPECT_EQ(shrunk.image->width, reference.image->width);
        EXPECT_EQ(shrunk.image->height, reference.image->height);
        EXPECT_EQ(shrunk.image->rgb, reference.image->rgb);
    }
}

// A progressive photo cut off in its later scans still has all its DC data, but a copy of it must
// not be made from the DC decode while libjpeg's decode of the same file is refused.
TEST_F(ShrinkDecodeTest, SmallCopiesOfProgressivePhotos)
{
    const RgbImage photo = SamplePhoto("sea_horizon.jpg");
    const ResizeOptions smallBox{.boxWidth = 64, .boxHeight = 64};

    const auto turned = Progressive("turned.jpg", testing::RedOverBluePicture(800, 600),
                                    {.lumaH = 1, .lumaV = 1}, 6);
    const ResizeResult copy = ResizeJpeg(turned, smallBox);
    ASSERT_TRUE(copy.ok) << copy.error;
    EXPECT_EQ(copy.size, (PixelSize{48, 64}));
    const JpegDecodeResult copied = DecodeJpegBytes(copy.jpeg);
    ASSERT_TRUE(copied) << copied.error;
    // Turned a quarter clockwise: the red top of the stored picture is now on the right.
    const std::uint8_t *left = &copied.image->rgb[(32 * 48 + 4) * 3];
    const std::uint8_t *right = &copied.image->rgb[(32 * 48 + 43) * 3];
    EXPECT_GT(right[0], 200);
    EXPECT_LT(right[2], 60);
    EXPECT_LT(left[0], 60);
    EXPECT_GT(left[2], 200);

    std::string error;
    const std::string jpeg = testing::EncodeWithLibjpeg(photo, {}, &error);
    ASSERT_FALSE(jpeg.empty()) << error;
    const auto cut = Write("cut.jpg", jpeg.substr(0, jpeg.size() * 3 / 4));
    const ResizeResult cutCopy = ResizeJpeg(cut, smallBox);
    EXPECT_FALSE(cutCopy.ok);
    EXPECT_FALSE(cutCopy.error.empty());
}

} // namespace
} // namespace pagoranto

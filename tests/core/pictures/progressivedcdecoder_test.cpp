#include "core/pictures/exiforientation.h"
#include "core/pictures/jpegdecoder.h"
#include "core/pictures/jpegerrormanager.h"
#include "core/pictures/progressivedcdecoder.h"
#include "tests/support/gtesthelpers.h"
#include "tests/support/libjpegencoding.h"

#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace pagoranto {
namespace {

using testing::GradientPicture;
using testing::RedOverBluePicture;
using testing::WithExifOrientation;

// Photo-like content: smooth colour with texture and a few hard edges.
RgbImage PhotoLikePicture(int width, int height)
{
    RgbImage image = GradientPicture(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint8_t *pixel = &image.rgb[(std::size_t(y) * width + x) * 3];
            const int ripple = int(40 * std::sin(x * 0.05) * std::cos(y * 0.04));
            pixel[2] = std::uint8_t(std::clamp(120 + ripple, 0, 255));
            if ((x / 97 + y / 71) % 3 == 0)
                pixel[0] = std::uint8_t(255 - pixel[0]);
        }
    return image;
}

std::string Encode(const RgbImage &image, const testing::Encoding &encoding)
{
    std::string error;
    std::string jpeg = testing::EncodeWithLibjpeg(image, encoding, &error);
    EXPECT_FALSE(jpeg.empty()) << error;
    return jpeg;
}

class ProgressiveDcDecoderTest : public testing::ScratchDirectoryTest {};

// The same pixels as libjpeg's own 1/8 decode, halved chroma (taken from a few AC coefficients
// too) included.
TEST_F(ProgressiveDcDecoderTest, MatchesLibjpegAtOneEighth)
{
    const struct {
        const char *name;
        int width;
        int height;
        testing::Encoding encoding;
        bool smooth;
    } rows[] = {
        {"420", 320, 240, {}, true},
        {"420Edges", 320, 240, {}, false},
        {"422", 320, 240, {.lumaH = 2, .lumaV = 1}, false},
        {"440", 320, 240, {.lumaH = 1, .lumaV = 2}, false},
        {"444", 320, 240, {.lumaH = 1, .lumaV = 1}, false},
        {"Grey", 320, 240, {.components = 1, .lumaH = 1, .lumaV = 1}, false},
        {"GreySampledTwice", 203, 141, {.components = 1}, false},
        {"OddSize420", 203, 141, {}, true},
        {"OddSize422", 205, 97, {.lumaH = 2, .lumaV = 1}, false},
        {"OddSize444", 13, 9, {.lumaH = 1, .lumaV = 1}, false},
        {"TinyPicture", 1, 1, {}, false},
        {"Restarts420", 203, 141, {.restartInterval = 3}, true},
        {"Restarts444EveryBlock", 99, 67, {.lumaH = 1, .lumaV = 1, .restartInterval = 1}, false},
        {"RestartsGrey", 203, 141, {.components = 1, .restartInterval = 7}, false},
        {"SeparateDcScans420", 203, 141, {.separateDcScans = true}, true},
        {"SeparateDcScansRestarts",
         250,
         190,
         {.lumaH = 2, .lumaV = 1, .restartInterval = 5, .separateDcScans = true},
         false},
        {"NoJfif", 120, 80, {.lumaH = 1, .lumaV = 1, .jfif = false}, false},
        {"SplitBands420", 203, 141, {.splitBands = true}, false},
        {"SplitBands420Restarts", 203, 141, {.restartInterval = 2, .splitBands = true}, false},
        {"LowQuality420", 203, 141, {.quality = 20}, false},
        {"HighQuality420", 203, 141, {.quality = 100}, false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const RgbImage picture = row.smooth ? GradientPicture(row.width, row.height)
                                            : PhotoLikePicture(row.width, row.height);
        const std::string jpeg = Encode(picture, row.encoding);
        const JpegDecodeResult reference = DecodeJpegBytes(jpeg, JpegScale::eighth);
        ASSERT_TRUE(reference) << reference.error;
        const std::optional<RgbImage> ours = DecodeProgressiveDc(jpeg);
        ASSERT_TRUE(ours);
        EXPECT_EQ(ours->width, reference.image->width);
        EXPECT_EQ(ours->height, reference.image->height);
        EXPECT_EQ(ours->rgb, reference.image->rgb);
    }
}

// Tiles take the quicker estimate of chroma halved both ways; nothing else changes with it.
TEST_F(ProgressiveDcDecoderTest, EstimatedChromaStaysCloseToLibjpeg)
{
    const struct {
        const char *name;
        testing::Encoding encoding;
        int largest;
    } rows[] = {
        {"420", {}, 8},
        {"422", {.lumaH = 2, .lumaV = 1}, 0},
        {"444", {.lumaH = 1, .lumaV = 1}, 0},
        {"Grey", {.components = 1}, 0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const std::string jpeg = Encode(GradientPicture(203, 141), row.encoding);
        const JpegDecodeResult reference = DecodeJpegBytes(jpeg, JpegScale::eighth);
        ASSERT_TRUE(reference) << reference.error;
        const std::optional<RgbImage> estimated =
            DecodeProgressiveDc(jpeg, HalvedChroma::estimated);
        ASSERT_TRUE(estimated);
        ASSERT_EQ(estimated->rgb.size(), reference.image->rgb.size());
        int largest = 0;
        for (std::size_t i = 0; i < estimated->rgb.size(); ++i)
            largest =
                std::max(largest, std::abs(int(estimated->rgb[i]) - int(reference.image->rgb[i])));
        EXPECT_LE(largest, row.largest);

        const auto path = Write(std::string(row.name) + ".jpg", WithExifOrientation(jpeg, 6));
        const JpegDecodeResult tile = DecodeDisplayedJpegFileAtEighth(path);
        ASSERT_TRUE(tile);
        EXPECT_EQ(tile.image->rgb, OrientImage(*estimated, 6).rgb);
    }
}

// Everything else goes to libjpeg, which decodes it as it always did.
TEST_F(ProgressiveDcDecoderTest, LeavesOtherPicturesToLibjpeg)
{
    const RgbImage picture = PhotoLikePicture(96, 64);
    const struct {
        const char *name;
        std::string jpeg;
    } rows[] = {
        {"Baseline", Encode(picture, {.progressive = false})},
        {"BaselineRestarts", Encode(picture, {.restartInterval = 2, .progressive = false})},
        {"Arithmetic", Encode(picture, {.arithmetic = true})},
        {"StoredAsRgb", Encode(picture, {.lumaH = 1, .lumaV = 1, .storedAsRgb = true})},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_FALSE(DecodeProgressiveDc(row.jpeg));
        const auto path = Write(std::string(row.name) + ".jpg", row.jpeg);
        const JpegDecodeResult tile = DecodeDisplayedJpegFileAtEighth(path);
        const JpegDecodeResult reference = DecodeJpegFile(path, JpegScale::eighth);
        ASSERT_TRUE(tile) << tile.error;
        ASSERT_TRUE(reference) << reference.error;
        EXPECT_EQ(tile.image->rgb, reference.image->rgb);
    }
    EXPECT_FALSE(DecodeProgressiveDc(""));
    EXPECT_FALSE(DecodeProgressiveDc(testing::DamagedJpeg()));
    EXPECT_FALSE(DecodeProgressiveDcFile(file("missing.jpg")));
    EXPECT_FALSE(DecodeDisplayedJpegFileAtEighth(file("missing.jpg")));
}

TEST_F(ProgressiveDcDecoderTest, TurnsThePhotoUprightAsLibjpegsDecodeIsTurned)
{
    // Without subsampling the decodes are the same, so any turn that differs shows.
    const std::string jpeg = Encode(RedOverBluePicture(160, 96), {.lumaH = 1, .lumaV = 1});
    for (int orientation = 1; orientation <= 8; ++orientation) {
        SCOPED_TRACE(orientation);
        const auto path = Write("turned" + std::to_string(orientation) + ".jpg",
                                WithExifOrientation(jpeg, orientation));
        ASSERT_TRUE(DecodeProgressiveDcFile(path));
        const JpegDecodeResult tile = DecodeDisplayedJpegFileAtEighth(path);
        const JpegDecodeResult reference = DecodeDisplayedJpegFile(path, JpegScale::eighth);
        ASSERT_TRUE(tile);
        ASSERT_TRUE(reference);
        EXPECT_EQ(tile.image->width, reference.image->width);
        EXPECT_EQ(tile.image->height, reference.image->height);
        EXPECT_EQ(tile.image->rgb, reference.image->rgb);
    }
}

// Cut off or damaged data is never half decoded here: the caller gets libjpeg's answer, which
// for a cut-off file is its upper part filled in grey.
TEST_F(ProgressiveDcDecoderTest, DamagedOrCutOffPicturesFallBackWithoutCrashing)
{
    const std::string jpeg = Encode(PhotoLikePicture(203, 141), {.restartInterval = 4});
    ASSERT_TRUE(DecodeProgressiveDc(jpeg));
    for (std::size_t size = 0; size < jpeg.size(); size += 37) {
        SCOPED_TRACE(size);
        EXPECT_FALSE(DecodeProgressiveDc(jpeg.substr(0, size)));
    }
    const auto cut = Write("cut.jpg", jpeg.substr(0, jpeg.size() / 2));
    const JpegDecodeResult tile = DecodeDisplayedJpegFileAtEighth(cut);
    const JpegDecodeResult reference = DecodeJpegFile(cut, JpegScale::eighth);
    ASSERT_TRUE(tile);
    ASSERT_TRUE(reference);
    EXPECT_EQ(tile.image->rgb, reference.image->rgb);
    EXPECT_EQ(tile.warning, reference.warning);

    // Rubbish written over every part of the file in turn; whatever comes back is whole.
    for (std::size_t at = 2; at + 8 < jpeg.size(); at += 23) {
        std::string damaged = jpeg;
        for (std::size_t i = 0; i < 8; ++i)
            damaged[at + i] = char((at * 31 + i * 97) & 0xFF);
        const std::optional<RgbImage> image = DecodeProgressiveDc(damaged);
        if (image) {
            EXPECT_EQ(image->rgb.size(), std::size_t(image->width) * image->height * 3);
        }
    }
}

} // namespace
} // namespace pagoranto

#include "core/pictures/jpegencoder.h"
#include "core/pictures/jpegsize.h"
#include "tests/support/gtesthelpers.h"

#include <gtest/gtest.h>
#include <vector>

namespace pagoranto {
namespace {

using testing::GradientPicture;
using testing::MakeJpeg;
using testing::NoisePicture;

JpegEncodeOptions Options(int quality, int smoothing = 0)
{
    JpegEncodeOptions options;
    options.quality = quality;
    options.smoothing = smoothing;
    return options;
}

class JpegEncoderTest : public testing::ScratchDirectoryTest {};

TEST_F(JpegEncoderTest, QualityAndSmoothingAreUsedAndClamped)
{
    const RgbImage noise = NoisePicture(64, 64);
    EXPECT_LT(MakeJpeg(noise, Options(10)).size(), MakeJpeg(noise, Options(95)).size() / 2);
    EXPECT_EQ(MakeJpeg(noise, Options(-3)), MakeJpeg(noise, Options(1)));
    EXPECT_EQ(MakeJpeg(noise, Options(150)), MakeJpeg(noise, Options(100)));
    // Smoothing takes the noise out before encoding, which leaves less to store.
    EXPECT_LT(MakeJpeg(noise, Options(75, 100)).size(), MakeJpeg(noise, Options(75)).size());
    EXPECT_EQ(MakeJpeg(noise, Options(75, 250)), MakeJpeg(noise, Options(75, 100)));
}

TEST_F(JpegEncoderTest, PixelsThatDoNotMatchTheSizeAreRefused)
{
    const std::vector<std::uint8_t> bytes(30, 0);
    const PixelView rows[] = {
        {4, 4, PixelLayout::rgb, bytes},
        {4, 4, PixelLayout::grey, bytes},
        {0, 4, PixelLayout::grey, {}},
        {70000, 1, PixelLayout::grey, bytes},
    };
    for (const PixelView &row : rows) {
        SCOPED_TRACE(row.width);
        const JpegEncodeResult result = EncodeJpeg(row);
        EXPECT_FALSE(result);
        EXPECT_NE(result.error, "");
    }
    EXPECT_TRUE(EncodeJpeg({10, 1, PixelLayout::rgb, bytes}));
}

TEST_F(JpegEncoderTest, WritesAFileOrReportsWhyNot)
{
    const RgbImage picture = GradientPicture(120, 80);
    const JpegEncodeResult written = EncodeJpegFile(m_dir / "copy.jpg", ViewOf(picture));
    ASSERT_TRUE(written) << written.error;
    EXPECT_EQ(ReadJpegSize(m_dir / "copy.jpg"), (PixelSize{120, 80}));

    const JpegEncodeResult refused = EncodeJpegFile(m_dir / "no/dir/copy.jpg", ViewOf(picture));
    EXPECT_FALSE(refused);
    EXPECT_NE(refused.error, "");
}

} // namespace
} // namespace pagoranto

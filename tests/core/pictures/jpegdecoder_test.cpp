#include "core/pictures/jpegdecoder.h"
#include "core/pictures/jpegerrormanager.h"
#include "tests/support/gtesthelpers.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdlib>
#include <future>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace pagoranto {
namespace {

using testing::ChannelDistance;
using testing::GradientPicture;
using testing::MakeJpeg;
using testing::NoisePicture;
using testing::WithTableLength;

// Ink pictures are made with the library itself, as our encoder writes only RGB and grey.
struct InkCompression {
    jpeg_compress_struct info{};
    JpegErrorManager errors;
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
};

bool CompressInks(InkCompression &job, J_COLOR_SPACE stored, const std::vector<JSAMPLE> &row,
                  int height)
{
    jpeg_compress_struct &info = job.info;
    if (setjmp(job.errors.jump) != 0)
        return false;
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &job.buffer, &job.size);
    info.image_width = static_cast<JDIMENSION>(row.size() / 4);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 4;
    info.in_color_space = JCS_CMYK;
    jpeg_set_defaults(&info);
    jpeg_set_colorspace(&info, stored);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    JSAMPROW rowPointer = const_cast<JSAMPLE *>(row.data());
    while (info.next_scanline < info.image_height)
        jpeg_write_scanlines(&info, &rowPointer, 1);
    jpeg_finish_compress(&info);
    return true;
}

std::string InkJpeg(J_COLOR_SPACE stored, const std::array<std::uint8_t, 4> &ink, int size)
{
    std::vector<JSAMPLE> row;
    for (int x = 0; x < size; ++x)
        row.insert(row.end(), ink.begin(), ink.end());
    InkCompression job;
    job.info.err = InstallJpegErrorManager(job.errors);
    std::string jpeg;
    if (CompressInks(job, stored, row, size))
        jpeg.assign(reinterpret_cast<const char *>(job.buffer), job.size);
    jpeg_destroy_compress(&job.info);
    std::free(job.buffer);
    EXPECT_FALSE(jpeg.empty()) << job.errors.message;
    return jpeg;
}

class JpegDecoderTest : public testing::ScratchDirectoryTest {};

TEST_F(JpegDecoderTest, DecodesFileAndMemoryToTheSameRgb)
{
    const RgbImage original = GradientPicture(64, 48);
    JpegEncodeOptions fine;
    fine.quality = 95;
    const std::string jpeg = MakeJpeg(original, fine);

    const JpegDecodeResult fromFile = DecodeJpegFile(Write("gradient.jpg", jpeg));
    ASSERT_TRUE(fromFile) << fromFile.error;
    EXPECT_EQ(fromFile.image->width, 64);
    EXPECT_EQ(fromFile.image->height, 48);
    EXPECT_EQ(fromFile.warning, "");
    const std::pair<int, int> spots[] = {{0, 0}, {63, 0}, {0, 47}, {63, 47}, {30, 20}};
    for (const auto &[x, y] : spots)
        EXPECT_LE(ChannelDistance(*fromFile.image, original, x, y), 8) << x << "," << y;

    const JpegDecodeResult fromMemory = DecodeJpegBytes(jpeg);
    ASSERT_TRUE(fromMemory) << fromMemory.error;
    EXPECT_EQ(fromMemory.image->rgb, fromFile.image->rgb);
}

TEST_F(JpegDecoderTest, ShrinksOnLoadRoundingEachSideUp)
{
    const struct {
        const char *name;
        PixelSize picture;
        JpegScale scale;
        PixelSize decoded;
    } rows[] = {
        {"LargeEighth", {3000, 2000}, JpegScale::eighth, {375, 250}},
        {"OddEighth", {400, 300}, JpegScale::eighth, {50, 38}},
        {"Quarter", {400, 300}, JpegScale::quarter, {100, 75}},
        {"OddHalf", {401, 301}, JpegScale::half, {201, 151}},
        {"Full", {401, 301}, JpegScale::full, {401, 301}},
        {"OnePixelEighth", {1, 1}, JpegScale::eighth, {1, 1}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const auto path = Write(std::string(row.name) + ".jpg",
                                MakeJpeg(GradientPicture(row.picture.width, row.picture.height)));
        const JpegDecodeResult result = DecodeJpegFile(path, row.scale);
        ASSERT_TRUE(result) << result.error;
        EXPECT_EQ((PixelSize{result.image->width, result.image->height}), row.decoded);
        EXPECT_EQ(result.image->rgb.size(),
                  std::size_t(row.decoded.width) * std::size_t(row.decoded.height) * 3);
        EXPECT_EQ(ReadPictureSize(path), row.picture);
    }
}

TEST_F(JpegDecoderTest, GreyAndProgressivePicturesComeOutAsRgb)
{
    const RgbImage colour = GradientPicture(40, 30);
    std::vector<std::uint8_t> grey(40 * 30);
    for (std::size_t i = 0; i < grey.size(); ++i)
        grey[i] = static_cast<std::uint8_t>(i % 251);
    JpegEncodeOptions progressive;
    progressive.progressive = true;
    JpegEncodeOptions storedGrey;
    storedGrey.greyscale = true;

    const std::string greyInput = EncodeJpeg({40, 30, PixelLayout::grey, grey}).jpeg;
    for (const std::string &jpeg : {greyInput, MakeJpeg(colour, storedGrey)}) {
        const JpegDecodeResult result = DecodeJpegBytes(jpeg);
        ASSERT_TRUE(result) << result.error;
        ASSERT_EQ(result.image->rgb.size(), 40u * 30u * 3u);
        for (std::size_t i = 0; i < result.image->rgb.size(); i += 3) {
            EXPECT_EQ(result.image->rgb[i], result.image->rgb[i + 1]);
            EXPECT_EQ(result.image->rgb[i], result.image->rgb[i + 2]);
        }
    }

    const JpegDecodeResult stepwise = DecodeJpegBytes(MakeJpeg(colour, progressive));
    ASSERT_TRUE(stepwise) << stepwise.error;
    EXPECT_LE(ChannelDistance(*stepwise.image, colour, 39, 0), 16);
    EXPECT_LE(ChannelDistance(*stepwise.image, colour, 0, 29), 16);
}

TEST_F(JpegDecoderTest, InkPicturesBecomeRgb)
{
    // Adobe's inverted inks: full magenta and yellow, no cyan, no black is red.
    const std::array<std::uint8_t, 4> red = {255, 0, 0, 255};
    for (const J_COLOR_SPACE stored : {JCS_CMYK, JCS_YCCK}) {
        SCOPED_TRACE(stored);
        const JpegDecodeResult result = DecodeJpegBytes(InkJpeg(stored, red, 16));
        ASSERT_TRUE(result) << result.error;
        EXPECT_GE(result.image->rgb[0], 240);
        EXPECT_LE(result.image->rgb[1], 15);
        EXPECT_LE(result.image->rgb[2], 15);
    }
}

TEST_F(JpegDecoderTest, TruncatedPictureKeepsWhatArrived)
{
    const RgbImage original = NoisePicture(256, 256);
    const std::string jpeg = MakeJpeg(original);
    const auto cut = Write("cut.jpg", jpeg.substr(0, jpeg.size() / 2));

    const JpegDecodeResult result = DecodeJpegFile(cut);
    ASSERT_TRUE(result) << result.error;
    EXPECT_NE(result.warning, "");
    EXPECT_EQ(result.image->width, 256);
    EXPECT_EQ(result.image->height, 256);
    const JpegDecodeResult whole = DecodeJpegBytes(jpeg);
    ASSERT_TRUE(whole);
    EXPECT_TRUE(std::equal(whole.image->rgb.begin(), whole.image->rgb.begin() + 256 * 3 * 16,
                           result.image->rgb.begin()));
    EXPECT_EQ(ReadPictureSize(cut), (PixelSize{256, 256}));

    JpegEncodeOptions progressive;
    progressive.progressive = true;
    const std::string stepwise = MakeJpeg(original, progressive);
    const JpegDecodeResult cutStepwise = DecodeJpegBytes(stepwise.substr(0, stepwise.size() / 2));
    EXPECT_TRUE(cutStepwise || !cutStepwise.error.empty());
}

TEST_F(JpegDecoderTest, DamagedFilesGiveAnErrorAndNoSize)
{
    const std::string jpeg = MakeJpeg(GradientPicture(64, 48));
    const struct {
        const char *name;
        std::string bytes;
    } rows[] = {
        {"ZeroBytes", ""},
        {"Text", "<html>This is no picture.</html>\n"},
        {"OnlyStartOfImage", "\xFF\xD8"},
        {"CutInsideHeader", jpeg.substr(0, 40)},
        {"SegmentLengthZero", WithTableLength(jpeg, 0)},
        {"SegmentLengthOne", WithTableLength(jpeg, 1)},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const auto path = Write(std::string(row.name) + ".jpg", row.bytes);
        const JpegDecodeResult result = DecodeJpegFile(path, JpegScale::eighth);
        EXPECT_FALSE(result);
        EXPECT_NE(result.error, "");
        EXPECT_EQ(ReadPictureSize(path), std::nullopt);
        EXPECT_FALSE(DecodeJpegBytes(row.bytes));
    }
    const JpegDecodeResult missing = DecodeJpegFile(m_dir / "missing.jpg");
    EXPECT_FALSE(missing);
    EXPECT_NE(missing.error, "");
    EXPECT_EQ(ReadPictureSize(m_dir / "missing.jpg"), std::nullopt);
}

// A first scan that asks for an AC band of three components at once, which the library only
// refuses once the decode has started.
std::string WithBadFirstScan(std::string jpeg)
{
    const std::size_t sos = jpeg.find("\xFF\xDA");
    EXPECT_NE(sos, std::string::npos);
    const std::size_t components = static_cast<unsigned char>(jpeg[sos + 4]);
    jpeg[sos + 5 + 2 * components] = 2;
    jpeg[sos + 6 + 2 * components] = 1;
    return jpeg;
}

TEST_F(JpegDecoderTest, ProgressivePicturesTakeTurnsAndAFailureEndsItsTurn)
{
    JpegEncodeOptions progressive;
    progressive.progressive = true;
    const std::string stepwise = MakeJpeg(GradientPicture(96, 64), progressive);
    const std::string plain = MakeJpeg(GradientPicture(96, 64));
    const std::vector<std::uint8_t> alone = DecodeJpegBytes(stepwise, JpegScale::eighth).image->rgb;

    const JpegDecodeResult failed = DecodeJpegBytes(WithBadFirstScan(stepwise), JpegScale::eighth);
    EXPECT_FALSE(failed);
    EXPECT_NE(failed.error, "");

    // A turn kept by the failed decode would block every other thread for ever.
    auto together = std::make_shared<std::promise<bool>>();
    std::future<bool> done = together->get_future();
    std::thread([together, stepwise, plain, alone] {
        std::vector<std::future<bool>> decodes;
        for (int i = 0; i < 8; ++i)
            decodes.push_back(std::async(std::launch::async, [&, i] {
                const JpegDecodeResult result =
                    DecodeJpegBytes(i % 2 ? plain : stepwise, JpegScale::eighth);
                return result && (i % 2 || result.image->rgb == alone);
            }));
        bool all = true;
        for (auto &decode : decodes)
            all = decode.get() && all;
        together->set_value(all);
    }).detach();
    ASSERT_EQ(done.wait_for(std::chrono::seconds(20)), std::future_status::ready);
    EXPECT_TRUE(done.get());
}

} // namespace
} // namespace pagoranto

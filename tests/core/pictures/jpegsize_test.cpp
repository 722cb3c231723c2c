#include "core/pictures/jpegencoder.h"
#include "core/pictures/jpegsize.h"
#include "tests/support/gtesthelpers.h"

#include <gtest/gtest.h>
#include <string>

namespace pagoranto {
namespace {

using testing::GradientPicture;
using testing::MakeJpeg;
using testing::WithTableLength;

// A frame header of the given kind: length 17, precision 8, height, width, three components.
std::string FrameHeader(char kind, int width, int height)
{
    std::string frame{'\xFF', kind, 0, 17, 8};
    for (const int value : {height, width}) {
        frame += static_cast<char>(value >> 8);
        frame += static_cast<char>(value & 0xFF);
    }
    return frame + std::string(10, '\x11');
}

const std::string startOfImage = "\xFF\xD8";

class ReadJpegSizeTest : public testing::ScratchDirectoryTest {};

TEST_F(ReadJpegSizeTest, ReadsBaselineAndProgressiveFrames)
{
    const std::string baseline = MakeJpeg(GradientPicture(640, 480));
    JpegEncodeOptions progressive;
    progressive.progressive = true;
    const std::string stepwise = MakeJpeg(GradientPicture(300, 500), progressive);
    ASSERT_NE(baseline.find("\xFF\xC0"), std::string::npos);
    ASSERT_NE(stepwise.find("\xFF\xC2"), std::string::npos);

    EXPECT_EQ(ReadJpegSize(Write("baseline.jpg", baseline)), (PixelSize{640, 480}));
    EXPECT_EQ(ReadJpegSize(Write("progressive.jpg", stepwise)), (PixelSize{300, 500}));
    // The frame header comes first, so a file cut at half still tells its size.
    EXPECT_EQ(ReadJpegSize(Write("cut.jpg", baseline.substr(0, baseline.size() / 2))),
              (PixelSize{640, 480}));
}

TEST_F(ReadJpegSizeTest, WalksFillBytesAndMarkersWithoutSegment)
{
    const std::string jpeg = MakeJpeg(GradientPicture(33, 17));
    const std::string filled = startOfImage + "\xFF\xFF" + jpeg.substr(2);
    EXPECT_EQ(ReadJpegSize(Write("filled.jpg", filled)), (PixelSize{33, 17}));

    const std::string comment{'\xFF', '\xFE', 0, 5, 'a', 'b', 'c'};
    const std::string markers =
        startOfImage + "\xFF\xD0\xFF\x01" + comment + FrameHeader('\xC1', 1024, 768);
    EXPECT_EQ(ReadJpegSize(Write("markers.jpg", markers)), (PixelSize{1024, 768}));
}

TEST_F(ReadJpegSizeTest, UnreadableHeadersAreUnknown)
{
    const std::string jpeg = MakeJpeg(GradientPicture(64, 48));
    const std::string application{'\xFF', '\xE0', 0, 6, 'J', 'F', 'I', 'F'};
    const struct {
        const char *name;
        std::string bytes;
    } rows[] = {
        {"ZeroBytes", ""},
        {"Text", "This is no picture.\n"},
        {"OnlyStartOfImage", startOfImage},
        // A length below 2 would step back over its own bytes and never end.
        {"SegmentLengthZero", WithTableLength(jpeg, 0)},
        {"SegmentLengthOne", WithTableLength(jpeg, 1)},
        // Nor may such a segment be taken as empty and the walk go on.
        {"ShortSegmentBeforeFrame",
         startOfImage + std::string{'\xFF', '\xE0', 0, 0} + FrameHeader('\xC0', 8, 8)},
        {"OneByteSegmentBeforeFrame",
         startOfImage + std::string{'\xFF', '\xE0', 0, 1, '\xFF'} + FrameHeader('\xC0', 8, 8)},
        {"SegmentPastTheEnd", startOfImage + std::string{'\xFF', '\xE1', '\x7F', 0, 1, 2}},
        {"NoMarkerAfterSegment", startOfImage + application + "x" + FrameHeader('\xC0', 8, 8)},
        {"FrameHeaderCut", startOfImage + FrameHeader('\xC0', 640, 480).substr(0, 8)},
        {"FillBytesToTheEnd", startOfImage + "\xFF\xFF\xFF"},
        {"LosslessFrameIsNoSize", startOfImage + FrameHeader('\xC3', 64, 64)},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ReadJpegSize(Write(std::string(row.name) + ".jpg", row.bytes)), std::nullopt);
    }
    EXPECT_EQ(ReadJpegSize(m_dir / "missing.jpg"), std::nullopt);
    EXPECT_EQ(ReadJpegSize(m_dir), std::nullopt);
}

TEST_F(ReadJpegSizeTest, CommentIsTheFirstCommentSegmentBeforeTheFrame)
{
    JpegEncodeOptions options;
    options.comment = std::string("made from a.jpg; \xFF\x00 bytes", 26);
    const JpegEncodeResult encoded = EncodeJpeg(ViewOf(GradientPicture(32, 24)), options);
    ASSERT_TRUE(encoded);
    EXPECT_EQ(ReadJpegComment(Write("stamped.jpg", encoded.jpeg)), options.comment);
    EXPECT_EQ(ReadJpegSize(m_dir / "stamped.jpg"), (PixelSize{32, 24}));

    const std::string comment{'\xFF', '\xFE', 0, 5, 'a', 'b', 'c'};
    const struct {
        const char *name;
        std::string bytes;
        std::optional<std::string> expected;
    } rows[] = {
        {"NoComment", MakeJpeg(GradientPicture(8, 8)), std::nullopt},
        {"EmptyComment", startOfImage + std::string{'\xFF', '\xFE', 0, 2}, ""},
        {"CommentCut", startOfImage + comment.substr(0, 6), std::nullopt},
        {"CommentAfterFrame", startOfImage + FrameHeader('\xC0', 8, 8) + comment, std::nullopt},
        {"NoPicture", "FE FE FE", std::nullopt},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ReadJpegComment(Write(std::string(row.name) + ".jpg", row.bytes)), row.expected);
    }
}

TEST_F(ReadJpegSizeTest, FileSizeTextRoundsUpToWholeKilobytes)
{
    const struct {
        std::size_t bytes;
        const char *text;
    } rows[] = {{0, "0 kb"}, {1, "1 kb"}, {1024, "1 kb"}, {1025, "2 kb"}, {4096, "4 kb"}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.bytes);
        EXPECT_EQ(FileSizeText(Write("file.jpg", std::string(row.bytes, 'x'))), row.text);
    }
    EXPECT_EQ(FileSizeText(m_dir / "missing.jpg"), "0 kb");
}

} // namespace
} // namespace pagoranto

// What copies keep of a photo's metadata, and how turned photos are turned.
#include "core/pictures/copypictures.h"
#include "core/pictures/exiforientation.h"
#include "core/pictures/jpegdecoder.h"
#include "core/pictures/jpegsegments.h"
#include "core/pictures/losslessturn.h"
#include "core/pictures/photometadata.h"
#include "core/pictures/resizejpeg.h"
#include "core/text/linefile.h"
#include "tests/support/exifpictures.h"
#include "tests/support/libjpegencoding.h"
#include "tests/support/scratchdirectory.h"
#include "tests/support/testpictures.h"

#include <gtest/gtest.h>

namespace pagoranto {
namespace {

using namespace pagoranto::testing;

std::string Photo(int width, int height, int quality = 90)
{
    return EncodePicture(GradientPicture(width, height), {.quality = quality}).jpeg;
}

std::string Thumbnail()
{
    return Photo(16, 16, 50);
}

// The segments of a stream before its first scan, each as its bytes.
std::vector<std::string> HeaderSegments(const std::string &jpeg)
{
    std::vector<std::string> segments;
    const std::optional<JpegLayout> layout = ReadJpegLayout(jpeg);
    EXPECT_TRUE(layout);
    if (layout)
        for (const JpegSegment &segment : layout->header)
            segments.push_back(jpeg.substr(segment.begin, segment.end - segment.begin));
    return segments;
}

bool Holds(const std::vector<std::string> &segments, const std::string &segment)
{
    return std::find(segments.begin(), segments.end(), segment) != segments.end();
}

int InverseTurn(int orientation)
{
    return orientation == 6 ? 8 : orientation == 8 ? 6 : orientation;
}

// A turned picture decodes as the original turned, give or take the decoder's rounding, which
// differs between a block and the same block transposed; turned back it decodes exactly as the
// original, which no second encoding would.
void ExpectTurnedWithoutLoss(const std::string &stored, const std::string &turned, int orientation)
{
    const RgbImage original = *DecodeJpegBytes(stored).image;
    const RgbImage expected = OrientImage(original, orientation);
    const RgbImage actual = *DecodeJpegBytes(turned).image;
    ASSERT_EQ(actual.width, expected.width) << orientation;
    ASSERT_EQ(actual.height, expected.height) << orientation;
    int worst = 0;
    for (int y = 0; y < actual.height; ++y)
        for (int x = 0; x < actual.width; ++x)
            worst = std::max(worst, ChannelDistance(actual, expected, x, y));
    EXPECT_LE(worst, 2) << orientation;
    const std::optional<std::string> back = TurnLosslessly(turned, InverseTurn(orientation));
    ASSERT_TRUE(back) << orientation;
    EXPECT_EQ(DecodeJpegBytes(*back).image->rgb, original.rgb) << orientation;
}

class PhotoCopy : public ::testing::Test {
protected:
    std::filesystem::path Write(const std::string &name, const std::string &bytes)
    {
        const std::filesystem::path path = m_dir.path() / name;
        EXPECT_TRUE(WriteFileBytes(path, bytes));
        return path;
    }
    PlainCopy Copy(const std::string &bytes)
    {
        const std::optional<PlainCopy> copy = PlainCopyBytes(Write("photo.jpg", bytes));
        EXPECT_TRUE(copy);
        return copy.value_or(PlainCopy{});
    }
    ScratchDirectory m_dir;
};

TEST_F(PhotoCopy, WithoutGpsAndTurnTheCopyIsTheFileByteForByte)
{
    const std::string photo =
        WithSegments(Photo(40, 30), {ExifSegment({.orientation = 1, .thumbnail = Thumbnail()}),
                                     XmpSegment("dc:rights=\"Ada\""), IptcSegment(), IccSegment(),
                                     CommentSegment("a comment")});
    const PlainCopy copy = Copy(photo + "appended by the camera");
    EXPECT_EQ(copy.bytes, photo + "appended by the camera");
    EXPECT_TRUE(copy.damage.empty());
}

TEST_F(PhotoCopy, GpsLeavesAndEverythingElseStays)
{
    const std::string xmp = XmpSegment("dc:rights=\"Ada\"");
    const std::string photo =
        WithSegments(Photo(40, 30), {ExifSegment({.gps = true, .thumbnail = Thumbnail()}), xmp,
                                     IptcSegment(), IccSegment()});
    const std::string copy = Copy(photo).bytes;
    const ReadExif exif(copy);
    ASSERT_TRUE(exif);
    EXPECT_EQ(exif.GpsEntries(), 0u);
    EXPECT_EQ(exif.Text(EXIF_IFD_0, EXIF_TAG_MAKE), "Lumenta");
    EXPECT_EQ(exif.Text(EXIF_IFD_0, EXIF_TAG_MODEL), "LX-7");
    EXPECT_EQ(exif.Text(EXIF_IFD_0, EXIF_TAG_COPYRIGHT), "Ada Example");
    EXPECT_EQ(exif.Text(EXIF_IFD_EXIF, EXIF_TAG_DATE_TIME_ORIGINAL), "2024:05:06 07:08:09");
    EXPECT_EQ(exif.Number(EXIF_IFD_0, EXIF_TAG_ORIENTATION), 1u);
    // The picture is not turned, so its preview still matches and stays.
    EXPECT_TRUE(exif.HasThumbnail());
    const std::vector<std::string> segments = HeaderSegments(copy);
    for (const std::string &kept : {xmp, IptcSegment(), IccSegment()})
        EXPECT_TRUE(Holds(segments, kept));
    // From the first scan on the bytes are the photo's.
    EXPECT_TRUE(copy.ends_with(photo.substr(ReadJpegLayout(photo)->scanStart)));
}

TEST_F(PhotoCopy, AnXmpPacketWithGpsPropertiesIsLeftOut)
{
    for (const std::string &properties :
         {std::string("exif:GPSLatitude=\"48,8.5N\""),
          std::string("xmlns:exif=\"http://ns.adobe.com/exif/1.0/\"><exif:GPSLongitude>"
                      "11,34.2E</exif:GPSLongitude")}) {
        const std::string photo =
            WithSegments(Photo(40, 30), {XmpSegment(properties), IptcSegment()});
        const std::string copy = Copy(photo).bytes;
        EXPECT_EQ(copy.find("GPS"), std::string::npos) << properties;
        EXPECT_TRUE(Holds(HeaderSegments(copy), IptcSegment()));
        EXPECT_EQ(DecodeJpegBytes(copy).image->rgb, DecodeJpegBytes(photo).image->rgb);
    }
}

TEST_F(PhotoCopy, ATurnedPhotoIsTurnedWithoutLossWhereBlocksAllow)
{
    // 4:4:4 blocks of 8 x 8: the sizes are whole blocks, so the turn moves blocks only.
    Encoding encoding;
    encoding.lumaH = 1;
    encoding.lumaV = 1;
    encoding.progressive = false;
    const std::string stored = EncodeWithLibjpeg(GradientPicture(64, 48), encoding);
    const std::string photo = WithSegments(
        stored, {ExifSegment({.orientation = 6, .gps = true, .thumbnail = Thumbnail()}),
                 XmpSegment("tiff:Orientation=\"6\" dc:rights=\"Ada\""), IptcSegment()});
    const PlainCopy copy = Copy(photo);
    ASSERT_TRUE(copy.damage.empty());
    const JpegDecodeResult decoded = DecodeJpegBytes(copy.bytes);
    ASSERT_TRUE(decoded.image);
    EXPECT_EQ(decoded.image->width, 48);
    EXPECT_EQ(decoded.image->height, 64);
    ExpectTurnedWithoutLoss(stored, copy.bytes, 6);

    EXPECT_EQ(ExifOrientationOf(copy.bytes), 1);
    const ReadExif exif(copy.bytes);
    ASSERT_TRUE(exif);
    EXPECT_FALSE(exif.HasThumbnail());
    EXPECT_EQ(exif.GpsEntries(), 0u);
    EXPECT_EQ(exif.Text(EXIF_IFD_EXIF, EXIF_TAG_DATE_TIME_ORIGINAL), "2024:05:06 07:08:09");
    EXPECT_EQ(exif.Number(EXIF_IFD_EXIF, EXIF_TAG_PIXEL_X_DIMENSION), 48u);
    EXPECT_EQ(exif.Number(EXIF_IFD_EXIF, EXIF_TAG_PIXEL_Y_DIMENSION), 64u);
    EXPECT_NE(copy.bytes.find("tiff:Orientation=\"1\" dc:rights=\"Ada\""), std::string::npos);
    EXPECT_TRUE(Holds(HeaderSegments(copy.bytes), IptcSegment()));
}

TEST(LosslessTurn, EveryOrientationGivesTheDisplayedPictureWithoutLoss)
{
    Encoding encoding;
    encoding.lumaH = 1;
    encoding.lumaV = 1;
    const std::string stored = EncodeWithLibjpeg(GradientPicture(32, 16), encoding);
    for (int orientation = 2; orientation <= 8; ++orientation) {
        const std::optional<std::string> turned = TurnLosslessly(stored, orientation);
        ASSERT_TRUE(turned) << orientation;
        ExpectTurnedWithoutLoss(stored, *turned, orientation);
    }
    EXPECT_FALSE(TurnLosslessly(stored, 1));
    // Blocks of 16 x 16 do not fit 40 x 30: no perfect turn.
    EXPECT_FALSE(TurnLosslessly(Photo(40, 30), 6));
    EXPECT_FALSE(TurnLosslessly(DamagedJpeg(), 6));
}

TEST_F(PhotoCopy, APhotoWhoseSizeIsNoWholeBlocksIsEncodedAgainUpright)
{
    const std::string photo =
        WithSegments(EncodePicture(RedOverBluePicture(40, 30), {.quality = 90}).jpeg,
                     {ExifSegment({.orientation = 6, .thumbnail = Thumbnail()}), IccSegment()});
    const PlainCopy copy = Copy(photo);
    ASSERT_TRUE(copy.damage.empty());
    const RgbImage upright = *DecodeJpegBytes(copy.bytes).image;
    ASSERT_EQ(upright.width, 30);
    ASSERT_EQ(upright.height, 40);
    // Turned a quarter clockwise, the red top half is now on the right.
    EXPECT_GT(upright.rgb[(10 * 30 + 28) * 3], 200);
    EXPECT_LT(upright.rgb[(10 * 30 + 1) * 3], 60);
    const ReadExif exif(copy.bytes);
    ASSERT_TRUE(exif);
    EXPECT_EQ(exif.Number(EXIF_IFD_0, EXIF_TAG_ORIENTATION), 1u);
    EXPECT_FALSE(exif.HasThumbnail());
    EXPECT_EQ(exif.Text(EXIF_IFD_0, EXIF_TAG_COPYRIGHT), "Ada Example");
    EXPECT_TRUE(Holds(HeaderSegments(copy.bytes), IccSegment()));
}

TEST_F(PhotoCopy, ACutOffPhotoIsCopiedAsItIsAndSaysSo)
{
    const std::string photo =
        WithSegments(Photo(64, 64), {ExifSegment({.orientation = 6, .gps = true})});
    const std::string cut = photo.substr(0, photo.size() * 2 / 3);
    const PlainCopy copy = Copy(cut);
    EXPECT_FALSE(copy.damage.empty());
    EXPECT_EQ(ExifOrientationOf(copy.bytes), 6);
    EXPECT_EQ(ReadExif(copy.bytes).GpsEntries(), 0u);
    EXPECT_TRUE(copy.bytes.ends_with(cut.substr(cut.size() - 100)));

    EXPECT_EQ(Copy("no picture").bytes, "no picture");
    EXPECT_FALSE(Copy("no picture").damage.empty());
}

TEST_F(PhotoCopy, AResizedCopyKeepsTheFactsWithItsNewSize)
{
    const std::filesystem::path source =
        Write("turned.jpg",
              WithSegments(Photo(300, 200),
                           {ExifSegment({.orientation = 8, .gps = true, .thumbnail = Thumbnail()}),
                            IptcSegment(), IccSegment()}));
    const ResizeResult resized = ResizeJpeg(source, {64, 48, 70, false});
    ASSERT_TRUE(resized.ok) << resized.error;
    EXPECT_EQ(resized.size, (PixelSize{32, 48}));
    EXPECT_EQ(DecodeJpegBytes(resized.jpeg).image->width, 32);
    const ReadExif exif(resized.jpeg);
    ASSERT_TRUE(exif);
    EXPECT_EQ(exif.Number(EXIF_IFD_0, EXIF_TAG_ORIENTATION), 1u);
    EXPECT_EQ(exif.Number(EXIF_IFD_EXIF, EXIF_TAG_PIXEL_X_DIMENSION), 32u);
    EXPECT_EQ(exif.Number(EXIF_IFD_EXIF, EXIF_TAG_PIXEL_Y_DIMENSION), 48u);
    EXPECT_EQ(exif.GpsEntries(), 0u);
    EXPECT_FALSE(exif.HasThumbnail());
    EXPECT_EQ(exif.Text(EXIF_IFD_0, EXIF_TAG_MODEL), "LX-7");
    const std::vector<std::string> segments = HeaderSegments(resized.jpeg);
    EXPECT_TRUE(Holds(segments, IptcSegment()));
    EXPECT_TRUE(Holds(segments, IccSegment()));
    // JFIF, which must come first, is the new stream's own.
    EXPECT_EQ(segments.front().substr(4, 5), std::string("JFIF\0", 5));
    EXPECT_EQ(std::count_if(segments.begin(), segments.end(),
                            [](const std::string &s) { return s[1] == '\xE0'; }),
              1);

    const std::string cut = *ReadFileBytes(source);
    EXPECT_FALSE(
        ResizeJpeg(Write("cut.jpg", cut.substr(0, cut.size() / 2)), {64, 48, 70, false}).ok);
}

} // namespace
} // namespace pagoranto

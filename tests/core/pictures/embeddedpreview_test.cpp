#include "core/pictures/embeddedpreview.h"
#include "core/pictures/exiforientation.h"
#include "core/pictures/resample.h"
#include "core/pictures/thumbnailtile.h"
#include "tests/support/exifpictures.h"
#include "tests/support/scratchdirectory.h"
#include "tests/support/testpictures.h"

#include <fstream>
#include <gtest/gtest.h>

namespace pagoranto {
namespace {

using testing::ExifSegment;
using testing::GradientPicture;
using testing::WithSegments;

std::string Jpeg(const RgbImage &image)
{
    return testing::EncodePicture(image, {}).jpeg;
}

// A photo whose preview shows a different colour, so a tile tells where it came from.
constexpr std::array<std::uint8_t, 3> photoColour{200, 30, 30};
constexpr std::array<std::uint8_t, 3> previewColour{30, 30, 200};

class TilePictureSource : public ::testing::Test {
protected:
    std::filesystem::path Write(const std::string &bytes)
    {
        const std::filesystem::path file = m_scratch.path() / "photo.jpg";
        std::ofstream(file, std::ios::binary) << bytes;
        return file;
    }
    std::filesystem::path PhotoWithPreview(int width, int height, const std::string &preview,
                                           int orientation = 1)
    {
        return Write(
            WithSegments(Jpeg(testing::FlatPicture(width, height, photoColour)),
                         {ExifSegment({.orientation = orientation, .thumbnail = preview})}));
    }
    static std::string Preview(int width, int height)
    {
        return Jpeg(testing::FlatPicture(width, height, previewColour));
    }
    // The blue channel of the tile's centre: high from the preview, low from the photo.
    static bool CameFromPreview(const TilePicture &picture)
    {
        EXPECT_TRUE(picture.decoded.image);
        if (!picture.decoded.image)
            return false;
        const RgbImage &image = *picture.decoded.image;
        const std::size_t centre =
            (std::size_t(image.height / 2) * image.width + image.width / 2) * 3;
        const bool blue = image.rgb[centre + 2] > 128;
        EXPECT_EQ(blue, picture.fromEmbeddedPreview);
        return blue;
    }

    testing::ScratchDirectory m_scratch;
};

TEST_F(TilePictureSource, UsesAPreviewOfThePhotosShapeAndEnoughSize)
{
    const TilePicture picture = ReadTilePicture(PhotoWithPreview(640, 480, Preview(160, 120)));
    EXPECT_TRUE(CameFromPreview(picture));
    EXPECT_EQ(picture.decoded.image->width, 160);
    EXPECT_EQ(picture.photoSize, (PixelSize{640, 480}));
}

TEST_F(TilePictureSource, AcceptsAPreviewRoundedToTheNearestPixel)
{
    // 3:2 at 160 wide is 106.7 high.
    EXPECT_TRUE(CameFromPreview(ReadTilePicture(PhotoWithPreview(600, 400, Preview(160, 107)))));
}

TEST_F(TilePictureSource, DecodesThePhotoWhenThePreviewCannotStandIn)
{
    struct Case {
        const char *why;
        std::string photo;
    };
    const std::string photo = Jpeg(testing::FlatPicture(640, 480, photoColour));
    const auto withPreview = [&](const std::string &preview) {
        return WithSegments(photo, {ExifSegment({.thumbnail = preview})});
    };
    std::string cutPreview = Preview(160, 120);
    cutPreview.resize(cutPreview.size() / 2);
    const Case cases[] = {
        {"no EXIF block", photo},
        {"EXIF without a preview", WithSegments(photo, {ExifSegment({.orientation = 1})})},
        {"preview smaller than the tile", withPreview(Preview(32, 24))},
        {"letterboxed preview of another shape", withPreview(Preview(160, 90))},
        {"preview of the turned shape", withPreview(Preview(120, 160))},
        {"preview that is no picture", withPreview(testing::DamagedJpeg())},
        {"preview cut off", withPreview(cutPreview)},
        {"preview larger than the photo", withPreview(Preview(800, 600))},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.why);
        const TilePicture picture = ReadTilePicture(Write(c.photo));
        EXPECT_FALSE(CameFromPreview(picture));
        EXPECT_EQ(picture.decoded.image->width, 80);
    }
}

TEST_F(TilePictureSource, APhotoCutOffAfterItsHeaderIsDecodedSoItsDamageShows)
{
    std::string photo = WithSegments(Jpeg(testing::NoisePicture(640, 480)),
                                     {ExifSegment({.thumbnail = Preview(160, 120)})});
    photo.resize(photo.size() * 2 / 3);
    const TilePicture picture = ReadTilePicture(Write(photo));
    EXPECT_FALSE(picture.fromEmbeddedPreview);
    EXPECT_FALSE(picture.decoded.warning.empty());
}

TEST_F(TilePictureSource, AnUnreadablePhotoStaysUnreadable)
{
    const TilePicture picture = ReadTilePicture(Write(testing::DamagedJpeg()));
    EXPECT_FALSE(picture.decoded.image);
    EXPECT_FALSE(picture.photoSize);
}

// The tile from the preview against the tile from the photo's own decode, pixel by pixel.
void ExpectTilesAlike(const RgbImage &fromPreview, const RgbImage &fromDecode)
{
    ASSERT_EQ(fromPreview.rgb.size(), fromDecode.rgb.size());
    int worst = 0;
    for (int y = 0; y < thumbnailTileHeight; ++y)
        for (int x = 0; x < thumbnailTileWidth; ++x)
            worst = std::max(worst, testing::ChannelDistance(fromPreview, fromDecode, x, y));
    // Sampling differences of a smooth gradient; a turned or misplaced tile differs by far more.
    EXPECT_LE(worst, 24);
}

class TurnedPreview : public TilePictureSource, public ::testing::WithParamInterface<int> {};

TEST_P(TurnedPreview, LooksLikeTheTileOfTheDecodedPhoto)
{
    const int orientation = GetParam();
    const RgbImage stored = GradientPicture(640, 480);
    const std::filesystem::path file = Write(
        WithSegments(Jpeg(stored), {ExifSegment({.orientation = orientation,
                                                 .thumbnail = Jpeg(Resample(stored, 160, 120))})}));
    const TilePicture picture = ReadTilePicture(file);
    ASSERT_TRUE(picture.fromEmbeddedPreview);
    const PixelSize shown = DisplayedSize({640, 480}, orientation);
    EXPECT_EQ(picture.photoSize, shown);
    const JpegDecodeResult decoded = DecodeDisplayedJpegFile(file, JpegScale::eighth);
    ASSERT_TRUE(decoded.image);
    ExpectTilesAlike(DrawTileFromPreview(*picture.decoded.image, shown), DrawTile(*decoded.image));
}

INSTANTIATE_TEST_SUITE_P(Orientations, TurnedPreview, ::testing::Values(1, 3, 6, 8));

TEST(TileFromPreview, TakesTheGeometryOfTheOneEighthDecode)
{
    EXPECT_EQ(EighthSize({4000, 3000}), (PixelSize{500, 375}));
    EXPECT_EQ(EighthSize({401, 300}), (PixelSize{51, 38}));
    // A 300 x 400 portrait: its tile rectangle is 28 x 37 from the left edge 11.
    const RgbImage tile =
        DrawTileFromPreview(testing::FlatPicture(120, 160, {255, 255, 255}), PixelSize{300, 400});
    const auto at = [&](int x, int y) { return tile.rgb[(std::size_t(y) * tile.width + x) * 3]; };
    EXPECT_EQ(at(10, 18), 0);
    EXPECT_EQ(at(11, 18), 255);
    EXPECT_EQ(at(38, 18), 255);
    EXPECT_EQ(at(39, 18), 0);
}

} // namespace
} // namespace pagoranto

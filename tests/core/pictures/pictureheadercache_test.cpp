#include "core/pictures/exiforientation.h"
#include "core/pictures/jpegdecoder.h"
#include "core/pictures/jpegsize.h"
#include "core/pictures/pictureheadercache.h"
#include "tests/support/gtesthelpers.h"
#include "tests/support/testpictures.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace pagoranto {
namespace {

using testing::RedOverBluePicture;
using testing::WithExifOrientation;

class PictureHeaderCacheTest : public testing::ScratchDirectoryTest {};

TEST_F(PictureHeaderCacheTest, AnswersAsTheReadersDo)
{
    const std::string jpeg = testing::MakeJpeg(RedOverBluePicture(64, 32));
    const std::string turned = Write("turned.jpg", WithExifOrientation(jpeg, 6)).string();
    const std::string plain = Write("plain.jpg", jpeg).string();
    const std::string damaged = Write("damaged.jpg", testing::DamagedJpeg()).string();
    const std::string text = Write("text.jpg", "no picture").string();
    const std::string missing = (m_dir / "missing.jpg").string();

    PictureHeaderCache cache;
    for (const std::string &path : {turned, plain, damaged, text, missing}) {
        SCOPED_TRACE(path);
        // Twice: the remembered answer must be the one read.
        for (int pass = 0; pass < 2; ++pass) {
            EXPECT_EQ(cache.PictureSize(path), ReadPictureSize(path));
            EXPECT_EQ(cache.DisplayedPictureSize(path), ReadDisplayedPictureSize(path));
            EXPECT_EQ(cache.JpegSize(path), ReadJpegSize(path));
            EXPECT_EQ(cache.ExifOrientation(path), ReadExifOrientation(path));
        }
    }
    EXPECT_EQ(cache.DisplayedPictureSize(turned), (PixelSize{32, 64}));
}

TEST_F(PictureHeaderCacheTest, EachHeaderIsReadOncePerRun)
{
    const std::string path =
        Write("a.jpg", WithExifOrientation(testing::MakeJpeg(RedOverBluePicture(40, 30)), 8))
            .string();
    PictureHeaderCache cache;
    ASSERT_EQ(cache.DisplayedPictureSize(path), (PixelSize{30, 40}));
    ASSERT_EQ(cache.JpegSize(path), (PixelSize{40, 30}));
    std::filesystem::remove(path);
    EXPECT_EQ(cache.DisplayedPictureSize(path), (PixelSize{30, 40}));
    EXPECT_EQ(cache.PictureSize(path), (PixelSize{40, 30}));
    EXPECT_EQ(cache.JpegSize(path), (PixelSize{40, 30}));
    EXPECT_EQ(cache.ExifOrientation(path), 8);
    // A new cache is a new run.
    EXPECT_EQ(PictureHeaderCache().PictureSize(path), std::nullopt);
}

} // namespace
} // namespace pagoranto

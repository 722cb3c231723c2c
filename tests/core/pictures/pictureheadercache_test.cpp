#include "core/pictures/exiforientation.h"
#include "core/pictures/jpegdecoder.h"
#include "core/pictures/jpegsize.h"
#include "core/pictures/pictureheadercache.h"
#include "tests/support/gtesthelpers.h"
#include "tests/support/testpictures.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

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
            EXPECT_EQ(cache.JpegComment(path), ReadJpegComment(path));
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

std::string Segment(char marker, const std::string &payload)
{
    const std::size_t length = payload.size() + 2;
    return std::string("\xFF", 1) + marker + char(length >> 8) + char(length & 0xFF) + payload;
}

// After the start of image: what a camera or an editor puts before the picture's own headers.
std::string WithSegments(const std::string &jpeg, const std::string &segments)
{
    return jpeg.substr(0, 2) + segments + jpeg.substr(2);
}

TEST_F(PictureHeaderCacheTest, LongHeadersCutFilesAndOddTagsAnswerAsTheReadersDo)
{
    const std::string jpeg = testing::MakeJpeg(RedOverBluePicture(48, 24));
    const std::string exif = WithExifOrientation(jpeg, 6).substr(2, 36);
    // Over 100 kB of profile before the EXIF: beyond the first and the second piece read.
    const std::string profile =
        Segment('\xE2', std::string(60'000, 'p')) + Segment('\xE2', std::string(50'000, 'q'));
    const std::string xmp = Segment('\xE1', "http://ns.adobe.com/xap/1.0/\0<x/>");
    std::string asLong = WithExifOrientation(jpeg, 0);
    asLong[2 + 4 + 6 + 10 + 3] = 4; // the tag's format: LONG
    asLong.replace(2 + 4 + 6 + 10 + 8, 4, std::string("\0\0\0\x08", 4));

    const std::string longHead =
        Write("long.jpg", WithSegments(jpeg, profile + exif + Segment('\xFE', "said"))).string();
    const std::string xmpFirst = Write("xmp.jpg", WithSegments(jpeg, xmp + exif)).string();
    const std::string longTag = Write("long-tag.jpg", asLong).string();
    const std::string whole = WithSegments(jpeg, profile + exif);
    const std::string cutInProfile = Write("cut1.jpg", whole.substr(0, 70'000)).string();
    const std::size_t scan = whole.find("\xFF\xDA");
    const std::string cutBeforeScan = Write("cut2.jpg", whole.substr(0, scan)).string();

    PictureHeaderCache cache;
    for (const std::string &path : {longHead, xmpFirst, longTag, cutInProfile, cutBeforeScan}) {
        SCOPED_TRACE(path);
        EXPECT_EQ(cache.PictureSize(path), ReadPictureSize(path));
        EXPECT_EQ(cache.DisplayedPictureSize(path), ReadDisplayedPictureSize(path));
        EXPECT_EQ(cache.JpegSize(path), ReadJpegSize(path));
        EXPECT_EQ(cache.ExifOrientation(path), ReadExifOrientation(path));
        EXPECT_EQ(cache.JpegComment(path), ReadJpegComment(path));
        EXPECT_EQ(cache.Facts(path)->bytes, std::filesystem::file_size(path));
    }
    EXPECT_EQ(cache.DisplayedPictureSize(longHead), (PixelSize{24, 48}));
    EXPECT_EQ(cache.JpegComment(longHead), "said");
    EXPECT_EQ(cache.ExifOrientation(xmpFirst), 6);
    EXPECT_EQ(cache.ExifOrientation(longTag), 8);
    EXPECT_EQ(cache.PictureSize(cutInProfile), std::nullopt);
    EXPECT_EQ(cache.PictureSize(cutBeforeScan), std::nullopt) << "the decoder wants its scan";
    EXPECT_EQ(cache.JpegSize(cutBeforeScan), (PixelSize{48, 24}));
    EXPECT_EQ(cache.ExifOrientation(cutBeforeScan), 6);
}

TEST_F(PictureHeaderCacheTest, AHeaderOfMegabytesIsReadToItsEnd)
{
    // Twenty profile segments of 60 kB: past the megabyte of the header that is kept.
    std::string segments = WithExifOrientation("\xFF\xD8", 8).substr(2);
    for (int i = 0; i < 20; ++i)
        segments += Segment('\xE2', std::string(60'000, char('a' + i)));
    const std::string path =
        Write("big.jpg", WithSegments(testing::MakeJpeg(RedOverBluePicture(30, 20)), segments))
            .string();
    PictureHeaderCache cache;
    EXPECT_EQ(cache.PictureSize(path), (PixelSize{30, 20}));
    EXPECT_EQ(cache.DisplayedPictureSize(path), (PixelSize{20, 30}));
    EXPECT_EQ(cache.JpegSize(path), (PixelSize{30, 20}));
    EXPECT_EQ(cache.Facts(path)->bytes, std::filesystem::file_size(path));
}

TEST_F(PictureHeaderCacheTest, ReadingAheadGivesWhatReadingOneByOneGives)
{
    std::vector<std::string> paths;
    for (int i = 0; i < 100; ++i) {
        const std::string jpeg = testing::MakeJpeg(RedOverBluePicture(16 + i, 8));
        const std::string name = "p" + std::to_string(i) + ".jpg";
        paths.push_back(
            Write(name, i % 3 == 0 ? WithExifOrientation(jpeg, 1 + i % 8) : jpeg).string());
    }
    paths.push_back((m_dir / "missing.jpg").string());
    paths.push_back(paths.front());
    PictureHeaderCache ahead;
    ahead.ReadAhead(paths);
    ahead.ReadAhead(paths);
    for (const std::string &path : paths)
        std::filesystem::remove(path);
    for (std::size_t i = 0; i < 100; ++i) {
        SCOPED_TRACE(paths[i]);
        const int orientation = i % 3 == 0 ? 1 + int(i) % 8 : 1;
        EXPECT_EQ(ahead.ExifOrientation(paths[i]), orientation);
        EXPECT_EQ(ahead.PictureSize(paths[i]), (PixelSize{16 + int(i), 8}));
        EXPECT_EQ(ahead.JpegComment(paths[i]), std::nullopt);
    }
    EXPECT_EQ(ahead.Facts(paths[100]), std::nullopt);
}

TEST_F(PictureHeaderCacheTest, AFifoOrAFolderIsNoPictureAndNeverWaitedOn)
{
    const std::filesystem::path fifo = m_dir / "fifo.jpg";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::filesystem::create_directory(m_dir / "folder.jpg");
    PictureHeaderCache cache;
    for (const std::filesystem::path &path : {fifo, m_dir / "folder.jpg"}) {
        EXPECT_EQ(cache.Facts(path.string()), std::nullopt);
        EXPECT_EQ(cache.PictureSize(path.string()), std::nullopt);
        EXPECT_EQ(ReadJpegHead(path), std::nullopt);
    }
}

} // namespace
} // namespace pagoranto

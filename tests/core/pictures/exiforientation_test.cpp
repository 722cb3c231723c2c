#include "core/pictures/exiforientation.h"
#include "tests/support/gtesthelpers.h"
#include "tests/support/testpictures.h"

#include <array>
#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <vector>

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

// An EXIF block of big-endian TIFF data: each directory a list of (tag, format, count, value).
std::string ExifBlock(const std::vector<std::vector<std::array<std::uint32_t, 4>>> &directories)
{
    const auto put = [](std::string &out, std::uint32_t value, int bytes) {
        for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8)
            out += char(value >> shift & 0xFF);
    };
    std::string tiff = "MM";
    put(tiff, 42, 2);
    put(tiff, 8, 4);
    for (std::size_t d = 0; d < directories.size(); ++d) {
        put(tiff, std::uint32_t(directories[d].size()), 2);
        for (const auto &[tag, format, count, value] : directories[d]) {
            put(tiff, tag, 2);
            put(tiff, format, 2);
            put(tiff, count, 4);
            put(tiff, value, 4);
        }
        const bool last = d + 1 == directories.size();
        put(tiff, last ? 0 : std::uint32_t(tiff.size() + 4), 4);
    }
    return std::string("Exif\0\0", 6) + tiff;
}

std::string JpegStartWith(const std::string &exif)
{
    const std::size_t length = exif.size() + 2;
    return std::string("\xFF\xD8\xFF\xE1", 4) + char(length >> 8) + char(length & 0xFF) + exif;
}

TEST(ExifOrientationOf, TheFirstDirectoryIsReadAsLibexifReadsIt)
{
    constexpr std::uint32_t orientationTag = 0x0112, make = 0x010F, shortFormat = 3;
    const struct {
        const char *what;
        std::vector<std::vector<std::array<std::uint32_t, 4>>> directories;
        int orientation;
    } cases[] = {
        {"short", {{{make, 2, 4, 0}, {orientationTag, shortFormat, 1, 6u << 16}}}, 6},
        {"long", {{{orientationTag, 4, 1, 8}}}, 8},
        {"unloadable, then loadable",
         {{{orientationTag, 0, 1, 0}, {orientationTag, 3, 1, 3u << 16}}},
         3},
        {"out of range", {{{orientationTag, shortFormat, 1, 9u << 16}}}, 1},
        {"another format", {{{orientationTag, 1, 1, 6u << 24}}}, 1},
        {"only in the second directory",
         {{{make, 2, 4, 0}}, {{orientationTag, 3, 1, 5u << 16}}},
         5},
        {"none", {{{make, 2, 4, 0}}}, 1},
        {"after a thumbnail pointer past the block",
         {{{0x0201, 4, 1, 0x10000}, {orientationTag, shortFormat, 1, 6u << 16}}},
         1},
        {"after a sub-directory pointer past the block",
         {{{0x8769, 4, 1, 0x10000}, {orientationTag, shortFormat, 1, 6u << 16}}},
         1},
        {"before a pointer past the block",
         {{{orientationTag, shortFormat, 1, 6u << 16}, {0x8825, 4, 1, 0x10000}}},
         6},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const std::string exif = ExifBlock(c.directories);
        EXPECT_EQ(ExifOrientationOf(JpegStartWith(exif)), c.orientation);
        EXPECT_EQ(ExifOrientationByLibexif(exif), c.orientation);
    }
}

TEST(ExifOrientationOf, ADirectoryRunningPastItsBlockIsReadAsLibexifReadsIt)
{
    // Found by fuzzing: 257 entries claimed in 415 bytes, a thumbnail pointer far past the end
    // (where libexif stops) and an orientation of 6 after it.
    const std::string hex =
        "4d4d002a0000000801011100ffc4001f0000010501010101010100000000000000000102030405060708090a0b"
        "ffc400b510000201032703020403050504040000aadaad8a8cc8ffcbdaeef5ffffff9bc1fffffffaffe6fdfff8"
        "ffc0000b080008000801011100ffc4001f0000010501010101010100000000000000000102030405060708090a"
        "0bffc400b5100002010303020403050504040000017d010203000411051201fd01020300041105122131410613"
        "516107227114328191a1082342b1c11552d1f017180101120003000000010006000000000000ffe000104a4649"
        "4600010100000100010000ffdb004300281c1e23ffffffffffffffffffffffffffffffffffffffffffffffffff"
        "ffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffff"
        "ffffffffffffffffff1e19282321232d2b28313c64413c37373c7b585d4964918099968f808c8aa0b4e6c3a0aa"
        "daad8a8cc8ffcbdaeef5ffffff9bc1fffffffaffe6fdfff8000000000000000000000000000000000000000045"
        "78696600000000000000";
    std::string tiff;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        tiff += char(std::stoi(hex.substr(i, 2), nullptr, 16));
    ASSERT_EQ(tiff.size(), 415u);
    const std::string exif = std::string("Exif\0\0", 6) + tiff;
    EXPECT_EQ(ExifOrientationOf(JpegStartWith(exif)), ExifOrientationByLibexif(exif));
}

} // namespace
} // namespace pagoranto

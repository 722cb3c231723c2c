// Runs pagoranto-batch --copy-to on pictures the tests make.
#include "batch/copyarguments.h"
#include "core/pictures/jpegdecoder.h"
#include "tests/support/exifpictures.h"
#include "tests/support/gtesthelpers.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace pagoranto {
namespace {

using namespace pagoranto::testing;
namespace fs = std::filesystem;

class CopyModeTest : public ScratchDirectoryTest {
protected:
    void SetUp() override
    {
        ScratchDirectoryTest::SetUp();
        fs::create_directories(file("pics"));
        fs::create_directories(file("copies"));
        Write("pics/wide.jpg", MakeJpeg(GradientPicture(300, 200)));
        Write("pics/Tall.JPG", MakeJpeg(GradientPicture(200, 300)));
        Write("pics/notes.txt", "not a picture");
    }
    int Run(const std::string &arguments, std::string *out = nullptr)
    {
        const std::string command = std::string("'") + PAGORANTO_BATCH + "' --pictures '" +
                                    file("pics").string() + "' --copy-to '" +
                                    file("copies").string() + "' " + arguments + " 2>'" +
                                    file("stderr.txt").string() + "'";
        std::string output;
        int status = -1;
        if (FILE *pipe = ::popen(command.c_str(), "r")) {
            char buffer[4096];
            std::size_t read;
            while ((read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
                output.append(buffer, read);
            const int raw = ::pclose(pipe);
            status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        }
        if (out)
            *out = output;
        return status;
    }
};

TEST_F(CopyModeTest, ResizesNumbersAndKeepsExistingCopies)
{
    std::string out;
    ASSERT_EQ(Run("--resize 100x100 --quality 50 --name text-number:NEW_ --start-number 7 "
                  "--number-length 3 --case lower --jobs 2",
                  &out),
              0);
    // Pictures are taken in alphabetical order: Tall.JPG, then wide.jpg.
    EXPECT_EQ(ReadPictureSize(file("copies/new_007.jpg")), (PixelSize{67, 100}));
    EXPECT_EQ(ReadPictureSize(file("copies/new_008.jpg")), (PixelSize{100, 67}));
    EXPECT_EQ(out, file("copies/new_007.jpg").string() + "\n" +
                       file("copies/new_008.jpg").string() + "\n");

    writeBytes("copies/wide.jpg", "keep me");
    EXPECT_EQ(Run("--name original"), 0);
    EXPECT_EQ(readBytes("copies/wide.jpg"), "keep me");
    EXPECT_EQ(ReadPictureSize(file("copies/Tall.jpg")), (PixelSize{200, 300}));
    EXPECT_EQ(Run("--overwrite --case upper --resize 30x30"), 0);
    EXPECT_EQ(ReadPictureSize(file("copies/WIDE.jpg")), (PixelSize{30, 20}));
}

TEST_F(CopyModeTest, RefusesBadCommandLinesAndReportsFailedCopies)
{
    for (const char *bad :
         {"--resize 0x10", "--resize 640", "--quality 101", "--name prefix:../x", "--name other:x",
          "--number-length 9", "--start-number 0", "--case title", "--template x.htm"})
        EXPECT_EQ(Run(bad), 2) << bad;
    fs::remove_all(file("copies"));
    EXPECT_EQ(Run(""), 2);
    fs::create_directories(file("copies"));
    Write("pics/broken.jpg", "");
    EXPECT_EQ(Run("--resize 64x48"), 3);
}

TEST_F(CopyModeTest, ClashingNamesAreNumberedReportedAndLeftAloneWhenThere)
{
    fs::remove(file("pics/Tall.JPG"));
    Write("pics/wide.JPG", WithSegments(MakeJpeg(GradientPicture(30, 20)),
                                        {ExifSegment({.orientation = 1, .gps = true})}));
    std::string out;
    EXPECT_EQ(Run("--jobs 2", &out), 5);
    const std::string errors = readBytes("stderr.txt");
    EXPECT_NE(errors.find(" copied as wide (2).jpg: an earlier picture's copy is wide.jpg"),
              std::string::npos)
        << errors;
    EXPECT_NE(out.find(file("copies/wide (2).jpg").string()), std::string::npos);
    // Which of the two comes first is the listing's business; each has its own copy.
    const bool smallFirst = ReadPictureSize(file("copies/wide.jpg")) == PixelSize{30, 20};
    EXPECT_EQ(ReadPictureSize(file(smallFirst ? "copies/wide (2).jpg" : "copies/wide.jpg")),
              (PixelSize{300, 200}));
    // The copy of the photo with a position keeps its camera but not the position.
    const std::string small = readBytes(smallFirst ? "copies/wide.jpg" : "copies/wide (2).jpg");
    const ReadExif exif(small);
    ASSERT_TRUE(exif);
    EXPECT_EQ(exif.GpsEntries(), 0u);
    EXPECT_EQ(exif.Text(EXIF_IFD_0, EXIF_TAG_MAKE), "Lumenta");

    // Copies that exist are left alone as ever, a numbered one too; the clash is still told.
    writeBytes("copies/wide (2).jpg", "keep me");
    EXPECT_EQ(Run(""), 5);
    EXPECT_EQ(readBytes("copies/wide (2).jpg"), "keep me");
    // A failure outweighs a clash.
    Write("pics/broken.jpg", "");
    EXPECT_EQ(Run("--resize 64x48"), 3);
}

TEST_F(CopyModeTest, RefusedSortingListEntriesAreNamedAndLeftOut)
{
    Write("pics/order.qvlist", "wide.jpg\r\n../../etc/passwd\r\n\r\n");
    std::string out;
    EXPECT_EQ(Run("--list '" + file("pics/order.qvlist").string() + "'", &out), 0);
    EXPECT_EQ(out, file("copies/wide.jpg").string() + "\n");
    EXPECT_NE(readBytes("stderr.txt").find("These entries are left out:\r../../etc/passwd"),
              std::string::npos)
        << readBytes("stderr.txt");
    EXPECT_EQ(Run("--list '" + file("pics/missing.qvlist").string() + "'"), 2);
}

TEST(CopyArguments, DefaultsAndTheCopyModeSwitch)
{
    EXPECT_FALSE(IsCopyCommandLine({"--pictures", "p", "--template", "t"}));
    ASSERT_TRUE(IsCopyCommandLine({"--pictures", "p", "--copy-to", "d"}));
    const ParsedCopyArguments parsed = ParseCopyArguments({"--pictures", "p", "--copy-to", "d"});
    ASSERT_TRUE(parsed.arguments) << parsed.error;
    EXPECT_FALSE(parsed.arguments->resize);
    EXPECT_EQ(parsed.arguments->naming.naming, CopyNaming::original);
    EXPECT_EQ(parsed.arguments->naming.numberLength, 4);
    EXPECT_EQ(parsed.arguments->startNumber, 1);
    const ParsedCopyArguments sized = ParseCopyArguments(
        {"--pictures", "p", "--copy-to", "d", "--resize", "800x600", "--progressive"});
    ASSERT_TRUE(sized.arguments && sized.arguments->resize);
    EXPECT_EQ(sized.arguments->resize->boxWidth, 800);
    EXPECT_EQ(sized.arguments->resize->quality, 70);
    EXPECT_TRUE(sized.arguments->resize->progressive);
}

} // namespace
} // namespace pagoranto

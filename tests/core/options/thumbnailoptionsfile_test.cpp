#include "core/options/thumbnailoptionsfile.h"
#include "core/text/linefile.h"
#include "tests/support/scratchdirectory.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace pagoranto {
namespace {

namespace fs = std::filesystem;

class ThumbnailOptionsFileTest : public ::testing::Test {
protected:
    ByteLines written(const ThumbnailerFile &values)
    {
        EXPECT_TRUE(WriteThumbnailerOptions(file, values));
        return ReadLineFile(file).value_or(ByteLines{});
    }
    ThumbnailerFile readLines(const ByteLines &lines)
    {
        EXPECT_TRUE(WriteLineFile(file, lines));
        ThumbnailerFile values;
        EXPECT_TRUE(ReadThumbnailerOptions(file, values));
        return values;
    }
    static ByteLines defaultLines()
    {
        return {"[PAGORANTOTHUMBNAILER]",
                "SDIR=/home/a/gallery/",
                "PDIR=pics",
                "DDIR=thumbnails/",
                "WIDT=040",
                "HEIG=030",
                "COMP=070",
                "COLO=8388608",
                "GREY=0",
                "TIME=100",
                "ACTI=1",
                "DIBB=5",
                "DIBH=5",
                "ECOL=16777088",
                "GRAD=0",
                "DDDR=0",
                "BORD=0"};
    }

    testing::ScratchDirectory scratch;
    const fs::path dir = scratch.path();
    const fs::path file = dir / "mtoptions.cfg";
};

TEST_F(ThumbnailOptionsFileTest, DefaultsAreWrittenInFileOrderWithPadding)
{
    ThumbnailerFile values;
    values.destinationDir = "/home/a/gallery/";
    values.pictureRelPath = "pics";
    EXPECT_EQ(written(values), defaultLines());
    EXPECT_EQ(ReadFileBytes(file)->substr(0, 24), "[PAGORANTOTHUMBNAILER]\r\n");
}

TEST_F(ThumbnailOptionsFileTest, NumbersArePaddedToThreeDigits)
{
    ThumbnailerFile values;
    values.options.ScrollBar2 = 320;
    values.options.ScrollBar3 = 15;
    values.options.ScrollBar1 = 5;
    ByteLines lines = written(values);
    EXPECT_EQ(lines[4], "WIDT=320");
    EXPECT_EQ(lines[5], "HEIG=015");
    EXPECT_EQ(lines[6], "COMP=005");
    values.options.ScrollBar1 = 100;
    EXPECT_EQ(written(values)[6], "COMP=100");
}

TEST_F(ThumbnailOptionsFileTest, EveryFieldSurvivesWriteAndRead)
{
    ThumbnailerFile values;
    values.destinationDir = "/srv/pages/";
    values.pictureRelPath = "";
    ThumbnailOptions &o = values.options;
    o.ScrollBar2 = 160;
    o.ScrollBar3 = 120;
    o.ScrollBar1 = 85;
    o.CheckBox1 = true;
    o.Panel11 = 0x123456;
    o.Panel12 = 0xABCDEF;
    o.RadioGroup2 = 7;
    o.ScrollBar6 = 20;
    o.ScrollBar5 = 1;
    o.Drei3d_check = true;
    o.ScrollBar4 = 10;
    o.thumbdir = "tn-2024_a";
    EXPECT_EQ(written(values)[2], "PDIR=");

    ThumbnailerFile back;
    ASSERT_TRUE(ReadThumbnailerOptions(file, back));
    EXPECT_EQ(back.destinationDir, "/srv/pages/");
    EXPECT_EQ(back.pictureRelPath, "");
    const ThumbnailOptions &b = back.options;
    EXPECT_EQ(b.ScrollBar2, 160);
    EXPECT_EQ(b.ScrollBar3, 120);
    EXPECT_EQ(b.ScrollBar1, 85);
    EXPECT_TRUE(b.CheckBox1);
    EXPECT_EQ(b.Panel11, 0x123456u);
    EXPECT_EQ(b.Panel12, 0xABCDEFu);
    EXPECT_EQ(b.RadioGroup2, 7);
    EXPECT_EQ(b.ScrollBar6, 20);
    EXPECT_EQ(b.ScrollBar5, 1);
    EXPECT_TRUE(b.Drei3d_check);
    EXPECT_EQ(b.ScrollBar4, 10);
    EXPECT_EQ(b.thumbdir, "tn-2024_a");
}

TEST_F(ThumbnailOptionsFileTest, ThumbnailDirectoryName)
{
    struct Row {
        const char *name;
        const char *ddir;
        const char *thumbdir;
    };
    const Row rows[] = {
        {"WindowsBackslashIsRemoved", "DDIR=small\\", "small"},
        {"SlashIsRemoved", "DDIR=small/", "small"},
        {"NoTrailingSeparatorTakenWhole", "DDIR=small", "small"},
        {"OnlyOneSeparatorRemovedOthersDropped", "DDIR=a b!.c\\\\", "abc"},
        {"ParentDirectoryCannotBeReached", "DDIR=../../etc/", "etc"},
        {"NothingLeftIsNoFolder", "DDIR=..\\", ""},
        {"EmptyIsNoFolder", "DDIR=", ""},
        {"CutAtFortyCharacters", "DDIR=0123456789012345678901234567890123456789xyz\\",
         "0123456789012345678901234567890123456789"},
    };
    for (const Row &row : rows) {
        ByteLines lines = defaultLines();
        lines[3] = row.ddir;
        EXPECT_EQ(readLines(lines).options.thumbdir, row.thumbdir) << row.name;
    }
}

TEST_F(ThumbnailOptionsFileTest, ValuesAreClampedToTheirControls)
{
    ByteLines lines = defaultLines();
    lines[4] = "WIDT=999";
    lines[5] = "HEIG=001";
    lines[6] = "COMP=000";
    lines[7] = "COLO=99999999999";
    lines[11] = "DIBB=21";
    lines[12] = "DIBH=x";
    lines[14] = "GRAD=8";
    lines[16] = "BORD=11";
    const ThumbnailOptions o = readLines(lines).options;
    EXPECT_EQ(o.ScrollBar2, 320);
    EXPECT_EQ(o.ScrollBar3, 15);
    EXPECT_EQ(o.ScrollBar1, 1);
    EXPECT_EQ(o.Panel11, 0xFFFFFFu);
    EXPECT_EQ(o.ScrollBar6, 20);
    EXPECT_EQ(o.ScrollBar5, 5); // not a number: kept
    EXPECT_EQ(o.RadioGroup2, 7);
    EXPECT_EQ(o.ScrollBar4, 10);
}

TEST_F(ThumbnailOptionsFileTest, FlagsAreSetOnlyByOne)
{
    for (const char *grey : {"GREY=0", "GREY=2", "GREY=", "GREY=11", "GREY=yes"}) {
        ByteLines lines = defaultLines();
        lines[8] = grey;
        ThumbnailerFile values;
        values.options.CheckBox1 = true;
        EXPECT_TRUE(WriteLineFile(file, lines));
        ASSERT_TRUE(ReadThumbnailerOptions(file, values));
        EXPECT_FALSE(values.options.CheckBox1) << grey;
    }
    ByteLines lines = defaultLines();
    lines[8] = "GREY=1";
    lines[15] = "DDDR=1";
    const ThumbnailOptions o = readLines(lines).options;
    EXPECT_TRUE(o.CheckBox1);
    EXPECT_TRUE(o.Drei3d_check);
}

TEST_F(ThumbnailOptionsFileTest, MisplacedLineIgnoresTheEntriesAfterIt)
{
    ByteLines lines = defaultLines();
    lines[4] = "WIDT=100";
    lines[12] = "DIBH=9";
    lines.erase(lines.begin() + 2); // PDIR gone: every later entry stands one line early
    const ThumbnailerFile values = readLines(lines);
    EXPECT_EQ(values.options.ScrollBar2, 40);
    EXPECT_EQ(values.options.ScrollBar5, 5);
    EXPECT_EQ(values.options.thumbdir, "thumbnails");
}

TEST_F(ThumbnailOptionsFileTest, ForeignSectionReadsFromTheSecondLineAsTimeActiAndDibb)
{
    // A file of our own shape under another section line gives nothing ...
    ByteLines own = defaultLines();
    own[0] = "[OTHER]";
    own[11] = "DIBB=9";
    own[4] = "WIDT=100";
    ThumbnailerFile values = readLines(own);
    EXPECT_EQ(values.options.ScrollBar6, 5);
    EXPECT_EQ(values.options.ScrollBar2, 40);

    // ... while DIBB and the keys after it are taken from lines 4 on.
    const ByteLines shifted = {"whatever", "TIME=100", "ACTI=1", "DIBB=12", "DIBH=3",
                               "ECOL=255", "GRAD=4",   "DDDR=1", "BORD=2"};
    values = readLines(shifted);
    EXPECT_EQ(values.options.ScrollBar6, 12);
    EXPECT_EQ(values.options.ScrollBar5, 3);
    EXPECT_EQ(values.options.Panel12, 255u);
    EXPECT_EQ(values.options.RadioGroup2, 4);
    EXPECT_TRUE(values.options.Drei3d_check);
    EXPECT_EQ(values.options.ScrollBar4, 2);
    EXPECT_EQ(values.destinationDir, "");
}

TEST_F(ThumbnailOptionsFileTest, MissingFileChangesNothing)
{
    ThumbnailerFile values;
    values.options.ScrollBar2 = 99;
    EXPECT_FALSE(ReadThumbnailerOptions(dir / "none.cfg", values));
    EXPECT_EQ(values.options.ScrollBar2, 99);
}

} // namespace
} // namespace pagoranto

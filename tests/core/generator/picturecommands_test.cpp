#include "core/generator/picturecommands.h"
#include "core/generator/picturefacts.h"
#include "core/pictures/descriptionstore.h"
#include "core/text/filenames.h"
#include "core/text/linefile.h"
#include "tests/support/scratchdirectory.h"
#include "tests/support/testpictures.h"

#include <gtest/gtest.h>

namespace pagoranto {
namespace {

class PictureCommandsTest : public ::testing::Test {
protected:
    std::string Replace(std::string_view searched)
    {
        const PictureCommandContext context{picture, relPath, hidden, links};
        return PictureCommandReplacement(searched, context).value_or("<none>");
    }

    PagePicture picture{"abc.jpg", 3, "", "", PixelSize{800, 600}, 800, 600};
    std::string relPath;
    HiddenOptions hidden;
    LinkTexts links;
};

TEST_F(PictureCommandsTest, EveryPictureTagVariant)
{
    struct Row {
        const char *name;
        int alternative;
        bool special;
        int linkTarget;
        const char *expected;
    };
    const Row rows[] = {
        {"FileNamePlain", 0, false, 0,
         "<img SRC=\"pics/abc.jpg\" ALT=\"abc.jpg\" NOSAVE height=600 width=800>"},
        {"FileNameLinkToPicture", 0, true, 0,
         "<a href=\"pics/abc.jpg\"><img SRC=\"pics/abc.jpg\" ALT=\"abc.jpg\" NOSAVE BORDER=0 "
         "height=600 width=800></a>"},
        {"FileNameLinkToAddress", 0, true, 1,
         "<a href=\"http://x.example/?a=1&b\"><img SRC=\"pics/abc.jpg\" ALT=\"abc.jpg\" NOSAVE "
         "BORDER=0 height=600 width=800></a>"},
        {"OwnTextPlain", 1, false, 0,
         "<img SRC=\"pics/abc.jpg\" ALT=\"&amp;copy; &lt;me&gt;\" NOSAVE BORDER=0 height=600 "
         "width=800>"},
        {"OwnTextLinkToPicture", 1, true, 0,
         "<a href=\"pics/abc.jpg\"><img SRC=\"pics/abc.jpg\" ALT=\"&amp;copy; &lt;me&gt;\" NOSAVE "
         "BORDER=0 height=600 width=800></a>"},
        {"OwnTextLinkToAddress", 1, true, 1,
         "<a href=\"http://x.example/?a=1&b\"><img SRC=\"pics/abc.jpg\" ALT=\"&amp;copy; "
         "&lt;me&gt;\" "
         "NOSAVE BORDER=0 height=600 width=800></a>"},
    };
    relPath = "pics/";
    hidden.alternativePPIICCtext = "&copy; <me>";
    hidden.Edit2 = "http://x.example/?a=1&b";
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        hidden.radioPICalternative = row.alternative;
        hidden.picspecial = row.special;
        hidden.RadioGroup1 = row.linkTarget;
        EXPECT_EQ(Replace("$PIC$"), row.expected);
    }
}

TEST_F(PictureCommandsTest, FileNamesStayUnescapedInTheTagButNeverBreakIt)
{
    hidden.radioPICalternative = 0;
    picture.currentPicture = "R&D \"best\".jpg";
    relPath = "..\\up/";
    EXPECT_EQ(Replace("$PIC$"),
              "<img SRC=\"../up/R&D %22best%22.jpg\" ALT=\"R&D &quot;best&quot;.jpg\" "
              "NOSAVE height=600 width=800>");
    EXPECT_EQ(Replace("$FILENAME$"), "R&amp;D &quot;best&quot;.jpg");
}

TEST_F(PictureCommandsTest, HeadMarkersAndHomeLink)
{
    hidden.hpagetitle = "a < b $count$";
    hidden.hcomment = "made by \xE4";
    hidden.hkeywords = "x,y";
    hidden.hauthor = "Me & you";
    links.homepage_label = "../index.html";
    links.homepage_label_text = "Back <home>";
    EXPECT_EQ(Replace("<!--title-->"), "<title>a &lt; b $count$</title>");
    EXPECT_EQ(Replace("<!--comment-->"), "<!--made by &auml;-->");
    EXPECT_EQ(Replace("<!--metakeywords-->"), "<meta name=\"Keywords\" content=\"x,y\">");
    EXPECT_EQ(Replace("<!--metaauthor-->"), "<meta name=\"Author\" content=\"Me &amp; you\">");
    EXPECT_EQ(Replace("$home$"), "<a href=\"../index.html\">Back &lt;home&gt;</A>");
    EXPECT_EQ(Replace("$SH$"), "<a href=\"../index.html\">");
    EXPECT_EQ(Replace("$EH$"), "</a>");
    EXPECT_EQ(Replace("$NAVIGATE$"), "<none>");
}

TEST_F(PictureCommandsTest, PictureFacts)
{
    picture.currentPicture = "Holiday.Beach.JPG";
    picture.currentPictureSizeKb = 1;
    picture.pictureComment = "one<br>two";
    picture.pictureCommentFirstLine = "one";
    picture.picWidth = 100;
    picture.picHeight = 75;
    EXPECT_EQ(Replace("$FILENAMEWEU$"), "HOLIDAY.BEACH");
    EXPECT_EQ(Replace("$FILENAMEWED$"), "holiday.beach");
    EXPECT_EQ(Replace("$FILENAMEWE$"), "Holiday.Beach");
    EXPECT_EQ(Replace("$FILENAME$"), "Holiday.Beach.JPG");
    EXPECT_EQ(Replace("$FILESIZE$"), "1kb");
    EXPECT_EQ(Replace("$DIMENSION$"), "800x600"); // its own size, not the fitted one
    EXPECT_EQ(Replace("$PCOMMENT$"), "one<br>two");
    EXPECT_EQ(Replace("$PCOMMENTFL$"), "one");
    picture.loadedSize.reset();
    EXPECT_EQ(Replace("$DIMENSION$"), "10x10");
}

TEST(PictureFacts, APhotoStoredTurnedIsSizedAsDisplayed)
{
    const testing::ScratchDirectory scratch;
    const std::filesystem::path &dir = scratch.path();
    const std::string jpeg = testing::EncodePicture(testing::RedOverBluePicture(64, 32)).jpeg;
    ASSERT_TRUE(WriteFileBytes(dir / "turned.jpg", testing::WithExifOrientation(jpeg, 6)));
    const PagePicture facts =
        PreparePictureFacts(dir.string() + "/", "turned.jpg", DescriptionStore{}, {});
    EXPECT_EQ(facts.loadedSize, (PixelSize{32, 64}));
    EXPECT_EQ(facts.picWidth, 32);
    EXPECT_EQ(facts.picHeight, 64);
}

TEST(NameWithoutExtension, CutsFolderAndExtensionAndChangesAsciiCaseOnly)
{
    EXPECT_EQ(NameWithoutExtension("C:\\pics\\Gr\xC3\xA4n.Jpg", NameCase::Upper), "GR\xC3\xA4N");
    EXPECT_EQ(NameWithoutExtension("dir/No Extension", NameCase::Lower), "no extension");
    EXPECT_EQ(NameWithoutExtension("a.b/c", NameCase::Keep), "c");
    EXPECT_EQ(NameWithoutExtension("\xC4rger.jpg", NameCase::Lower), "\xC4rger");
}

} // namespace
} // namespace pagoranto

#include "core/generator/findcommand.h"
#include "core/options/startupoptions.h"
#include "tests/support/gtesthelpers.h"

#include <gtest/gtest.h>
#include <string>

namespace pagoranto {
namespace {

namespace fs = std::filesystem;

// A program directory of the user's and an install directory with its shipped files.
class StartupOptionsTest : public testing::ScratchDirectoryTest {
protected:
    void SetUp() override
    {
        ScratchDirectoryTest::SetUp();
        fs::create_directories(file("user/thumbnailer"));
        fs::create_directories(file("install/defaults/thumbnailer"));
    }

    GallerySettings Read() const
    {
        GallerySettings settings;
        ReadStartupOptions(file("user").string() + "/", file("install").string() + "/", settings);
        return settings;
    }
};

TEST_F(StartupOptionsTest, ShippedFilesApplyWhereTheUserHasNone)
{
    writeLines("install/defaults/hcoptions.cfg", {"[HIDDENCOMMANDS]", "COMM=shipped", "AUTH=",
                                                  "KEYW=k", "PAGT=Photo $count$ of $total$"});
    writeLines(
        "install/defaults/thumbnailer/mtoptions.cfg",
        {"[PAGORANTOTHUMBNAILER]", "SDIR=", "PDIR=", "DDIR=thumbs/", "WIDT=160", "HEIG=120"});
    writeLines("install/defaults/startcontrols.cfg",
               {"[PAGORANTOSTARTCONTROLS]", "UDFF=1", "CRTH=1"});
    const GallerySettings settings = Read();
    EXPECT_EQ(settings.hidden.hcomment, "shipped");
    EXPECT_EQ(settings.hidden.hpagetitle, "Photo $count$ of $total$");
    EXPECT_EQ(settings.thumbnails.ScrollBar2, 160);
    EXPECT_EQ(settings.thumbnails.ScrollBar3, 120);
    EXPECT_EQ(settings.thumbnails.thumbdir, "thumbs");
    EXPECT_TRUE(settings.pageNames.usedifferentfirst);
    EXPECT_TRUE(settings.special.createthumbnails);
    // The keys after the last shipped line keep the program's own defaults.
    EXPECT_EQ(settings.hidden.htarget, GallerySettings{}.hidden.htarget);
    EXPECT_EQ(settings.thumbnails.ScrollBar1, GallerySettings{}.thumbnails.ScrollBar1);
    EXPECT_EQ(settings.thumbnails.Panel11, GallerySettings{}.thumbnails.Panel11);
}

TEST_F(StartupOptionsTest, TheUsersFileWinsEvenWhenItCannotBeUsed)
{
    writeLines("install/defaults/hcoptions.cfg",
               {"[HIDDENCOMMANDS]", "COMM=shipped", "AUTH=shipped"});
    writeLines("install/defaults/navoptions.cfg", {"[NAVIGATIONBAR]", "NFIR=shipped"});
    writeLines("install/defaults/startcontrols.cfg", {"[PAGORANTOSTARTCONTROLS]", "UDFF=1"});
    writeLines("user/hcoptions.cfg", {"[HIDDENCOMMANDS]", "COMM=mine"});
    writeLines("user/navoptions.cfg", {"[SOMETHINGELSE]", "NFIR=mine"});
    writeLines("user/startcontrols.cfg", {"[PAGORANTOSTARTCONTROLS]", "UDFF=0"});
    const GallerySettings settings = Read();
    EXPECT_EQ(settings.hidden.hcomment, "mine");
    EXPECT_EQ(settings.hidden.hauthor, GallerySettings{}.hidden.hauthor)
        << "a key missing from the user's file is not taken from the shipped one";
    EXPECT_EQ(settings.navigation.nav_edit_first, GallerySettings{}.navigation.nav_edit_first)
        << "a foreign file of the user's is refused, not replaced by the shipped one";
    EXPECT_FALSE(settings.pageNames.usedifferentfirst);
}

TEST_F(StartupOptionsTest, WithoutAnyFileTheProgramsOwnDefaultsHold)
{
    const GallerySettings settings = Read();
    const GallerySettings defaults;
    EXPECT_EQ(settings.pageNames.ownfilename, defaults.pageNames.ownfilename);
    EXPECT_FALSE(settings.pageNames.usedifferentfirst);
    EXPECT_FALSE(settings.special.createthumbnails);
    EXPECT_EQ(settings.thumbnails.ScrollBar2, defaults.thumbnails.ScrollBar2);
    EXPECT_EQ(settings.hidden.hpagetitle, defaults.hidden.hpagetitle);
}

TEST_F(StartupOptionsTest, StartControlsTakeOnlyOneOrZero)
{
    writeLines("install/defaults/startcontrols.cfg",
               {"[PAGORANTOSTARTCONTROLS]", "UDFF=yes", "CRTH=1"});
    GallerySettings settings;
    settings.pageNames.usedifferentfirst = true;
    ReadStartupOptions(file("user").string() + "/", file("install").string() + "/", settings);
    EXPECT_TRUE(settings.pageNames.usedifferentfirst) << "a value other than 1 or 0 is ignored";
    EXPECT_TRUE(settings.special.createthumbnails);
}

TEST_F(StartupOptionsTest, ALinkThatLeadsNowhereIsStillTheUsersFile)
{
    writeLines("install/defaults/hcoptions.cfg", {"[HIDDENCOMMANDS]", "COMM=shipped"});
    fs::create_symlink(file("nowhere"), file("user/hcoptions.cfg"));
    EXPECT_EQ(StartupOptionFile(file("user").string() + "/", file("install").string() + "/",
                                "hcoptions.cfg"),
              file("user/hcoptions.cfg"));
    EXPECT_EQ(Read().hidden.hcomment, GallerySettings{}.hidden.hcomment);
}

// The files this program ships beside itself, as a fresh user meets them.
class ShippedDefaultsTest : public ::testing::Test {
protected:
    static std::string Data() { return std::string(PAGORANTO_SOURCE_DIR) + "/data/"; }
};

TEST_F(ShippedDefaultsTest, MakeAFirstGalleryOneWouldPublish)
{
    testing::ScratchDirectory user;
    GallerySettings settings;
    ReadStartupOptions(user.path().string() + "/", Data(), settings);
    EXPECT_TRUE(settings.pageNames.usedifferentfirst);
    EXPECT_EQ(settings.pageNames.differentfilename, "index");
    EXPECT_TRUE(settings.special.createthumbnails);
    EXPECT_GE(settings.thumbnails.ScrollBar2, 160);
    EXPECT_GE(settings.thumbnails.ScrollBar3, 120);
    EXPECT_EQ(settings.thumbnails.Panel11, settings.thumbnails.Panel12) << "a plain background";
    EXPECT_FALSE(settings.thumbnails.Drei3d_check);
    EXPECT_EQ(settings.hidden.hpagetitle, "Photo $count$ of $total$");
    for (const std::string &html : settings.hidden.editfield_html)
        EXPECT_FALSE(ContainsCommand(html, "$time$")) << html;
    // The shipped files line up, so their last keys are read too.
    EXPECT_FALSE(settings.hidden.showfullcomment);
    EXPECT_EQ(settings.thumbnails.ScrollBar4, 0);
    EXPECT_EQ(settings.navigation.nav_edit_last, "Last");
    EXPECT_EQ(settings.linkTexts.homepage_label_text,
              GallerySettings{}.linkTexts.homepage_label_text);
}

TEST_F(ShippedDefaultsTest, LayoutsSuitEveryScreenAndWriteNoTimeOfTheRun)
{
    int layouts = 0;
    for (const fs::directory_entry &entry : fs::directory_iterator(Data() + "layouts")) {
        if (entry.path().extension() != ".html")
            continue;
        ++layouts;
        SCOPED_TRACE(entry.path().filename().string());
        const std::string page = ReadFileBytes(entry.path()).value_or("");
        ASSERT_FALSE(page.empty());
        // $DATEENG$ and $DATEGER$ change once a day; the time changes every run.
        EXPECT_FALSE(ContainsCommand(page, "$TIME$"));
        EXPECT_NE(page.find("<meta name=\"viewport\""), std::string::npos);
    }
    EXPECT_EQ(layouts, 4);
}

} // namespace
} // namespace pagoranto

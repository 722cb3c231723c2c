#include "core/options/completeconfiguration.h"
#include "tests/support/gtesthelpers.h"

#include <gtest/gtest.h>
#include <string>

namespace pagoranto {
namespace {

class CompleteConfigurationTest : public testing::ScratchDirectoryTest {};

// Every field the file holds, each away from its default.
CompleteConfiguration ChangedConfiguration()
{
    CompleteConfiguration c;
    c.linkTexts.Next_label = "next=";
    c.linkTexts.previous_label = "prev";
    c.linkTexts.first_label = "first";
    c.linkTexts.Last_label = "last";
    c.linkTexts.freetext = "$free$";
    c.linkTexts.homepage_label = "home.html?x=1";
    c.linkTexts.homepage_label_text = "home";
    c.pageNames.ownfilename = "seite";
    c.pageNames.differentfilename = "start";
    c.additional.browserStart = BrowserStart::iexplore;
    c.additional.basesize = 0;
    c.additional.Edit1 = "1";
    c.additional.Edit2 = "2";
    c.additional.Edit3 = "3";
    c.additional.Edit4 = "4";
    c.hidden.hcomment = "comment";
    c.hidden.hauthor = "author";
    c.hidden.hkeywords = "keywords";
    c.hidden.hpagetitle = "title";
    c.hidden.htarget = "_parent";
    c.hidden.alternativetext = "alt";
    c.hidden.alternativePPIICCtext = "altp";
    c.hidden.showfilename = true;
    c.hidden.showdimensions = true;
    c.hidden.showfilesize = true;
    c.hidden.showcomment = true;
    c.hidden.showfilenamewithextension = true;
    c.hidden.showfullcomment = true;
    for (std::size_t i = 0; i < c.hidden.editfield_html.size(); ++i)
        c.hidden.editfield_html[i] = "html" + std::to_string(i);
    c.navigation.nav_edit_first = "f";
    c.navigation.nav_edit_prev = "p";
    c.navigation.nav_edit_next = "n";
    c.navigation.nav_edit_last = "l";
    c.navigation.nav_edit_linkseparator = "|";
    c.navigation.ScrollBar1 = 5;
    c.navigation.RadioGroup1 = 1;
    c.navigation.nav_use_first = false;
    c.navigation.nav_use_prev = false;
    c.navigation.nav_use_next = false;
    c.navigation.nav_use_last = false;
    c.navigation.plain1 = false;
    c.navigation.plain2 = true;
    c.navigation.plain3 = true;
    c.navigation.show1 = true;
    c.navigation.show2 = true;
    c.navigation.show3 = true;
    c.thumbnails.ScrollBar2 = 320;
    c.thumbnails.ScrollBar3 = 15;
    c.thumbnails.ScrollBar1 = 5;
    c.thumbnails.CheckBox1 = true;
    c.thumbnails.Panel11 = 255;
    c.thumbnails.Panel12 = 0;
    c.thumbnails.RadioGroup2 = 7;
    c.thumbnails.ScrollBar6 = 20;
    c.thumbnails.ScrollBar5 = 0;
    c.thumbnails.Drei3d_check = true;
    c.thumbnails.ScrollBar4 = 10;
    c.thumbnails.thumbdir = "mini";
    c.destinationDir = "/home/user/gallery/";
    c.pictureRelPath = "pics";
    return c;
}

TEST_F(CompleteConfigurationTest, SaveThenLoadReproducesEveryField)
{
    const CompleteConfiguration saved = ChangedConfiguration();
    ASSERT_TRUE(SaveCompleteConfiguration(file("all.ccc"), saved));
    CompleteConfiguration c;
    ASSERT_TRUE(LoadCompleteConfiguration(file("all.ccc"), c));

    EXPECT_EQ(c.linkTexts.Next_label, saved.linkTexts.Next_label);
    EXPECT_EQ(c.linkTexts.previous_label, saved.linkTexts.previous_label);
    EXPECT_EQ(c.linkTexts.first_label, saved.linkTexts.first_label);
    EXPECT_EQ(c.linkTexts.Last_label, saved.linkTexts.Last_label);
    EXPECT_EQ(c.linkTexts.freetext, saved.linkTexts.freetext);
    EXPECT_EQ(c.linkTexts.homepage_label, saved.linkTexts.homepage_label);
    EXPECT_EQ(c.linkTexts.homepage_label_text, saved.linkTexts.homepage_label_text);
    EXPECT_EQ(c.pageNames.ownfilename, saved.pageNames.ownfilename);
    EXPECT_EQ(c.pageNames.differentfilename, saved.pageNames.differentfilename);
    EXPECT_EQ(c.additional.browserStart, saved.additional.browserStart);
    EXPECT_EQ(c.additional.basesize, saved.additional.basesize);
    EXPECT_EQ(c.additional.Edit1, saved.additional.Edit1);
    EXPECT_EQ(c.additional.Edit2, saved.additional.Edit2);
    EXPECT_EQ(c.additional.Edit3, saved.additional.Edit3);
    EXPECT_EQ(c.additional.Edit4, saved.additional.Edit4);

    EXPECT_EQ(c.hidden.hcomment, saved.hidden.hcomment);
    EXPECT_EQ(c.hidden.hauthor, saved.hidden.hauthor);
    EXPECT_EQ(c.hidden.hkeywords, saved.hidden.hkeywords);
    EXPECT_EQ(c.hidden.hpagetitle, saved.hidden.hpagetitle);
    EXPECT_EQ(c.hidden.htarget, saved.hidden.htarget);
    EXPECT_EQ(c.hidden.alternativetext, saved.hidden.alternativetext);
    EXPECT_EQ(c.hidden.alternativePPIICCtext, saved.hidden.alternativePPIICCtext);
    EXPECT_TRUE(c.hidden.showfilename);
    EXPECT_TRUE(c.hidden.showdimensions);
    EXPECT_TRUE(c.hidden.showfilesize);
    EXPECT_TRUE(c.hidden.showcomment);
    EXPECT_TRUE(c.hidden.showfilenamewithextension);
    EXPECT_TRUE(c.hidden.showfullcomment);
    EXPECT_EQ(c.hidden.editfield_html, saved.hidden.editfield_html);

    EXPECT_EQ(c.navigation.nav_edit_first, saved.navigation.nav_edit_first);
    EXPECT_EQ(c.navigation.nav_edit_prev, saved.navigation.nav_edit_prev);
    EXPECT_EQ(c.navigation.nav_edit_next, saved.navigation.nav_edit_next);
    EXPECT_EQ(c.navigation.nav_edit_last, saved.navigation.nav_edit_last);
    EXPECT_EQ(c.navigation.nav_edit_linkseparator, saved.navigation.nav_edit_linkseparator);
    EXPECT_EQ(c.navigation.ScrollBar1, 5);
    EXPECT_EQ(c.navigation.RadioGroup1, 1);
    EXPECT_FALSE(c.navigation.nav_use_first);
    EXPECT_FALSE(c.navigation.nav_use_prev);
    EXPECT_FALSE(c.navigation.nav_use_next);
    EXPECT_FALSE(c.navigation.nav_use_last);
    EXPECT_FALSE(c.navigation.plain1);
    EXPECT_TRUE(c.navigation.plain2);
    EXPECT_TRUE(c.navigation.plain3);
    EXPECT_TRUE(c.navigation.show1);
    EXPECT_TRUE(c.navigation.show2);
    EXPECT_TRUE(c.navigation.show3);

    EXPECT_EQ(c.thumbnails.ScrollBar2, 320);
    EXPECT_EQ(c.thumbnails.ScrollBar3, 15);
    EXPECT_EQ(c.thumbnails.ScrollBar1, 5);
    EXPECT_TRUE(c.thumbnails.CheckBox1);
    EXPECT_EQ(c.thumbnails.Panel11, 255u);
    EXPECT_EQ(c.thumbnails.Panel12, 0u);
    EXPECT_EQ(c.thumbnails.RadioGroup2, 7);
    EXPECT_EQ(c.thumbnails.ScrollBar6, 20);
    EXPECT_EQ(c.thumbnails.ScrollBar5, 0);
    EXPECT_TRUE(c.thumbnails.Drei3d_check);
    EXPECT_EQ(c.thumbnails.ScrollBar4, 10);
    EXPECT_EQ(c.thumbnails.thumbdir, "mini");
    // Written for the thumbnailer, recomputed rather than read.
    EXPECT_EQ(c.destinationDir, "");
    EXPECT_EQ(c.pictureRelPath, "");
}

TEST_F(CompleteConfigurationTest, FileHasTheSectionLineAndSeventyOneEntriesInItsOwnOrder)
{
    ASSERT_TRUE(SaveCompleteConfiguration(file("all.ccc"), ChangedConfiguration()));
    const ByteLines lines = readLines("all.ccc");
    // The seventy-one, then the four web-size keys of our own, which readers of the
    // seventy-one never reach.
    ASSERT_EQ(lines.size(), 76u);
    EXPECT_EQ(lines[0], "[COMPLETECONFIG]");
    EXPECT_EQ(ByteLines(lines.begin() + 72, lines.end()),
              (ByteLines{"WEBS=0", "WEBW=1600", "WEBH=1200", "WEBD=web/"}));
    std::string keys;
    for (std::size_t i = 1; i < 72; ++i)
        keys += lines[i].substr(0, 5);
    EXPECT_EQ(keys, "NEXT=PREV=FIRS=LAST=FREE=BROW=THUS=PAGN=NEWO=ONEW=NEWN=NNEW="
                    "COMM=AUTH=KEYW=PAGT=TARG=ALTE=ALTP=SDIR=PDIR=DDIR=WIDT=HEIG=COMP=COLO=GREY="
                    "TIME=ACTI=SFIL=SDIM=SSIZ=FPDI=NFIR=NPRE=NNEX=NLAS=NLSE=NLIN=NFTS="
                    "CHK1=CHK2=CHK3=CHK4=PLA1=PLA2=PLA3=SHW1=SHW2=SHW3="
                    "DIBB=DIBH=ECOL=GRAD=DDDR=BORD=HOME=HOMT="
                    "HTM1=HTM2=HTM3=HTM4=HTM0=HTM5=HTM6=HTM7=HTM8=HTM9=TCOM=FEXT=FUCO=");
    EXPECT_EQ(lines[6], "BROW=1");
    EXPECT_EQ(lines[20], "SDIR=/home/user/gallery/");
    EXPECT_EQ(lines[21], "PDIR=pics");
    EXPECT_EQ(lines[22], "DDIR=mini/");
    EXPECT_EQ(lines[23], "WIDT=320");
    EXPECT_EQ(lines[24], "HEIG=015");
    EXPECT_EQ(lines[25], "COMP=005");
    EXPECT_EQ(lines[28], "TIME=100");
    EXPECT_EQ(lines[29], "ACTI=1");
}

TEST_F(CompleteConfigurationTest, WrongSectionLineFailsAndChangesNothing)
{
    ASSERT_TRUE(SaveCompleteConfiguration(file("all.ccc"), ChangedConfiguration()));
    ByteLines lines = readLines("all.ccc");
    for (const char *section : {"[COMPLETECONFIG] ", "COMPLETECONFIG", "[completeconfig]", ""}) {
        SCOPED_TRACE(section);
        lines[0] = section;
        writeLines("bad.ccc", lines);
        CompleteConfiguration c;
        EXPECT_FALSE(LoadCompleteConfiguration(file("bad.ccc"), c));
        EXPECT_EQ(c.linkTexts.Next_label, "Next");
        EXPECT_EQ(c.thumbnails.thumbdir, "thumbnails");
    }
    CompleteConfiguration c;
    EXPECT_FALSE(LoadCompleteConfiguration(file("missing.ccc"), c));
    EXPECT_FALSE(SaveCompleteConfiguration(m_dir / "no" / "such.ccc", c));
}

TEST_F(CompleteConfigurationTest, EntriesOffTheirLinesAreIgnoredAndValuesClamped)
{
    ASSERT_TRUE(SaveCompleteConfiguration(file("all.ccc"), ChangedConfiguration()));
    ByteLines lines = readLines("all.ccc");
    lines[22] = "DDIR=C:\\gallery\\" + std::string(50, 'd') + "\\";
    lines[23] = "WIDT=999";
    lines[26] = "COLO=99999999999";
    lines[39] = "NLIN=0";
    lines.erase(lines.begin() + 57); // HOME: HOMT and every later entry move up one line
    writeLines("all.ccc", lines);

    CompleteConfiguration c;
    ASSERT_TRUE(LoadCompleteConfiguration(file("all.ccc"), c));
    // A configuration brings no more of a folder than the thumbnailer's own file would.
    EXPECT_EQ(c.thumbnails.thumbdir, "Cgallery" + std::string(32, 'd'));
    EXPECT_EQ(c.thumbnails.ScrollBar2, 320);
    EXPECT_EQ(c.thumbnails.Panel11, 0xFFFFFFu);
    EXPECT_EQ(c.navigation.ScrollBar1, 1);
    EXPECT_EQ(c.thumbnails.ScrollBar4, 10); // BORD, line 56, still on its line
    EXPECT_EQ(c.linkTexts.homepage_label, "../index.html");
    EXPECT_EQ(c.linkTexts.homepage_label_text, "Back to homepage");
    EXPECT_EQ(c.hidden.editfield_html, HiddenOptions{}.editfield_html);
    EXPECT_FALSE(c.hidden.showfullcomment);
}

} // namespace
} // namespace pagoranto

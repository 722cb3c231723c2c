#include "core/options/headerfooteroptionsfile.h"
#include "core/options/hiddenoptionsfile.h"
#include "core/options/navigationoptionsfile.h"
#include "core/options/toolsfile.h"
#include "tests/support/gtesthelpers.h"

#include <gtest/gtest.h>
#include <string>

namespace pagoranto {
namespace {

class OptionFilesTest : public testing::ScratchDirectoryTest {};

HiddenOptions ChangedHiddenOptions()
{
    HiddenOptions changed;
    changed.hcomment = "c";
    changed.hauthor = "a";
    changed.hkeywords = "k=1,2";
    changed.hpagetitle = "$count$";
    changed.htarget = "_top";
    changed.alternativetext = "alt";
    changed.alternativePPIICCtext = "alt pic";
    changed.showfilename = true;
    changed.showdimensions = true;
    changed.showfilesize = true;
    changed.showcomment = true;
    changed.showfilenamewithextension = true;
    changed.showfullcomment = true;
    for (std::size_t i = 0; i < changed.editfield_html.size(); ++i)
        changed.editfield_html[i] =
            "<a href=\"" + std::to_string(i) + ".zip\">" + std::to_string(i) + "</a>";
    return changed;
}

TEST_F(OptionFilesTest, HiddenCommandsWriteThenReadReproducesEveryStoredField)
{
    const HiddenOptions saved = ChangedHiddenOptions();
    ASSERT_TRUE(WriteHiddenCommandOptions(file("hcoptions.cfg"), saved));
    HiddenOptions read;
    read.usecommentcommand = false; // not stored: must survive the read
    ASSERT_TRUE(ReadHiddenCommandOptions(file("hcoptions.cfg"), read));
    EXPECT_EQ(read.hcomment, saved.hcomment);
    EXPECT_EQ(read.hauthor, saved.hauthor);
    EXPECT_EQ(read.hkeywords, saved.hkeywords);
    EXPECT_EQ(read.hpagetitle, saved.hpagetitle);
    EXPECT_EQ(read.htarget, saved.htarget);
    EXPECT_EQ(read.alternativetext, saved.alternativetext);
    EXPECT_EQ(read.alternativePPIICCtext, saved.alternativePPIICCtext);
    EXPECT_TRUE(read.showfilename);
    EXPECT_TRUE(read.showdimensions);
    EXPECT_TRUE(read.showfilesize);
    EXPECT_TRUE(read.showcomment);
    EXPECT_TRUE(read.showfilenamewithextension);
    EXPECT_TRUE(read.showfullcomment);
    EXPECT_EQ(read.editfield_html, saved.editfield_html);
    EXPECT_FALSE(read.usecommentcommand);

    // A hidden config data file is the same file under another name.
    ASSERT_TRUE(SaveHiddenConfigData(file("set.chd"), saved));
    EXPECT_EQ(readBytes("set.chd"), readBytes("hcoptions.cfg"));
    HiddenOptions loaded;
    ASSERT_TRUE(LoadHiddenConfigData(file("set.chd"), loaded));
    EXPECT_EQ(loaded.editfield_html, saved.editfield_html);
}

TEST_F(OptionFilesTest, HiddenCommandsKeepTheirKeyOrder)
{
    ASSERT_TRUE(WriteHiddenCommandOptions(file("hcoptions.cfg"), HiddenOptions{}));
    std::string keys;
    for (const std::string &line : readLines("hcoptions.cfg"))
        keys += line.substr(0, 4) + " ";
    EXPECT_EQ(keys, "[HID COMM AUTH KEYW PAGT TARG ALTE ALTP SFIL SDIM SSIZ HTM1 HTM2 HTM3 HTM4 "
                    "HTM0 HTM5 HTM6 HTM7 HTM8 HTM9 TCOM FEXT FUCO ");
}

TEST_F(OptionFilesTest, HiddenCommandValuesAreDecodedAsTheControlsWould)
{
    writeLines("hcoptions.cfg", {"[HIDDENCOMMANDS]", "COMM=" + std::string(250, 'c'),
                                 "AUTH=", "KEYW=k", "PAGT=t", "TARG=_self", "ALTE=a", "ALTP=p",
                                 "SFIL=1", "SDIM=2", "SSIZ=01", "HTM1=" + std::string(5000, 'h')});
    HiddenOptions options;
    options.showdimensions = true;
    options.showfilesize = true;
    ASSERT_TRUE(ReadHiddenCommandOptions(file("hcoptions.cfg"), options));
    EXPECT_EQ(options.hcomment, std::string(200, 'c'));
    EXPECT_EQ(options.hauthor, "");
    EXPECT_TRUE(options.showfilename);
    EXPECT_FALSE(options.showdimensions); // checked exactly for "1"
    EXPECT_FALSE(options.showfilesize);
    EXPECT_EQ(options.editfield_html[1], std::string(5000, 'h')); // no maximum length
    EXPECT_EQ(options.editfield_html[0], HiddenOptions{}.editfield_html[0]);
}

TEST_F(OptionFilesTest, NavigationWriteThenReadReproducesEveryField)
{
    NavigationOptions saved;
    saved.nav_edit_first = "<<<";
    saved.nav_edit_prev = "<";
    saved.nav_edit_next = ">";
    saved.nav_edit_last = ">>>";
    saved.nav_edit_linkseparator = " = ";
    saved.ScrollBar1 = 3;
    saved.RadioGroup1 = 2;
    saved.nav_use_first = false;
    saved.nav_use_prev = false;
    saved.nav_use_next = false;
    saved.nav_use_last = false;
    saved.plain1 = false;
    saved.plain2 = false;
    saved.plain3 = true;
    saved.show1 = true;
    saved.show2 = true;
    saved.show3 = true;
    ASSERT_TRUE(WriteNavigationOptions(file("navoptions.cfg"), saved));
    EXPECT_EQ(readLines("navoptions.cfg").size(), 18u);

    NavigationOptions read;
    ASSERT_TRUE(ReadNavigationOptions(file("navoptions.cfg"), read));
    EXPECT_EQ(read.nav_edit_first, saved.nav_edit_first);
    EXPECT_EQ(read.nav_edit_prev, saved.nav_edit_prev);
    EXPECT_EQ(read.nav_edit_next, saved.nav_edit_next);
    EXPECT_EQ(read.nav_edit_last, saved.nav_edit_last);
    EXPECT_EQ(read.nav_edit_linkseparator, saved.nav_edit_linkseparator);
    EXPECT_EQ(read.ScrollBar1, 3);
    EXPECT_EQ(read.RadioGroup1, 2);
    EXPECT_FALSE(read.nav_use_first);
    EXPECT_FALSE(read.nav_use_prev);
    EXPECT_FALSE(read.nav_use_next);
    EXPECT_FALSE(read.nav_use_last);
    EXPECT_FALSE(read.plain1);
    EXPECT_FALSE(read.plain2);
    EXPECT_TRUE(read.plain3);
    EXPECT_TRUE(read.show1);
    EXPECT_TRUE(read.show2);
    EXPECT_TRUE(read.show3);
}

TEST_F(OptionFilesTest, NavigationNumbersAreClampedAndBoxesReadAsNumbers)
{
    const struct {
        const char *nlin;
        int links;
        const char *nfts;
        int fontSize;
        const char *chk1;
        bool useFirst;
    } rows[] = {
        {"0", 1, "9", 6, "0", false},
        {"99", 15, "0", 0, "1", true},
        {"99999999999999999999", 15, "3", 3, "2", true},
        {"x", 15, "", 3, "", true},
        {"007", 7, "-2", 3, "00", false},
    };
    NavigationOptions options;
    for (const auto &row : rows) {
        SCOPED_TRACE(std::string("NLIN=") + row.nlin);
        writeLines("navoptions.cfg",
                   {"[NAVIGATIONBAR]", "NFIR=|<", "NPRE=<<", "NNEX=>>", "NLAS=>|", "NLSE=-|-",
                    std::string("NLIN=") + row.nlin, std::string("NFTS=") + row.nfts,
                    std::string("CHK1=") + row.chk1});
        ASSERT_TRUE(ReadNavigationOptions(file("navoptions.cfg"), options));
        EXPECT_EQ(options.ScrollBar1, row.links);
        EXPECT_EQ(options.RadioGroup1, row.fontSize);
        EXPECT_EQ(options.nav_use_first, row.useFirst);
    }
}

TEST_F(OptionFilesTest, HeaderAndFooterLinesAreStoredButNotTheirSwitches)
{
    HeaderFooterOptions saved;
    saved.HeaderUse = true;
    saved.headeredit = "<div class=\"top\">$count$</div>";
    saved.footeredit = "<p>bottom=1</p>";
    ASSERT_TRUE(WriteHeaderFooterOptions(file("headerandfooter.cfg"), saved));
    EXPECT_EQ(readBytes("headerandfooter.cfg"),
              "[HEADERANDFOOTER]\r\nHEAD=<div class=\"top\">$count$</div>\r\n"
              "FOOT=<p>bottom=1</p>\r\n");
    HeaderFooterOptions read;
    ASSERT_TRUE(ReadHeaderFooterOptions(file("headerandfooter.cfg"), read));
    EXPECT_EQ(read.headeredit, saved.headeredit);
    EXPECT_EQ(read.footeredit, saved.footeredit);
    EXPECT_FALSE(read.HeaderUse);

    writeLines("headerandfooter.cfg",
               {"[HEADERANDFOOTER]", "HEAD=" + std::string(1500, 'h'), "FOOT="});
    ASSERT_TRUE(ReadHeaderFooterOptions(file("headerandfooter.cfg"), read));
    EXPECT_EQ(read.headeredit, std::string(1000, 'h'));
    EXPECT_EQ(read.footeredit, "");
}

TEST_F(OptionFilesTest, ToolsWriteThenReadReproducesEveryPath)
{
    WebToolOptions webSaved{"/usr/bin/a", "/opt/b c/d", "C:\\Tools\\e.exe"};
    ToolOptions saved{"/bin/x", "", "/bin/z"};
    ASSERT_TRUE(WriteWebTools(file("webtools.cfg"), webSaved));
    ASSERT_TRUE(WriteTools(file("tools.cfg"), saved));
    EXPECT_EQ(readBytes("tools.cfg"), "TOOLS\r\nTOL1=/bin/x\r\nTOL2=\r\nTOL3=/bin/z\r\n");

    WebToolOptions web;
    ToolOptions tools;
    ASSERT_TRUE(ReadWebTools(file("webtools.cfg"), web));
    ASSERT_TRUE(ReadTools(file("tools.cfg"), tools));
    EXPECT_EQ(web.webtool1_label, webSaved.webtool1_label);
    EXPECT_EQ(web.webtool2_label, webSaved.webtool2_label);
    EXPECT_EQ(web.webtool3_label, webSaved.webtool3_label);
    EXPECT_EQ(tools.tool1_label, saved.tool1_label);
    EXPECT_EQ(tools.tool2_label, saved.tool2_label);
    EXPECT_EQ(tools.tool3_label, saved.tool3_label);

    // Each file refuses the other's section line.
    EXPECT_FALSE(ReadTools(file("webtools.cfg"), tools));
    EXPECT_FALSE(ReadWebTools(file("tools.cfg"), web));
    EXPECT_EQ(tools.tool1_label, "/bin/x");
}

TEST_F(OptionFilesTest, ToolPathsAreTrimmedAfterASuccessfulRead)
{
    writeLines("webtools.cfg", {"WEBTOOLS", "WEB1=  /usr/bin/editor \t",
                                "WEB2=   ", "WEB3=C:\\Programme\\Web Tool\\tool.exe"});
    WebToolOptions web;
    ASSERT_TRUE(ReadWebTools(file("webtools.cfg"), web));
    EXPECT_EQ(web.webtool1_label, "/usr/bin/editor");
    EXPECT_EQ(web.webtool2_label, "");
    EXPECT_EQ(ToolMenuCaption(web.webtool1_label), "editor");
    EXPECT_EQ(ToolMenuCaption(web.webtool2_label), "?");
    EXPECT_EQ(ToolMenuCaption(web.webtool3_label), "tool.exe");

    // A file that cannot be used leaves untrimmed fields as they are.
    web.webtool1_label = " kept ";
    EXPECT_FALSE(ReadWebTools(file("missing.cfg"), web));
    EXPECT_EQ(web.webtool1_label, " kept ");
}

TEST(ToolMenuCaption, IsTheFileNamePartOrAQuestionMark)
{
    const struct {
        const char *path;
        const char *caption;
    } rows[] = {
        {"", "?"},
        {"  ", "?"},
        {"editor", "editor"},
        {"/usr/bin/gimp", "gimp"},
        {"C:\\Tools\\ed.exe", "ed.exe"},
        {"C:\\Mixed/dir\\x.exe", "x.exe"},
        {" /opt/app ", "app"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(ToolMenuCaption(row.path), row.caption) << "path: \"" << row.path << "\"";
}

} // namespace
} // namespace pagoranto

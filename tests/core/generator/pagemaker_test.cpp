#include "core/generator/layoutanalysis.h"
#include "core/generator/pagemaker.h"
#include "core/pictures/descriptionstore.h"
#include "core/text/datetimeformat.h"
#include "core/text/linefile.h"
#include "tests/support/fixedclock.h"
#include "tests/support/gtesthelpers.h"
#include "tests/support/recordingevents.h"
#include "tests/support/recordingprompts.h"

#include <gtest/gtest.h>

namespace pagoranto {
namespace {

using namespace pagoranto::testing;

class PageMakerTest : public ScratchDirectoryTest {
protected:
    void SetUp() override
    {
        ScratchDirectoryTest::SetUp();
        input.pictureDir = m_dir.string() + "/";
        input.destinationDir = input.pictureDir;
        input.outputDir = input.pictureDir;
        input.templatePath = m_dir / "layout.html";
    }

    void AddPicture(const std::string &name, int width, int height)
    {
        Write(name, MakeJpeg(GradientPicture(width, height)));
        input.creationList.push_back(name);
    }

    void UseTemplate(const ByteLines &layout)
    {
        ASSERT_TRUE(WriteLineFile(input.templatePath, layout));
        input.commandCounts = AnalyseLayout(input.templatePath, events).commandCounts;
        input.plan = MakePagePlan(
            input.commandCounts[picCommandIndex], input.commandCounts[tpicCommandIndex],
            static_cast<int>(input.creationList.size()), input.firstPageNumber, settings.pageNames);
    }

    // Makes every page of the plan and returns the saved files' lines.
    std::vector<ByteLines> MakeAllPages()
    {
        PageMaker maker(input, settings, descriptions, Services());
        std::vector<ByteLines> pages;
        for (int pageIndex = 0; pageIndex < input.plan.pageCount; ++pageIndex) {
            const PageResult result = maker.MakePage(pageIndex, input.firstPageNumber + pageIndex);
            EXPECT_FALSE(result.saveFailed);
            EXPECT_EQ(result.name, input.plan.pageNameList[static_cast<std::size_t>(pageIndex)]);
            pages.push_back(ReadLineFile(m_dir / result.name).value_or(ByteLines{"<missing>"}));
        }
        return pages;
    }

    PageMakerServices Services()
    {
        return {prompts,
                events,
                clock,
                formats,
                [this](std::string_view text) { statuses.emplace_back(text); },
                [this](std::string_view text) { indicator = text; }};
    }

    PageRunInput input;
    GallerySettings settings;
    DescriptionStore descriptions;
    RecordingPrompts prompts;
    RecordingEvents events;
    FixedClock clock;
    DateTimeFormats formats;
    std::vector<std::string> statuses;
    std::string indicator;
};

TEST_F(PageMakerTest, PicturePagesCarryPictureNavigationAndDynamicTexts)
{
    AddPicture("a.jpg", 80, 60);
    AddPicture("b.jpg", 60, 80);
    AddPicture("c.jpg", 50, 50);
    settings.hidden.radioPICalternative = 0;
    settings.hidden.editfield_html[1] = "<i>$count$/$TOTAL$ $dateger$</i>";
    settings.special.AspectRatio = true;
    settings.navigation.ScrollBar1 = 1;
    descriptions.SetLines({"b.jpg|B & co|$FILENAME$"});
    UseTemplate({"<html><head><!--title--></head>", "<body>$PIC$ $html1$", "$PCOMMENT$",
                 "$PREVIOUS$|$NEXT$", "$NAVIGATE$", "$DIMENSION$ $FILESIZE$", "</body></html>"});

    const std::vector<ByteLines> pages = MakeAllPages();
    ASSERT_EQ(pages.size(), 3u);
    const ByteLines &second = pages[1];
    EXPECT_EQ(second[0], "<html><head><title>VudarodOzododi 2 of 3</title></head>");
    EXPECT_EQ(second[1], "<body><img SRC=\"b.jpg\" ALT=\"b.jpg\" NOSAVE height=100 width=75> "
                         "<i>2/3 08.12.2026</i>");
    // A counted command the template lacks stays as typed in the description.
    EXPECT_EQ(second[2], "B &amp; co<br>$FILENAME$");
    EXPECT_EQ(second[3],
              "<a href=\"page0001.html\">Previous</a>|<a href=\"page0003.html\">Next</a>");
    EXPECT_EQ(second[4], "<!--NavStart--><a href=\"page0001.html\">|&lt;</a>-|-"
                         "<a href=\"page0001.html\">&lt;&lt;</a>-|-"
                         "<a href=\"page0001.html\">1</a>-|-<font size=+4>2</font>-|-"
                         "<a href=\"page0003.html\">3</a>-|-<a href=\"page0003.html\">&gt;&gt;</a>"
                         "-|-<a href=\"page0003.html\">&gt;|</a><!--Navend-->");
    EXPECT_EQ(second[5],
              "60x80 " + std::to_string(std::filesystem::file_size(m_dir / "b.jpg") / 1024) + "kb");
    EXPECT_EQ(pages[2][1].substr(0, 62),
              "<body><img SRC=\"c.jpg\" ALT=\"c.jpg\" NOSAVE height=100 width=100");
    EXPECT_EQ(pages[0][3], "Previous|<a href=\"page0002.html\">Next</a>");
    EXPECT_EQ(formats.shortDateFormat, "dd.mm.yyyy");
    EXPECT_EQ(statuses.front(), "Loading template");
}

TEST_F(PageMakerTest, IndexPagesShowThumbnailsWithTheirOwnSize)
{
    for (int i = 1; i <= 5; ++i)
        AddPicture("p" + std::to_string(i) + ".jpg", 64, 48);
    std::filesystem::create_directory(m_dir / "thumbnails");
    for (int i = 1; i <= 5; ++i) {
        Write("thumbnails/p" + std::to_string(i) + ".jpg", MakeJpeg(GradientPicture(40, 30)));
    }
    settings.hidden.radioalternative = 0;
    settings.hidden.showdimensions = true;
    UseTemplate({"<table><tr><td>$TPIC$</td><td>$TPIC$</td></tr></table> $COUNT$ of $TOTAL$"});
    const std::vector<ByteLines> pages = MakeAllPages();
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[0][0],
              "<table><tr><td><a href=\"p1.jpg\"><img SRC=\"thumbnails/p1.jpg\" ALT=\"p1.jpg\" "
              "NOSAVE BORDER=0 height=30 width=40></a><BR>64x48</td><td><a href=\"p2.jpg\">"
              "<img SRC=\"thumbnails/p2.jpg\" ALT=\"p2.jpg\" NOSAVE BORDER=0 height=30 width=40>"
              "</a><BR>64x48</td></tr></table> 1 of 3");
    EXPECT_NE(pages[2][0].find("p5.jpg"), std::string::npos);
    EXPECT_NE(pages[2][0].find("<td></td>"), std::string::npos);
}

TEST_F(PageMakerTest, SwitchedOffStepsLeaveTheirTextsAndHeaderFooterGoIn)
{
    AddPicture("a.jpg", 8, 8);
    settings.hidden.usecommentcommand = false;
    settings.headerFooter = {true, "<p>$COUNT$ head</p>", true, "<p>foot</p>"};
    UseTemplate({"<!--comment-->$PIC$", "<BODY>", "$SN$go$EN$", "</BODY>"});
    const std::vector<ByteLines> pages = MakeAllPages();
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0][0].substr(0, 14), "<!--comment-->");
    EXPECT_EQ(pages[0], (ByteLines{pages[0][0], "<BODY>", "<p>$COUNT$ head</p>", "go",
                                   "<p>foot</p>", "</body>"}));
    // No date on the page, yet the date steps still leave their format program-wide.
    EXPECT_EQ(formats.shortDateFormat, "dd.mm.yyyy");
}

TEST_F(PageMakerTest, CompressesWhenAskedAndCountsTheBytes)
{
    AddPicture("a.jpg", 8, 8);
    settings.special.pagecompressor = true;
    UseTemplate({"<p>    $PIC$    </p>", "<STRONG>x</STRONG>"});
    const std::vector<ByteLines> pages = MakeAllPages();
    EXPECT_EQ(pages[0][1], "<b>x</b>");
    EXPECT_EQ(indicator, "17 bytes saved"); // 6 + 1 blanks, 5 + 5 for the STRONG tags
}

TEST_F(PageMakerTest, UnwritablePageIsReportedAndNotRemembered)
{
    AddPicture("a.jpg", 8, 8);
    UseTemplate({"$PIC$"});
    input.outputDir = (m_dir / "missing").string() + "/";
    PageMaker maker(input, settings, descriptions, Services());
    const PageResult result = maker.MakePage(0, 1);
    EXPECT_TRUE(result.saveFailed);
    EXPECT_EQ(maker.previousPageName(), "");
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].title, "ERROR");
}

TEST_F(PageMakerTest, TemplateEditedDuringTheRunIsSeenByTheNextPage)
{
    AddPicture("a.jpg", 8, 8);
    AddPicture("b.jpg", 8, 8);
    UseTemplate({"one $COUNT$"});
    PageMaker maker(input, settings, descriptions, Services());
    ASSERT_FALSE(maker.MakePage(0, 1).saveFailed);
    EXPECT_EQ(maker.pageText(), ByteLines{"one 1"});
    // Same size and time, written through a new file.
    const std::filesystem::file_time_type time =
        std::filesystem::last_write_time(input.templatePath);
    ASSERT_TRUE(WriteLineFile(input.templatePath, {"two $COUNT$"}));
    std::filesystem::last_write_time(input.templatePath, time);
    ASSERT_FALSE(maker.MakePage(1, 2).saveFailed);
    EXPECT_EQ(maker.pageText(), ByteLines{"two 2"});
    ASSERT_FALSE(maker.MakePage(0, 1).saveFailed);
    EXPECT_EQ(maker.pageText(), ByteLines{"two 1"});
}

TEST_F(PageMakerTest, DamagedPictureGetsTheSmallSizeAndTheRunGoesOn)
{
    Write("bad.jpg", "not a picture");
    input.creationList = {"bad.jpg"};
    UseTemplate({"$PIC$ $DIMENSION$"});
    const std::vector<ByteLines> pages = MakeAllPages();
    EXPECT_EQ(pages[0][0], "<img SRC=\"bad.jpg\" ALT=\"This picture belongs to the gallery's "
                           "author\" NOSAVE BORDER=0 height=10 width=10> 10x10");
}

} // namespace
} // namespace pagoranto

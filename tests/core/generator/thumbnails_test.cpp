#include "core/generator/commandsubstitution.h"
#include "core/generator/thumbnails.h"
#include "core/pictures/descriptionstore.h"
#include "tests/support/recordingevents.h"

#include <functional>
#include <gtest/gtest.h>
#include <regex>

namespace pagoranto {
namespace {

using testing::RecordingEvents;

class ThumbnailsTest : public ::testing::Test {
protected:
    void SetPictures(int count)
    {
        pictures.clear();
        for (int i = 1; i <= count; ++i)
            pictures.push_back("p" + std::to_string(i) + ".jpg");
    }

    ByteLines MakePage(int pageIndex, int picCount, ByteLines layout)
    {
        ByteLines page = std::move(layout);
        CommandSubstitution substitution(page, events);
        const ThumbnailContext context{
            pictures,
            pageIndex,
            firstPage + pageIndex,
            firstPage,
            picCount,
            tpicCount,
            pictureDir,
            destination,
            relPath,
            hidden,
            thumbs,
            descriptions,
            [this](int k) { return "page" + std::to_string(k) + ".html"; }};
        FillThumbnails(substitution, state, context, headers);
        return page;
    }

    // The pictures the thumbnails of a page link to, in order.
    static std::vector<std::string> Targets(const ByteLines &page)
    {
        std::vector<std::string> targets;
        static const std::regex href("<a href=\"([^\"]*)\"");
        for (const auto &line : page) {
            for (auto it = std::sregex_iterator(line.begin(), line.end(), href);
                 it != std::sregex_iterator(); ++it)
                targets.push_back((*it)[1]);
        }
        return targets;
    }

    std::vector<std::string> pictures;
    std::int64_t firstPage = 1;
    int tpicCount = 0;
    std::string pictureDir = "/nonexistent/pics/";
    std::string destination = "/nonexistent/";
    std::string relPath;
    HiddenOptions hidden;
    ThumbnailOptions thumbs;
    DescriptionStore descriptions;
    ThumbnailState state;
    PictureHeaderCache headers;
    RecordingEvents events;
};

TEST_F(ThumbnailsTest, IndexPagesTakeThePicturesInTurnAndEmptyTheRest)
{
    SetPictures(23);
    tpicCount = 9;
    const ByteLines layout(9, "<td>$TPIC$</td>");
    const auto page1 = Targets(MakePage(0, 0, layout));
    const auto page2 = Targets(MakePage(1, 0, layout));
    const ByteLines last = MakePage(2, 0, layout);
    EXPECT_EQ(page1.front(), "p1.jpg");
    EXPECT_EQ(page1.back(), "p9.jpg");
    EXPECT_EQ(page2.front(), "p10.jpg");
    EXPECT_EQ(page2.back(), "p18.jpg");
    EXPECT_EQ(Targets(last),
              (std::vector<std::string>{"p19.jpg", "p20.jpg", "p21.jpg", "p22.jpg", "p23.jpg"}));
    EXPECT_EQ(std::count(last.begin(), last.end(), "<td></td>"), 4);
    EXPECT_TRUE(state.picturesExhausted);
}

TEST_F(ThumbnailsTest, IndexCellIsExactlyTheLinkedImage)
{
    SetPictures(1);
    tpicCount = 1;
    hidden.radioalternative = 0;
    relPath = "pics/";
    const ByteLines page = MakePage(0, 0, {"$TPIC$"});
    EXPECT_EQ(page[0], "<a href=\"pics/p1.jpg\"><img SRC=\"thumbnails/p1.jpg\" ALT=\"p1.jpg\" "
                       "NOSAVE BORDER=0 height=10 width=10></a>");
}

TEST_F(ThumbnailsTest, IndexCellVariantsWithTargetAndSpecialLinks)
{
    SetPictures(1);
    tpicCount = 1;
    thumbs.ScrollBar4 = 2;
    hidden.usetargetcommand = true;
    hidden.htarget = "_top";
    const std::string image =
        "<img SRC=\"thumbnails/p1.jpg\" ALT=\"Click me for full view !\" NOSAVE BORDER=2 "
        "height=10 width=10>";
    EXPECT_EQ(MakePage(0, 0, {"$TPIC$"})[0],
              "<a href=\"p1.jpg\" target=\"_top\">" + image + "</a>");
    hidden.tpicspecial = true;
    state = {};
    EXPECT_EQ(MakePage(0, 0, {"$TPIC$"})[0], image);
    hidden.RadioGroup2 = 1;
    hidden.Edit1 = "http://example.com/";
    state = {};
    EXPECT_EQ(MakePage(0, 0, {"$TPIC$"})[0],
              "<a href=\"http://example.com/\" target=\"_top\">" + image + "</a>");
}

TEST_F(ThumbnailsTest, StripStartsAtThePagesPictureAndWraps)
{
    SetPictures(5);
    tpicCount = 3;
    hidden.usetargetcommand = true; // never on picture pages
    const ByteLines page4 = MakePage(3, 1, {"$PIC$ $TPIC$ $TPIC$", "$TPIC$"});
    EXPECT_EQ(Targets(page4), (std::vector<std::string>{"page4.html", "page5.html", "page1.html"}));
    EXPECT_EQ(page4[0].find("target"), std::string::npos);
    EXPECT_NE(page4[0].find("SRC=\"thumbnails/p4.jpg\""), std::string::npos);
    EXPECT_NE(page4[1].find("SRC=\"thumbnails/p1.jpg\""), std::string::npos);
}

TEST_F(ThumbnailsTest, PicturePagesWithoutThumbnailsKeepTheState)
{
    SetPictures(3);
    tpicCount = 0;
    for (int pageIndex = 0; pageIndex < 3; ++pageIndex)
        MakePage(pageIndex, 1, {"$PIC$"});
    EXPECT_EQ(state.thumbIndex, 0);
    EXPECT_FALSE(state.picturesExhausted);
}

TEST_F(ThumbnailsTest, CaptionsFollowTheLinkAndSkipEmptyParts)
{
    SetPictures(2);
    tpicCount = 3;
    hidden.showcomment = true;
    hidden.showfilename = true;
    hidden.showdimensions = true;
    hidden.showfilesize = true;
    descriptions.SetLines({"P1.JPG|Sea & sand|second"});
    const ByteLines page = MakePage(0, 0, {"$TPIC$", "$TPIC$", "$TPIC$"});
    EXPECT_NE(page[0].find("</a><BR>Sea &amp; sand<BR>p1<BR>10x10<BR>0 kb"), std::string::npos)
        << page[0];
    EXPECT_NE(page[1].find("</a><BR>p2<BR>10x10<BR>0 kb"), std::string::npos) << page[1];
    EXPECT_EQ(page[2], "");
    hidden.showfullcomment = true;
    hidden.showfilenamewithextension = true;
    state = {};
    EXPECT_NE(MakePage(0, 0, {"$TPIC$"})[0].find("<BR>Sea &amp; sand<br>second<BR>p1.jpg<BR>"),
              std::string::npos);
}

// Each of these once filled the strip without end, every cell bringing a new place.
TEST_F(ThumbnailsTest, CellsWhoseTextHoldsTheCommandAreNeverFilledThemselves)
{
    struct Row {
        const char *name;
        std::function<void()> arrange;
    };
    const Row rows[] = {
        {"PictureName", [this] { pictures[1] = "x$TPIC$.jpg"; }},
        {"AltText",
         [this] {
             hidden.radioalternative = 1;
             hidden.alternativetext = "Click $tpic$";
         }},
        {"Description",
         [this] {
             hidden.showcomment = true;
             descriptions.SetLines({"p1.jpg|see $TPIC$ here", "p2.jpg|$tpic$$tpic$"});
         }},
        {"FileNameCaption",
         [this] {
             hidden.showfilename = true;
             pictures[0] = "$tpic$.jpg";
         }},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        SetPictures(3);
        hidden = {};
        descriptions.SetLines({});
        state = {};
        row.arrange();
        tpicCount = 3;
        const ByteLines strip = MakePage(0, 1, {"$PIC$ <td>$TPIC$</td><td>$TPIC$</td>", "$TPIC$"});
        EXPECT_EQ(Targets(strip),
                  (std::vector<std::string>{"page1.html", "page2.html", "page3.html"}));
        state = {};
        const ByteLines index =
            MakePage(0, 0, {"<td>$TPIC$</td><td>$TPIC$</td>", "<td>$TPIC$</td>"});
        EXPECT_EQ(Targets(index).size(), 3u) << index[0] << index[1];
    }
}

} // namespace
} // namespace pagoranto

#include "core/generator/layoutanalysis.h"
#include "core/text/linefile.h"
#include "tests/support/recordingevents.h"
#include "tests/support/scratchdirectory.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace pagoranto {
namespace {

using testing::RecordingEvents;

LayoutAnalysis Analyse(ByteLines lines)
{
    RecordingEvents events;
    return AnalyseLayoutLines(std::move(lines), "layout.html", events);
}

TEST(AnalyseLayout, CountsEveryOccurrenceInAnyCase)
{
    const LayoutAnalysis analysis =
        Analyse({"<p>$PIC$ $PIC$</p>", "", "$pic$ $html1$ $HOME$ $home$", "$NAVI", "GATE$"});
    EXPECT_EQ(analysis.picCount(), 3);
    EXPECT_EQ(analysis.tpicCount(), 0);
    EXPECT_EQ(analysis.commandCounts[33], 1); // $HTML1$
    EXPECT_EQ(analysis.commandCounts[30], 2); // $HOME$
    EXPECT_EQ(analysis.commandCounts[26], 0); // split $NAVIGATE$
    EXPECT_EQ(analysis.total, 6);
    EXPECT_EQ(analysis.protocol, (ByteLines{
                                     "Found commands in layout.html",
                                     "Command $PIC$        found 3time(s)",
                                     "Command $HOME$       found 2time(s)",
                                     "Command $HTML1$      found 1time(s)",
                                     "Total found commands: 6",
                                     "Total found \"hidden\" commands",
                                     "Not found: <!--comment-->",
                                     "Not found: <!--metaauthor-->",
                                     "Not found: <!--metakeywords-->",
                                     "Not found: <!--title-->",
                                 }));
}

TEST(AnalyseLayout, LongCommandNamesGetNoPadding)
{
    const LayoutAnalysis analysis = Analyse({"$FILENAMEWEU$ $PCOMMENTFL$ $FILENAME$"});
    EXPECT_EQ(analysis.protocol[1], "Command $FILENAME$   found 1time(s)");
    EXPECT_EQ(analysis.protocol[2], "Command $FILENAMEWEU$ found 1time(s)");
    EXPECT_EQ(analysis.protocol[3], "Command $PCOMMENTFL$ found 1time(s)");
}

TEST(AnalyseLayout, HiddenMarkersAreReportedButNotCounted)
{
    const LayoutAnalysis analysis = Analyse({"<head><!--title--></head>", "<!--METAAUTHOR-->"});
    EXPECT_EQ(analysis.total, 0);
    EXPECT_EQ(analysis.markerFound, (std::array<bool, 4>{false, true, false, true}));
    EXPECT_EQ(analysis.protocol, (ByteLines{
                                     "Found commands in layout.html",
                                     "Total found commands: 0",
                                     "Total found \"hidden\" commands",
                                     "Not found: <!--comment-->",
                                     "Found: <!--metaauthor-->",
                                     "Not found: <!--metakeywords-->",
                                     "Found: <!--title-->",
                                 }));
}

TEST(AnalyseLayout, ThumbnailCountsAndEventsPerLine)
{
    RecordingEvents events;
    const LayoutAnalysis analysis =
        AnalyseLayoutLines({"$TPIC$ $tpic$", "$TPIC$"}, "index.html", events);
    EXPECT_EQ(analysis.tpicCount(), 3);
    // once after loading, once per line for each command, once per non-empty line per marker
    EXPECT_EQ(events.processed, 1 + 45 * 2 + 4 * 2);
}

TEST(AnalyseLayout, UnreadableTemplateIsAnEmptyText)
{
    RecordingEvents events;
    const testing::ScratchDirectory dir;
    const auto missing = dir.file("pagoranto-no-such-layout.html");
    const LayoutAnalysis analysis = AnalyseLayout(missing, events);
    EXPECT_EQ(analysis.total, 0);
    EXPECT_EQ(analysis.protocol.front(), "Found commands in pagoranto-no-such-layout.html");
    EXPECT_EQ(analysis.protocol.size(), 7u);
}

TEST(AnalyseLayout, ReadsTheTemplateFile)
{
    RecordingEvents events;
    const testing::ScratchDirectory dir;
    const auto file = dir.file("pagoranto-analysis-test.html");
    ASSERT_TRUE(WriteLineFile(file, {"<html>", "$PIC$ $NEXT$", "<!--comment-->"}));
    const LayoutAnalysis analysis = AnalyseLayout(file, events);
    EXPECT_EQ(analysis.total, 2);
    EXPECT_TRUE(analysis.markerFound[0]);
}

} // namespace
} // namespace pagoranto

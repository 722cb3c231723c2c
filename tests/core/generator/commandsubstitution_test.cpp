#include "core/generator/commandsubstitution.h"
#include "core/generator/findcommand.h"
#include "tests/support/recordingevents.h"

#include <gtest/gtest.h>

namespace pagoranto {
namespace {

using testing::RecordingEvents;

TEST(FindCommand, ComparesOnlyAsciiLettersWithoutCase)
{
    EXPECT_EQ(FindCommand("<p>$Pic$</p>", "$PIC$"), 3u);
    EXPECT_EQ(FindCommand("$pic$ $PIC$", "$PIC$", 1), 6u);
    EXPECT_EQ(FindCommand("", "$PIC$"), std::string::npos);
    EXPECT_EQ(FindCommand("$PI", "$PIC$"), std::string::npos);
    // An accented capital is not the same byte as its small form.
    EXPECT_EQ(FindCommand("$\xC4\x42$", "$\xE4\x62$"), std::string::npos);
    EXPECT_EQ(FindCommand("<!--TITLE-->", "<!--title-->"), 0u);
    EXPECT_EQ(FindCommand("$html1$", "$HTML1$"), 0u);
}

class SubstitutionTest : public ::testing::Test {
protected:
    ByteLines page;
    RecordingEvents events;
    CommandSubstitution substitution{page, events};
};

TEST_F(SubstitutionTest, ReplacesEveryOccurrenceInEverySpelling)
{
    page = {"<td>$PIC$ $pic$ $Pic$</td>", "", "$PIC$"};
    EXPECT_TRUE(substitution.Substitute("$PIC$", "<IMG>"));
    EXPECT_EQ(page, (ByteLines{"<td><IMG> <IMG> <IMG></td>", "", "<IMG>"}));
    EXPECT_FALSE(substitution.substitutionBusy);
}

TEST_F(SubstitutionTest, CommandSplitOverTwoLinesStays)
{
    page = {"before $PI", "C$ after"};
    EXPECT_FALSE(substitution.Substitute("$PIC$", "<IMG>"));
    EXPECT_EQ(page, (ByteLines{"before $PI", "C$ after"}));
}

TEST_F(SubstitutionTest, CommandsMadeByEarlierReplacementsAreFound)
{
    page = {"$PI$GAP$C$ and $Title$", "$X$", "plain"};
    EXPECT_TRUE(substitution.Substitute("$GAP$", ""));
    EXPECT_TRUE(substitution.Substitute("$X$", "<b>$pic$</b>"));
    EXPECT_FALSE(substitution.Substitute("$NOWHERE$", "-"));
    EXPECT_TRUE(substitution.Substitute("$PIC$", "<IMG>"));
    EXPECT_EQ(page, (ByteLines{"<IMG> and $Title$", "<b><IMG></b>", "plain"}));

    // A new page of as many lines: told, the substitution looks at its lines afresh.
    page = {"$TITLE$", "$COUNT$", "$PIC$"};
    substitution.PageTextChanged();
    EXPECT_TRUE(substitution.Substitute("$title$", "T"));
    EXPECT_TRUE(substitution.Substitute("$count$", "1"));
    EXPECT_EQ(page, (ByteLines{"T", "1", "$PIC$"}));
}

TEST_F(SubstitutionTest, OnlyACommandNoLineCanHoldIsSaidToBeAbsent)
{
    page = {"<p>$Title$</p>", "plain"};
    EXPECT_FALSE(substitution.MayContain("$PIC$"));
    EXPECT_TRUE(substitution.MayContain("$TITLE$"));
    EXPECT_FALSE(substitution.MayContain("<!--title-->"));
    EXPECT_TRUE(substitution.MayContain("<title>")); // of no kind the lines keep: always searched

    page = {"<head>", "<!--TITLE-->"};
    substitution.PageTextChanged();
    EXPECT_TRUE(substitution.MayContain("<!--title-->"));
    EXPECT_FALSE(substitution.MayContain("$TITLE$"));
    page = {"<p>$Title$</p>"};
    substitution.PageTextChanged();

    // A replacement can bring a command in that the page did not hold.
    EXPECT_TRUE(substitution.Substitute("$title$", "$pic$"));
    EXPECT_TRUE(substitution.MayContain("$PIC$"));

    page = {"$COUNT$"};
    substitution.PageTextChanged();
    EXPECT_FALSE(substitution.MayContain("$PIC$"));
    EXPECT_TRUE(substitution.MayContain("$count$"));
}

TEST_F(SubstitutionTest, ThumbnailCommandIsReplacedOncePerCallInReadingOrder)
{
    page = {"no thumbnail here", "$TPIC$ and $tpic$", "$TPIC$"};
    EXPECT_TRUE(substitution.Substitute("$tpic$", "[1]"));
    EXPECT_EQ(page[1], "[1] and $tpic$");
    EXPECT_EQ(page[2], "$TPIC$");
    EXPECT_TRUE(substitution.Substitute("$tpic$", "[2]"));
    EXPECT_EQ(page[1], "[1] and [2]");
    EXPECT_TRUE(substitution.Substitute("$tpic$", "[3]"));
    EXPECT_EQ(page[2], "[3]");
    EXPECT_FALSE(substitution.Substitute("$tpic$", "[4]"));
}

TEST_F(SubstitutionTest, OnlyTheRunsLowerCaseSpellingIsOnceOnly)
{
    page = {"$TPIC$ $TPIC$"};
    substitution.Substitute("$TPIC$", "x");
    EXPECT_EQ(page[0], "x x");
}

TEST_F(SubstitutionTest, PageOfEmptyLinesFindsNothing)
{
    page = {"", "", ""};
    EXPECT_FALSE(substitution.Substitute("$tpic$", "x"));
    EXPECT_EQ(page, (ByteLines{"", "", ""}));
    page.clear();
    EXPECT_FALSE(substitution.Substitute("$COUNT$", "1"));
}

TEST_F(SubstitutionTest, ReplacementHoldingItsOwnCommandIsInsertedOnce)
{
    page = {"<p>$html1$</p> $HTML1$"};
    EXPECT_TRUE(substitution.Substitute("$html1$", "[$HTML1$]"));
    EXPECT_EQ(page[0], "<p>[$HTML1$]</p> [$HTML1$]");
    page = {"$home$"};
    substitution.PageTextChanged();
    substitution.Substitute("$home$", "<a href=\"x\">$home$ $Home$</a>");
    EXPECT_EQ(page[0], "<a href=\"x\">$home$ $Home$</a>");
}

TEST_F(SubstitutionTest, ReplacementHoldingALaterCommandIsFilledByThatStep)
{
    page = {"<title><!--title--></title>"};
    substitution.Substitute("<!--title-->", "Gallery $count$ of $total$");
    substitution.Substitute("$COUNT$", "3");
    substitution.Substitute("$TOTAL$", "12");
    EXPECT_EQ(page[0], "<title>Gallery 3 of 12</title>");
}

TEST_F(SubstitutionTest, VeryLongLineWithManyCommandsIsReplacedInOnePass)
{
    std::string line;
    for (int i = 0; i < 10000; ++i)
        line += "ab $Pic$ ";
    page = {line};
    EXPECT_TRUE(substitution.Substitute("$PIC$", "$PIC$!"));
    EXPECT_EQ(page[0].size(), line.size() + 10000);
    EXPECT_EQ(page[0].substr(0, 12), "ab $PIC$! ab");
}

TEST_F(SubstitutionTest, ProcessesMessagesPerLineAndIgnoresReentry)
{
    page = {"$NEXT$", "", "$NEXT$"};
    bool reentered = false;
    events.onProcess = [&] {
        if (reentered)
            return;
        reentered = true;
        EXPECT_TRUE(substitution.substitutionBusy);
        CommandSubstitution &same = substitution;
        const std::string savedCommand = same.command;
        same.SubstituteCommand();
        EXPECT_EQ(same.command, savedCommand);
    };
    EXPECT_TRUE(substitution.Substitute("$NEXT$", "n"));
    EXPECT_EQ(page, (ByteLines{"n", "", "n"}));
    EXPECT_EQ(events.processed, 4); // one per line and one at the end
}

} // namespace
} // namespace pagoranto

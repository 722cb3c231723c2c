#include "core/generator/forbiddentexts.h"
#include "tests/support/recordingprompts.h"

#include <gtest/gtest.h>

namespace pagoranto {
namespace {

using testing::RecordingPrompts;

std::string MessageNaming(std::string_view name)
{
    return "You've typed \"" + std::string(name) +
           "\", but it's not allowed in this edit field ,\r"
           "this entry will create a recursive replacement !\r\r"
           "This entry is about to be cleared !";
}

TEST(CheckForbiddenTexts, UpperCasePicIsCutAndNamedInLowerCase)
{
    RecordingPrompts prompts;
    std::string text = "My $PIC$ comment";
    EXPECT_TRUE(CheckForbiddenTexts(HiddenTextField::hcomment, text, prompts));
    EXPECT_EQ(text, "My  comment");
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].title, "ERROR");
    EXPECT_EQ(prompts.shown[0].text, MessageNaming("$pic$"));
}

TEST(CheckForbiddenTexts, TheAuthorMarkerIsNamedAsUsersKnowIt)
{
    RecordingPrompts prompts;
    std::string text = "by <!--METAAUTHOR--> me";
    EXPECT_TRUE(CheckForbiddenTexts(HiddenTextField::hauthor, text, prompts));
    EXPECT_EQ(text, "by  me");
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, MessageNaming("<!--meatauthor-->"));
}

// One pass cuts one occurrence per command; the second is left for the next change.
TEST(CheckForbiddenTexts, OnePassCutsOneOccurrenceOfEachCommandInOrder)
{
    RecordingPrompts prompts;
    std::string text = "$tpic$<!--title-->$pic$$TPIC$";
    EXPECT_TRUE(CheckForbiddenTexts(HiddenTextField::alternativetext, text, prompts));
    EXPECT_EQ(text, "$TPIC$");
    ASSERT_EQ(prompts.shown.size(), 3u);
    EXPECT_EQ(prompts.shown[0].text, MessageNaming("$tpic$"));
    EXPECT_EQ(prompts.shown[1].text, MessageNaming("$pic$"));
    EXPECT_EQ(prompts.shown[2].text, MessageNaming("<!--title-->"));
}

TEST(CheckForbiddenTexts, EachFieldChecksOnlyItsOwnCommands)
{
    RecordingPrompts prompts;
    std::string target = "<!--title-->_top";
    EXPECT_FALSE(CheckForbiddenTexts(HiddenTextField::htarget, target, prompts));
    std::string title = "<!--comment--> $count$";
    EXPECT_FALSE(CheckForbiddenTexts(HiddenTextField::hpagetitle, title, prompts));
    std::string empty;
    EXPECT_FALSE(CheckForbiddenTexts(HiddenTextField::hkeywords, empty, prompts));
    EXPECT_TRUE(prompts.shown.empty());

    std::string keywords = "a,<!--metakeywords-->";
    EXPECT_TRUE(CheckForbiddenTexts(HiddenTextField::hkeywords, keywords, prompts));
    EXPECT_EQ(keywords, "a,");
    std::string picture = "<!--metaauthor-->";
    EXPECT_TRUE(CheckForbiddenTexts(HiddenTextField::alternativePPIICCtext, picture, prompts));
    EXPECT_EQ(picture, "");
}

} // namespace
} // namespace pagoranto

#include "core/generator/recursionguard.h"
#include "tests/support/recordingprompts.h"

#include <gtest/gtest.h>

namespace pagoranto {
namespace {

using testing::RecordingPrompts;

TEST(GuardRecursiveText, CutsTheOwnCommandOutAndSaysWhy)
{
    RecordingPrompts prompts;
    const GuardedText guarded = GuardRecursiveText("Next $NEXT$", "$next$", prompts);
    EXPECT_TRUE(guarded.changed);
    EXPECT_EQ(guarded.text, "Next ");
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].title, "ERROR");
    EXPECT_EQ(prompts.shown[0].text,
              "You've typed \"$next$\", but it's not allowed in this edit field,\r"
              "this entry will create a recursive replacement !\r\r"
              "This entry is about to be cleared !");
    EXPECT_EQ(prompts.shown[0].buttons, PromptButtons::Ok);
}

TEST(GuardRecursiveText, RemovesOnlyTheFirstOccurrence)
{
    RecordingPrompts prompts;
    EXPECT_EQ(GuardRecursiveText("a$first$b$FIRST$", "$first$", prompts).text, "ab$FIRST$");
}

TEST(GuardRecursiveText, LeavesHarmlessTextsAlone)
{
    RecordingPrompts prompts;
    EXPECT_FALSE(GuardRecursiveText("", "$next$", prompts).changed);
    const GuardedText other = GuardRecursiveText("$previous$ and $NEX", "$next$", prompts);
    EXPECT_FALSE(other.changed);
    EXPECT_EQ(other.text, "$previous$ and $NEX");
    EXPECT_TRUE(prompts.shown.empty());
}

} // namespace
} // namespace pagoranto

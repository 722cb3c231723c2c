#include "core/generator/commandlist.h"
#include "core/generator/findcommand.h"
#include "core/generator/substitutionorder.h"

#include <gtest/gtest.h>
#include <set>

namespace pagoranto {
namespace {

TEST(CommandList, HoldsTheCommandsInTheirFixedPositions)
{
    const auto &commands = commandList();
    EXPECT_EQ(commands[picCommandIndex].text, "$PIC$");
    EXPECT_EQ(commands[tpicCommandIndex].text, "$TPIC$");
    EXPECT_EQ(commands[13].text, "$FREETEXT$");
    EXPECT_EQ(commands[38].text, "$PCOMMENTFL$");
    EXPECT_EQ(commands[39].text, "$HTML0$");
    EXPECT_EQ(commands[44].text, "$HTML9$");
    EXPECT_EQ(commands[2].germanHelp, "Die Dateigr\xC3\xB6\xC3\x9F"
                                      "e (kb) des aktuellen Bilds wird eingef\xC3\xBCgt");
    EXPECT_EQ(commands[40].englishHelp, "Inserts at this position html tags");
    EXPECT_EQ(CommandIndex("$home$"), 30u);
    EXPECT_EQ(CommandIndex("<!--title-->"), commandListSize);
}

TEST(CommandList, NoCommandHoldsAnother)
{
    for (const auto &outer : commandList()) {
        for (const auto &inner : commandList()) {
            if (&outer != &inner) {
                EXPECT_FALSE(ContainsCommand(outer.text, inner.text)) << outer.text << inner.text;
            }
        }
    }
}

TEST(SubstitutionOrder, NumbersStepsAndLinksCountedStepsToTheirCommand)
{
    const auto &steps = substitutionOrder();
    std::set<std::size_t> counted;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        EXPECT_EQ(steps[i].number, static_cast<int>(i + 1));
        if (steps[i].condition == StepCondition::CommandCounted) {
            ASSERT_LT(steps[i].commandIndex, commandListSize) << steps[i].searchedText;
            EXPECT_TRUE(counted.insert(steps[i].commandIndex).second);
        }
    }
    EXPECT_EQ(counted.size(), 25u);
    EXPECT_EQ(steps[2].searchedText, "<!--title-->");
    EXPECT_EQ(steps[2].condition, StepCondition::UsePageCommand);
    EXPECT_EQ(steps[10].searchedText, "$tpic$");
    EXPECT_EQ(steps[10].condition, StepCondition::EveryThumbnail);
    EXPECT_EQ(steps[15].searchedText, "$html0$");
    EXPECT_EQ(steps[39].searchedText, "$COUNT$");
    EXPECT_EQ(steps[39].condition, StepCondition::Always);
    EXPECT_EQ(steps[49].condition, StepCondition::HeaderOrFooterUse);
}

TEST(SubstitutionOrder, EveryCommandHasExactlyOneStep)
{
    std::set<std::size_t> seen;
    for (const auto &step : substitutionOrder()) {
        if (step.commandIndex < commandListSize) {
            EXPECT_TRUE(seen.insert(step.commandIndex).second) << step.searchedText;
        }
    }
    EXPECT_EQ(seen.size(), commandListSize);
}

} // namespace
} // namespace pagoranto

#include "core/generator/pagecounter.h"

#include <gtest/gtest.h>

namespace pagoranto {
namespace {

void StepUpWhileItCounts(PageCounter &counter, CounterSpin spin)
{
    while (counter.stepUp(spin)) {
    }
}

TEST(PageCounter, StartsAtOne)
{
    EXPECT_EQ(PageCounter().value(), 1);
}

TEST(PageCounter, EachSpinStopsBelowItsUpperLimit)
{
    PageCounter counter;
    StepUpWhileItCounts(counter, CounterSpin::SpinButton1);
    EXPECT_EQ(counter.value(), 499901); // the last step by 100 started at 499801
    StepUpWhileItCounts(counter, CounterSpin::SpinButton2);
    EXPECT_EQ(counter.value(), 499991);
    StepUpWhileItCounts(counter, CounterSpin::SpinButton3);
    EXPECT_EQ(counter.value(), 500000);
    EXPECT_FALSE(counter.stepUp(CounterSpin::SpinButton1));
    EXPECT_EQ(counter.value(), 500000);
}

TEST(PageCounter, LargeStepsUpStopBeforeTheTop)
{
    PageCounter counter;
    StepUpWhileItCounts(counter, CounterSpin::SpinButton3);
    EXPECT_EQ(counter.value(), 500000);
    EXPECT_FALSE(counter.stepUp(CounterSpin::SpinButton2));
    EXPECT_TRUE(counter.stepDown(CounterSpin::SpinButton2));
    EXPECT_TRUE(counter.stepDown(CounterSpin::SpinButton3));
    EXPECT_EQ(counter.value(), 499989);
    EXPECT_TRUE(counter.stepUp(CounterSpin::SpinButton2));
    EXPECT_EQ(counter.value(), 499999);
    EXPECT_FALSE(counter.stepUp(CounterSpin::SpinButton2));
}

TEST(PageCounter, StepsDownOnlyWhileAtLeastTheirLowerLimit)
{
    PageCounter counter;
    EXPECT_FALSE(counter.stepDown(CounterSpin::SpinButton3));
    for (int i = 0; i < 10; ++i)
        counter.stepUp(CounterSpin::SpinButton3);
    EXPECT_FALSE(counter.stepDown(CounterSpin::SpinButton2)); // at 11
    counter.stepUp(CounterSpin::SpinButton3);
    EXPECT_TRUE(counter.stepDown(CounterSpin::SpinButton2));
    EXPECT_EQ(counter.value(), 2);

    counter.stepUp(CounterSpin::SpinButton1);
    counter.stepDown(CounterSpin::SpinButton3);
    EXPECT_FALSE(counter.stepDown(CounterSpin::SpinButton1)); // at 101
    counter.stepUp(CounterSpin::SpinButton3);
    EXPECT_TRUE(counter.stepDown(CounterSpin::SpinButton1));
    EXPECT_EQ(counter.value(), 2);

    EXPECT_TRUE(counter.stepDown(CounterSpin::SpinButton3));
    EXPECT_EQ(counter.value(), 1);
}

TEST(PageCounter, CountsSavedPagesAndResetsOnlyWhenAsked)
{
    PageCounter counter;
    for (int i = 0; i < 3; ++i)
        counter.pageSaved();
    counter.runEnded(false);
    EXPECT_EQ(counter.value(), 4);
    counter.pageSaved();
    counter.runEnded(true);
    EXPECT_EQ(counter.value(), 1);

    counter.stepUp(CounterSpin::SpinButton1);
    counter.setToOne();
    EXPECT_EQ(counter.value(), 1);
}

} // namespace
} // namespace pagoranto

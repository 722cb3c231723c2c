#include "core/generator/ledrow.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace pagoranto {
namespace {

void TickTimes(LedRow &row, int ticks)
{
    for (int i = 0; i < ticks; ++i)
        row.Tick();
}

TEST(LedRow, EachTickMovesTheNextLedInTurn)
{
    LedRow row({5, 5, 5, 5, 5, 5, 5, 5, 5, 5}, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
    for (std::size_t led = 0; led < LedRow::ledCount; ++led) {
        EXPECT_EQ(row.nextLed(), led);
        row.Tick();
        EXPECT_EQ(row.levels()[led], 6);
        if (led + 1 < LedRow::ledCount) {
            EXPECT_EQ(row.levels()[led + 1], 5) << "moved before its turn";
        }
    }
    EXPECT_EQ(row.nextLed(), 0u);
    row.Tick();
    EXPECT_EQ(row.levels()[0], 7);
}

TEST(LedRow, StepTurnsOnlyWhenTheLevelWouldPassTheEnds)
{
    struct Row {
        const char *name;
        int level;
        int step;
        int levelAfterOne;
        int stepAfterOne;
        int levelAfterTwo;
    };
    const Row rows[] = {
        {"reaching brightest keeps going up", 8, 1, 9, 1, 9},
        {"at brightest stays and turns", 9, 1, 9, -1, 8},
        {"overshooting brightest is clamped", 8, 3, 9, -3, 6},
        {"reaching darkest keeps going down", 1, -1, 0, -1, 0},
        {"overshooting darkest is clamped", 1, -2, 0, 2, 2},
        {"standing still", 4, 0, 4, 0, 4},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        LedRow row({r.level, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {r.step, 0, 0, 0, 0, 0, 0, 0, 0, 0});
        row.Tick();
        EXPECT_EQ(row.levels()[0], r.levelAfterOne);
        EXPECT_EQ(row.steps()[0], r.stepAfterOne);
        TickTimes(row, LedRow::ledCount);
        EXPECT_EQ(row.levels()[0], r.levelAfterTwo);
    }
}

TEST(LedRow, LevelsOutsideTheImagesAreClamped)
{
    LedRow row({-3, 12, 0, 9, 0, 0, 0, 0, 0, 0}, {});
    EXPECT_EQ(row.levels()[0], LedRow::darkest);
    EXPECT_EQ(row.levels()[1], LedRow::brightest);
}

TEST(LedRow, StartingRowIsAWaveThatRunsAlongTheRow)
{
    LedRow row;
    const LedRow::Levels start = row.levels();
    EXPECT_NE(*std::min_element(start.begin(), start.end()),
              *std::max_element(start.begin(), start.end()));

    // Two moves of every LED shift the whole pattern one LED towards the start.
    TickTimes(row, 2 * LedRow::ledCount);
    LedRow::Levels shifted = start;
    std::rotate(shifted.begin(), shifted.begin() + 1, shifted.end());
    EXPECT_EQ(row.levels(), shifted);

    // A level runs 0..9 and back in twenty moves, so the row returns to where it began.
    TickTimes(row, 18 * LedRow::ledCount);
    EXPECT_EQ(row.levels(), start);
}

} // namespace
} // namespace pagoranto

#include "core/pictures/locationcolumn.h"

#include <gtest/gtest.h>

namespace pagoranto {
namespace {

TEST(PictureLocationLabels, MarksTheSecondPage)
{
    const auto labels = PictureLocationLabels(0, 20, 12);
    for (int k = 0; k < 12; ++k)
        EXPECT_EQ(labels[k], "P001") << "row " << k;
    for (int k = 12; k < 16; ++k)
        EXPECT_EQ(labels[k], "#P002") << "row " << k;
}

TEST(PictureLocationLabels, MarkerCyclesWithEachNewPageFromTheTopRow)
{
    const auto labels = PictureLocationLabels(3, 100, 4);
    EXPECT_EQ(labels[0], "P001");
    EXPECT_EQ(labels[1], "#P002");
    EXPECT_EQ(labels[4], "#P002");
    EXPECT_EQ(labels[5], "  #P003");
    EXPECT_EQ(labels[9], "P004");
    EXPECT_EQ(labels[13], "#P005");
}

TEST(PictureLocationLabels, BlankPastTheLastEntry)
{
    const auto labels = PictureLocationLabels(0, 3, 1);
    EXPECT_EQ(labels[0], "P001");
    EXPECT_EQ(labels[1], "#P002");
    EXPECT_EQ(labels[2], "  #P003");
    for (int k = 3; k < 16; ++k)
        EXPECT_EQ(labels[k], " ");
    for (const std::string &label : PictureLocationLabels(0, 0, 12))
        EXPECT_EQ(label, " ");
}

TEST(PictureLocationLabels, ListWithinOnePageStillShowsItsPage)
{
    for (const std::string &label : PictureLocationLabels(0, 16, 20))
        EXPECT_EQ(label, "P001");
}

TEST(PictureLocationLabels, PageNumbersGrowPastThreeDigits)
{
    const auto labels = PictureLocationLabels(998, 1100, 1);
    EXPECT_EQ(labels[0], "P999");
    EXPECT_EQ(labels[1], "#P1000");
}

TEST(PictureLocationLabels, NoPageSizeGivesBlanks)
{
    for (const std::string &label : PictureLocationLabels(0, 5, 0))
        EXPECT_EQ(label, " ");
}

} // namespace
} // namespace pagoranto

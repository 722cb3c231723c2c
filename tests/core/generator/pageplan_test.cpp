#include "core/generator/pageplan.h"
#include "core/options/pagenameoptions.h"

#include <gtest/gtest.h>

namespace pagoranto {
namespace {

using Names = std::vector<std::string>;

TEST(MakePagePlan, ThumbnailPagesThatFillTheTemplate)
{
    const PagePlan plan = MakePagePlan(0, 10, 20, 1, PageNameOptions{});
    EXPECT_EQ(plan.lastPictureIndex, 19);
    EXPECT_EQ(plan.pageCount, 2);
    EXPECT_EQ(plan.picturesPerPage, 10);
    EXPECT_EQ(plan.verdict, PlanVerdict::Perfect);
    EXPECT_EQ(plan.verdictText, "Perfect");
    EXPECT_FALSE(plan.fitPiclistEnabled);
    EXPECT_EQ(plan.pageNameList, (Names{"page0001.html", "page0002.html"}));
}

TEST(MakePagePlan, LastThumbnailPageNotFull)
{
    const PagePlan plan = MakePagePlan(0, 10, 21, 1, PageNameOptions{});
    EXPECT_EQ(plan.pageCount, 3);
    EXPECT_EQ(plan.verdict, PlanVerdict::NotEnough);
    EXPECT_EQ(plan.verdictText, "Not enough");
    EXPECT_TRUE(plan.fitPiclistEnabled);
    EXPECT_EQ(plan.tpicFoundText, "Found 10 $TPIC$ in your template");
    EXPECT_EQ(plan.picFoundText, "Found 0 $PIC$ in your template");
    EXPECT_EQ(plan.creatingPagesText, "Now creating 3 pages");
    EXPECT_EQ(plan.pageCountText, "3");
    EXPECT_EQ(plan.pictureCountText, "21 pictures");

    EXPECT_EQ(MakePagePlan(0, 9, 23, 1, PageNameOptions{}).pageCount, 3);
}

TEST(MakePagePlan, PicturePagesOnePerPictureEvenWithThumbnails)
{
    for (const int tpicCount : {0, 5}) {
        const PagePlan plan = MakePagePlan(1, tpicCount, 23, 1, PageNameOptions{});
        EXPECT_EQ(plan.pageCount, 23);
        EXPECT_EQ(plan.picturesPerPage, 1);
        EXPECT_EQ(plan.verdict, PlanVerdict::Perfect);
        EXPECT_FALSE(plan.fitPiclistEnabled);
        EXPECT_EQ(plan.pageNameList.size(), 23u);
    }
}

TEST(MakePagePlan, FirstPageNameStillUsesACounterValue)
{
    PageNameOptions options;
    options.usedifferentfirst = true;
    EXPECT_EQ(MakePagePlan(1, 0, 3, 1, options).pageNameList,
              (Names{"index.html", "page0002.html", "page0003.html"}));
    EXPECT_EQ(MakePagePlan(0, 10, 4, 1, options).pageNameList, (Names{"index.html"}));
    EXPECT_EQ(MakePagePlan(1, 0, 2, 41, PageNameOptions{}).pageNameList,
              (Names{"page0041.html", "page0042.html"}));
}

TEST(MakePagePlan, TemplateWithoutPictureCommandsPlansNothing)
{
    const PagePlan plan = MakePagePlan(0, 0, 5, 1, PageNameOptions{});
    EXPECT_EQ(plan.pageCount, 0);
    EXPECT_EQ(plan.picturesPerPage, 0);
    EXPECT_TRUE(plan.pageNameList.empty());
    EXPECT_EQ(plan.verdict, PlanVerdict::NotEnough);
    EXPECT_FALSE(plan.fitPiclistEnabled);
    EXPECT_EQ(plan.creatingPagesText, "Now creating 0 pages");
}

TEST(MakePagePlan, NoPictures)
{
    for (const auto &[picCount, tpicCount] : {std::pair{0, 0}, {0, 10}, {1, 0}}) {
        const PagePlan plan = MakePagePlan(picCount, tpicCount, 0, 1, PageNameOptions{});
        EXPECT_EQ(plan.lastPictureIndex, -1);
        EXPECT_EQ(plan.pageCount, 0);
        EXPECT_EQ(plan.verdict, PlanVerdict::Perfect);
        EXPECT_EQ(plan.pictureCountText, "0 pictures");
    }
}

} // namespace
} // namespace pagoranto

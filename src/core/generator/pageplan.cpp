#include "core/generator/pageplan.h"

#include "core/generator/pagenames.h"

namespace pagoranto {

PagePlan MakePagePlan(int picCount, int tpicCount, int pictureCount, std::int64_t firstPageNumber,
                      const PageNameOptions &options)
{
    PagePlan plan;
    plan.lastPictureIndex = pictureCount - 1;
    if (picCount > 0) {
        plan.pageCount = pictureCount;
        plan.picturesPerPage = 1;
    } else if (tpicCount > 0) {
        plan.pageCount = pictureCount / tpicCount + (pictureCount % tpicCount != 0 ? 1 : 0);
        plan.picturesPerPage = tpicCount;
    }
    // Without either command nothing fits, and there is nothing to fit the list to, unless
    // there are no pictures at all.
    const bool filled =
        picCount > 0 || (tpicCount > 0 ? pictureCount % tpicCount == 0 : pictureCount == 0);
    plan.verdict = filled ? PlanVerdict::Perfect : PlanVerdict::NotEnough;
    plan.verdictText = filled ? "Perfect" : "Not enough";
    plan.fitPiclistEnabled = !filled && tpicCount > 0;

    for (int k = 1; k <= plan.pageCount; ++k)
        plan.pageNameList.push_back(PageFileName(k, firstPageNumber, options));

    plan.tpicFoundText = "Found " + std::to_string(tpicCount) + " $TPIC$ in your template";
    plan.picFoundText = "Found " + std::to_string(picCount) + " $PIC$ in your template";
    plan.creatingPagesText = "Now creating " + std::to_string(plan.pageCount) + " pages";
    plan.pageCountText = std::to_string(plan.pageCount);
    plan.pictureCountText = std::to_string(pictureCount) + " pictures";
    return plan;
}

} // namespace pagoranto

#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace pagoranto {

struct PageNameOptions;

enum class PlanVerdict { Perfect, NotEnough };

struct PagePlan {
    int lastPictureIndex = -1;
    int pageCount = 0;
    int picturesPerPage = 0;
    std::vector<std::string> pageNameList;
    PlanVerdict verdict = PlanVerdict::Perfect;
    std::string verdictText;        // "Perfect" / "Not enough"
    bool fitPiclistEnabled = false; // the picture-list window's "Fit piclist to template"
    std::string tpicFoundText;      // picture-list window, Label4
    std::string picFoundText;       // picture-list window, Label12
    std::string creatingPagesText;  // picture-list window, Label5
    std::string pageCountText;      // main window, Label4
    std::string pictureCountText;   // picture-list window summary
};

// The pages a run makes from pictureCount pictures with a template of picCount $PIC$ and
// tpicCount $TPIC$, named from firstPageNumber on.
PagePlan MakePagePlan(int picCount, int tpicCount, int pictureCount, std::int64_t firstPageNumber,
                      const PageNameOptions &options);

} // namespace pagoranto

#pragma once

#include "core/generator/pageplan.h"

#include <functional>
#include <string>
#include <vector>

namespace pagoranto {

// What the picture-list window asks of the main window and the run.
struct PictureListContext {
    std::function<PagePlan(int pictureCount)> makePlan;
    // The captions of the main window's thumbnail list, in list order.
    std::function<std::vector<std::string>()> thumbnailCaptions;
    // Ticks exactly these pictures in the thumbnail list.
    std::function<void(const std::vector<std::string> &)> markListedPictures;
    // A sorting list was written: the main window reads its sorting-list files again.
    std::function<void()> sortingListSaved;
    // The single-page entry of the Create run, entered while the window stays open.
    std::function<void()> singlePageRun;
    // The window closes for the whole gallery or for good: the run's single-page flag must go.
    std::function<void()> clearSinglePageRun;
    std::function<void(bool)> thumbnailsToggled;
    std::function<void(bool)> htmlcompressToggled;
};

} // namespace pagoranto

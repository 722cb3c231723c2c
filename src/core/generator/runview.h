#pragma once

#include "core/generator/endstatus.h"
#include "core/generator/layoutanalysis.h"
#include "core/generator/pageplan.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pagoranto {

enum class PictureListResult { Ok, Cancel };

// The input a refused run opens for the user.
enum class RunInput { TemplateSelection, ThumbnailList, SpecialOptionsTab, DirectoryLevels };

// What a Create run shows while it goes. Every call has a do-nothing default, so a front end
// without windows overrides only what it shows.
class RunView {
public:
    virtual ~RunView() = default;

    virtual void ShowRunStatus(std::string_view) {}
    virtual void ShowPageCounter(std::int64_t) {}
    virtual void ShowPagePlan(const PagePlan &) {}
    virtual void ShowPageNumber(int) {}
    virtual void ShowElapsedTime(std::string_view) {}
    virtual void ShowCompressIndicator(std::string_view) {}
    virtual void ShowProtocol(const LayoutAnalysis &) {}
    virtual void SetCreateButtonCaption(std::string_view) {}
    virtual void LockControlsForRun(bool /*showCompressIndicator*/) {}
    virtual void UnlockControlsAfterRun() {}
    virtual void ShowWorkingPanels() {}
    virtual void HideWorkingPanels() {}
    virtual void RefreshPageFileList() {}
    virtual void OpenInput(RunInput) {}

    // The ticked pictures of the thumbnail list, in list order.
    virtual std::vector<std::string> CollectCheckedPictures() { return {}; }
    // The picture-list window: the user may reorder, remove or load pictures.
    virtual PictureListResult ShowPictureList(std::vector<std::string> & /*creationList*/,
                                              const PagePlan &,
                                              const std::vector<std::string> & /*sortingLists*/)
    {
        return PictureListResult::Ok;
    }
    virtual void ShowThumbnailerBusy(bool /*shown*/) {}
    virtual void AddToHistory(const std::string & /*pictureDir*/,
                              const std::string & /*templatePath*/)
    {
    }
    virtual void ShowEndStatus(const EndStatus &) {}
};

} // namespace pagoranto

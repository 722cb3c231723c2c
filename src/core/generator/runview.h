#pragma once

#include "core/generator/endstatus.h"
#include "core/generator/layoutanalysis.h"
#include "core/generator/pageplan.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pagoranto {

enum class PictureListResult { Ok, Cancel };

// Where a run stands; the window decides what each state shows and locks.
enum class RunState {
    idle,     // no run: everything usable
    checking, // the checks passed their first hurdles: the controls are locked
    creating, // pages are being made: a press of the Create button stops the run
    stopping, // stopped; the page being made is still finished
    ending,   // the pages are made: the needed files and the end status come
};

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
    virtual void ShowRunState(RunState) {}
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
    // Web-size copies made so far of those to make; (0, 0) once the step is over.
    virtual void ShowWebPictureProgress(std::size_t /*done*/, std::size_t /*total*/) {}
    virtual void AddToHistory(const std::string & /*pictureDir*/,
                              const std::string & /*templatePath*/)
    {
    }
    virtual void ShowEndStatus(const EndStatus &) {}
};

} // namespace pagoranto

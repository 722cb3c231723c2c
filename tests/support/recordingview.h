#pragma once

#include "core/generator/runview.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace pagoranto::testing {

// Remembers what a run showed; the picture-list step can be scripted.
class RecordingView : public RunView {
public:
    void ShowRunStatus(std::string_view text) override { statuses.emplace_back(text); }
    void ShowPageCounter(std::int64_t value) override { counterShown = value; }
    void ShowPageNumber(int number) override { pageNumbers.push_back(number); }
    // The main window's caption and locking for each state.
    void ShowRunState(RunState state) override
    {
        states.push_back(state);
        if (state != RunState::stopping)
            buttonCaption = state == RunState::creating ? "Stop" : "Create";
        locked = state == RunState::checking || state == RunState::creating;
    }
    void OpenInput(RunInput input) override { opened.push_back(input); }
    std::vector<std::string> CollectCheckedPictures() override { return checked; }
    PictureListResult ShowPictureList(std::vector<std::string> &creationList, const PagePlan &,
                                      const std::vector<std::string> &) override
    {
        ++pictureListShown;
        if (reorder)
            reorder(creationList);
        return pictureListAnswer;
    }
    void AddToHistory(const std::string &pictureDir, const std::string &templatePath) override
    {
        history.push_back(pictureDir + "|" + templatePath);
    }
    void ShowEndStatus(const EndStatus &status) override { endStatus = status; }

    std::vector<RunState> states;
    std::vector<std::string> statuses;
    std::vector<int> pageNumbers;
    std::vector<RunInput> opened;
    std::vector<std::string> checked;
    std::vector<std::string> history;
    std::function<void(std::vector<std::string> &)> reorder;
    PictureListResult pictureListAnswer = PictureListResult::Ok;
    int pictureListShown = 0;
    std::int64_t counterShown = 0;
    std::string buttonCaption;
    bool locked = false;
    std::optional<EndStatus> endStatus;
};

} // namespace pagoranto::testing

#pragma once

#include "core/generator/runview.h"

namespace pagoranto {

class TForm1;

// What a Create run shows, on the main window and the windows it opens.
class MainWindowRunView : public RunView {
public:
    explicit MainWindowRunView(TForm1 &form) : m_form(form) {}

    void ShowRunStatus(std::string_view text) override;
    void ShowPageCounter(std::int64_t counter) override;
    void ShowPagePlan(const PagePlan &plan) override;
    void ShowPageNumber(int number) override;
    void ShowElapsedTime(std::string_view text) override;
    void ShowCompressIndicator(std::string_view text) override;
    void ShowProtocol(const LayoutAnalysis &analysis) override;
    void ShowRunState(RunState state) override;
    void RefreshPageFileList() override;
    void OpenInput(RunInput input) override;
    std::vector<std::string> CollectCheckedPictures() override;
    PictureListResult ShowPictureList(std::vector<std::string> &creationList, const PagePlan &plan,
                                      const std::vector<std::string> &sortingLists) override;
    void ShowThumbnailerBusy(bool shown) override;
    void ShowWebPictureProgress(std::size_t done, std::size_t total) override;
    void AddToHistory(const std::string &pictureDir, const std::string &templatePath) override;
    void ShowEndStatus(const EndStatus &status) override;

private:
    TForm1 &m_form;
};

} // namespace pagoranto

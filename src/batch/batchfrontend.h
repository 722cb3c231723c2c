#pragma once

#include "core/generator/runview.h"
#include "core/platform/events.h"
#include "core/platform/prompts.h"

#include <string>
#include <vector>

namespace pagoranto {

// Answers every question as the batch program's options say and prints every message.
class BatchPrompts : public Prompts {
public:
    explicit BatchPrompts(bool overwrite) : m_overwrite(overwrite) {}
    PromptAnswer show(std::string_view title, std::string_view text,
                      PromptButtons buttons) override;

private:
    bool m_overwrite;
};

class BatchEvents : public Events {
public:
    void processPendingMessages() override {}
    void keepResponsive() override {}
    void waitForMessages(std::uint64_t milliseconds) override;
    std::uint64_t tickCount() override;
};

class BatchView : public RunView {
public:
    BatchView(std::vector<std::string> pictures, bool showProgress)
        : m_pictures(std::move(pictures)), m_showProgress(showProgress)
    {
    }

    std::vector<std::string> CollectCheckedPictures() override { return m_pictures; }
    void ShowPagePlan(const PagePlan &plan) override { m_pageCount = plan.pageCount; }
    void ShowPageNumber(int number) override;
    void ShowWebPictureProgress(std::size_t done, std::size_t total) override;
    void ShowEndStatus(const EndStatus &status) override { m_firstPage = status.d_firstpage; }

    const std::string &firstPage() const { return m_firstPage; }

private:
    std::vector<std::string> m_pictures;
    bool m_showProgress;
    int m_pageCount = 0;
    std::string m_firstPage;
};

} // namespace pagoranto

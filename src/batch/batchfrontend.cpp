#include "batch/batchfrontend.h"

#include <chrono>
#include <cstdio>
#include <thread>
#include <unistd.h>

namespace pagoranto {

PromptAnswer BatchPrompts::show(std::string_view title, std::string_view text,
                                PromptButtons buttons)
{
    std::string message(title);
    message += ": ";
    for (const char c : text)
        message += c == '\r' ? '\n' : c;
    std::fprintf(stderr, "%s\n", message.c_str());
    switch (buttons) {
    case PromptButtons::Ok:
        return PromptAnswer::Ok;
    case PromptButtons::OkCancel:
        return PromptAnswer::Ok;
    case PromptButtons::YesNo:
        return m_overwrite ? PromptAnswer::Yes : PromptAnswer::No;
    case PromptButtons::YesNoCancel:
        // The careful choice: nothing of the user's goes, and the run goes on.
        return PromptAnswer::No;
    }
    return PromptAnswer::Ok;
}

void BatchEvents::waitForMessages(std::uint64_t milliseconds)
{
    // No window: nothing to handle, so the wait sleeps.
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

std::uint64_t BatchEvents::tickCount()
{
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                          std::chrono::steady_clock::now().time_since_epoch())
                                          .count());
}

// One line of the terminal, as the thumbnailer shows its own.
void BatchView::ShowWebPictureProgress(std::size_t done, std::size_t total)
{
    if (!::isatty(STDERR_FILENO) || total == 0)
        return;
    std::fprintf(stderr, "\rWeb-size pictures: %zu / %zu", done, total);
    if (done == total)
        std::fputc('\n', stderr);
    std::fflush(stderr);
}

void BatchView::ShowPageNumber(int number)
{
    if (m_showProgress)
        std::fprintf(stderr, "page %d of %d\n", number, m_pageCount);
}

} // namespace pagoranto

#include "core/generator/endstatusshow.h"

#include "core/options/externalbrowser.h"
#include "core/platform/prompts.h"
#include "core/platform/shell.h"

#include <filesystem>
#include <system_error>

namespace pagoranto {

bool EndStatusPathExists(const std::string &path)
{
    if (path.empty())
        return false;
    std::error_code error;
    return std::filesystem::exists(path, error);
}

void ShowFirstGalleryPage(Shell &shell, Prompts &prompts, BrowserStart choice,
                          const std::string &page)
{
    ShowFirstGalleryPage(shell, prompts, choice, page, ProgramSearchPath());
}

void ShowFirstGalleryPage(Shell &shell, Prompts &prompts, BrowserStart choice,
                          const std::string &page, std::string_view pathVariable)
{
    bool started = false;
    if (choice == BrowserStart::none) {
        prompts.inform(defaultBrowserInsteadTitle, defaultBrowserInsteadText);
        started = shell.openDocument(page);
    } else {
        started = ShowInExternalBrowser(shell, choice, page, pathVariable);
    }
    if (!started)
        prompts.inform(noBrowserStartedTitle, NoBrowserStartedText(page));
}

void ShowEndStatusFolder(Shell &shell, Prompts &prompts, const std::string &folder)
{
    if (!shell.openDocument(folder))
        prompts.inform(noBrowserStartedTitle, NoBrowserStartedText(folder));
}

} // namespace pagoranto

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
    if (choice == BrowserStart::none) {
        prompts.inform(defaultBrowserInsteadTitle, defaultBrowserInsteadText);
        shell.openDocument(page);
        return;
    }
    ShowInExternalBrowser(shell, choice, page, pathVariable);
}

} // namespace pagoranto

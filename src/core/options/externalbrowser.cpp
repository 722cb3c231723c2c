#include "core/options/externalbrowser.h"

#include "core/platform/posixshell.h"
#include "core/platform/shell.h"

#include <cstdlib>

namespace pagoranto {

namespace {

// The parameter text is split by the Windows command-line rules: quoted this way, a path with
// blanks or double quotes reaches the browser as the one argument it is.
std::string QuotedArgument(std::string_view text)
{
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (const char c : text) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        if (c == '"') {
            quoted.append(2 * backslashes + 1, '\\');
        } else {
            quoted.append(backslashes, '\\');
        }
        quoted += c;
        backslashes = 0;
    }
    quoted.append(2 * backslashes, '\\');
    quoted += '"';
    return quoted;
}

} // namespace

std::string NoBrowserStartedText(std::string_view shown)
{
    return "No browser could be started to show\r" + std::string(shown);
}

std::vector<std::string> BrowserPrograms(BrowserStart choice)
{
    switch (choice) {
    case BrowserStart::netscape:
        return {"netscape", "firefox", "firefox-esr"};
    case BrowserStart::iexplore:
        return {"iexplore", "chromium", "google-chrome"};
    case BrowserStart::defaultBrowser:
    case BrowserStart::none:
        break;
    }
    return {};
}

std::string_view ProgramSearchPath()
{
    const char *pathVariable = std::getenv("PATH");
    return pathVariable ? std::string_view(pathVariable) : std::string_view();
}

bool ShowInExternalBrowser(Shell &shell, BrowserStart choice, const std::string &path)
{
    return ShowInExternalBrowser(shell, choice, path, ProgramSearchPath());
}

bool ShowInExternalBrowser(Shell &shell, BrowserStart choice, const std::string &path,
                           std::string_view pathVariable)
{
    switch (choice) {
    case BrowserStart::none:
        return false;
    case BrowserStart::defaultBrowser:
        return shell.openDocument(path);
    case BrowserStart::netscape:
    case BrowserStart::iexplore:
        break;
    }
    const auto program = FindProgramOnPath(BrowserPrograms(choice), pathVariable);
    if (!program)
        return false;
    return shell.startProgram(*program, QuotedArgument(path), {}) != nullptr;
}

} // namespace pagoranto

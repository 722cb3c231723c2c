#pragma once

#include "core/options/additionaloptions.h"

#include <string>
#include <string_view>
#include <vector>

namespace pagoranto {

class Shell;

// Every entry that needs the external browser shows this when the choice is none.
inline constexpr std::string_view selectBrowserTitle = "ERROR";
inline constexpr std::string_view selectBrowserText = "Please select a browser.";

// When no browser at all could be started for a page or folder, the user hears of it: the
// click would otherwise seem lost.
inline constexpr std::string_view noBrowserStartedTitle = "ERROR";
std::string NoBrowserStartedText(std::string_view shown);

// The programs that stand in for a named browser, in the order they are tried; empty for the
// default browser (the desktop's) and for none.
std::vector<std::string> BrowserPrograms(BrowserStart choice);

// The PATH of this process, where the named browsers are looked for.
std::string_view ProgramSearchPath();

// Shows `path` in the chosen browser: the default one opens it as a document, a named one is
// the first of BrowserPrograms found on the PATH. False when nothing was started: the choice
// none, no program found or a failed start. Failures are not the user's to hear about.
bool ShowInExternalBrowser(Shell &shell, BrowserStart choice, const std::string &path);
bool ShowInExternalBrowser(Shell &shell, BrowserStart choice, const std::string &path,
                           std::string_view pathVariable);

} // namespace pagoranto

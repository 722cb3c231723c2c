#pragma once

#include "core/options/additionaloptions.h"

#include <string>
#include <string_view>

namespace pagoranto {

class Prompts;
class Shell;

inline constexpr std::string_view defaultBrowserInsteadTitle = "ERROR";
inline constexpr std::string_view defaultBrowserInsteadText =
    "Please select a browser.\rThe default browser will be started !";

// A field's "Show" button is usable when its path names an existing file or directory.
bool EndStatusPathExists(const std::string &path);

// Opens the first gallery page in the chosen browser; with no browser chosen the user is told
// and the desktop's default browser opens it all the same. When nothing could be started at
// all, the user is told that too.
void ShowFirstGalleryPage(Shell &shell, Prompts &prompts, BrowserStart choice,
                          const std::string &page);
void ShowFirstGalleryPage(Shell &shell, Prompts &prompts, BrowserStart choice,
                          const std::string &page, std::string_view pathVariable);

// Opens a folder of the finished gallery as the desktop does, telling when nothing opened it.
void ShowEndStatusFolder(Shell &shell, Prompts &prompts, const std::string &folder);

} // namespace pagoranto

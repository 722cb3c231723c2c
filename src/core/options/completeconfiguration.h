#pragma once

#include "core/options/additionaloptions.h"
#include "core/options/hiddenoptions.h"
#include "core/options/linktexts.h"
#include "core/options/navigationoptions.h"
#include "core/options/pagenameoptions.h"
#include "core/options/thumbnailoptions.h"
#include "core/options/websizeoptions.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace pagoranto {

inline constexpr std::string_view completeConfigSectionLine = "[COMPLETECONFIG]";

// Everything a ".ccc" file holds: the keys of "pgrooptions.cfg", "hcoptions.cfg",
// "navoptions.cfg", the thumbnail and the web-size options, not the header and footer, tools or
// copy compression.
struct CompleteConfiguration {
    LinkTexts linkTexts;
    PageNameOptions pageNames;
    AdditionalOptions additional;
    HiddenOptions hidden;
    NavigationOptions navigation;
    ThumbnailOptions thumbnails;
    // SDIR and PDIR are written for the thumbnailer's sake but never read back: they are
    // recomputed from the picture directory.
    std::string destinationDir;
    std::string pictureRelPath;
    // Ours, after every key above, so that a reader that stops there is not disturbed.
    WebSizeOptions webSize;
};

// False when the file cannot be read or its first line is not exactly "[COMPLETECONFIG]";
// nothing is changed then.
bool LoadCompleteConfiguration(const std::filesystem::path &file,
                               CompleteConfiguration &configuration);
// False when the file cannot be written; an earlier file then stays as it was.
bool SaveCompleteConfiguration(const std::filesystem::path &file,
                               const CompleteConfiguration &configuration);

inline constexpr std::string_view completeConfigErrorTitle = "ERROR";
inline constexpr std::string_view completeConfigInfoTitle = "Info";
inline constexpr std::string_view completeConfigSaveFailedText =
    "Unable to save \"Complete Configuration File\" !\rPlease try again";
inline constexpr std::string_view completeConfigSavedText =
    "Saved \"Complete Configuration File\" !\r\"Command options\", \"Special options\", "
    "\"Thumbnail options\", \"Hidden options\"\rand the options for $navigate$, $apage$, "
    "$npage$ and $ppage$";
inline constexpr std::string_view completeConfigLoadFailedText =
    "Unable to load \"Complete Configuration File\" !\rPlease try again";
inline constexpr std::string_view completeConfigLoadedText =
    "Loaded \"Complete Configuration File\" !\r\"Command options\", \"Special options\", "
    "\"Thumbnail options\", \"Hidden options\"\rand the options for $navigate$, $apage$, "
    "$npage$ and $ppage$";

} // namespace pagoranto

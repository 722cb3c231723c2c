#pragma once

#include "core/generator/picturefacts.h"
#include "core/options/hiddenoptions.h"
#include "core/options/linktexts.h"

#include <optional>
#include <string>
#include <string_view>

namespace pagoranto {

struct PictureCommandContext {
    const PagePicture &picture;
    // The picture directory as seen from the page: empty or ending in "/".
    const std::string &pictureRelPath;
    const HiddenOptions &hiddenOptions;
    const LinkTexts &linkTexts;
};

// The replacement of a step that shows the page's own picture, its description, the home link,
// the page head markers or the picture facts; empty for the searched text of any other step.
std::optional<std::string> PictureCommandReplacement(std::string_view searchedText,
                                                     const PictureCommandContext &context);

} // namespace pagoranto

#pragma once

#include "core/options/optionfield.h"

#include <string>

namespace pagoranto {

namespace webSizeFields {
inline constexpr FlagField WebSizePictures{.key = "WEBS", .initial = false};
inline constexpr NumberField WebSizeWidth{
    .key = "WEBW", .initial = 1600, .minimum = 16, .maximum = 10000};
inline constexpr NumberField WebSizeHeight{
    .key = "WEBH", .initial = 1200, .minimum = 16, .maximum = 10000};
// Only a plain name: the copies must stay below the destination directory.
inline constexpr TextField webdir{.key = "WEBD",
                                  .initial = "web",
                                  .maxLength = 40,
                                  .allowed = nameCharacters,
                                  .encoding = TextEncoding::folderName};
} // namespace webSizeFields

// Pages show a copy of each photo made to fit a box for the web, beside the thumbnails; the
// photo itself stays where it is.
struct WebSizeOptions {
    bool WebSizePictures = webSizeFields::WebSizePictures.initial;
    int WebSizeWidth = webSizeFields::WebSizeWidth.initial;
    int WebSizeHeight = webSizeFields::WebSizeHeight.initial;
    std::string webdir{webSizeFields::webdir.initial};

    // The copies' folder name followed by "/".
    std::string webDir() const { return webdir + "/"; }
};

} // namespace pagoranto

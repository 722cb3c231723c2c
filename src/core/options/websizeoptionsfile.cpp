#include "core/options/websizeoptionsfile.h"

namespace pagoranto {

OptionEntries WebSizeEntries(WebSizeOptions &options)
{
    using namespace webSizeFields;
    return {
        Bind(WebSizePictures, options.WebSizePictures),
        Bind(WebSizeWidth, options.WebSizeWidth),
        Bind(WebSizeHeight, options.WebSizeHeight),
        Bind(webdir, options.webdir),
    };
}

} // namespace pagoranto

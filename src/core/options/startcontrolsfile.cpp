#include "core/options/startcontrolsfile.h"

namespace pagoranto {

OptionEntries StartControlEntries(StartControls &controls)
{
    using namespace startControlFields;
    return {
        Bind(usedifferentfirst, controls.pageNames.usedifferentfirst),
        Bind(createthumbnails, controls.special.createthumbnails),
    };
}

} // namespace pagoranto

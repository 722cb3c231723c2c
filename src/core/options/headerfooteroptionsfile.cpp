#include "core/options/headerfooteroptionsfile.h"

namespace pagoranto {

OptionEntries HeaderFooterEntries(HeaderFooterOptions &options)
{
    return {
        Bind(headerFooterFields::headeredit, options.headeredit),
        Bind(headerFooterFields::footeredit, options.footeredit),
    };
}

} // namespace pagoranto

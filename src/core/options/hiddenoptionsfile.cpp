#include "core/options/hiddenoptionsfile.h"

namespace pagoranto {

OptionEntries HiddenCommandEntries(HiddenOptions &options)
{
    using namespace hiddenFields;
    OptionEntries entries = {
        Bind(hcomment, options.hcomment),
        Bind(hauthor, options.hauthor),
        Bind(hkeywords, options.hkeywords),
        Bind(hpagetitle, options.hpagetitle),
        Bind(htarget, options.htarget),
        Bind(alternativetext, options.alternativetext),
        Bind(alternativePPIICCtext, options.alternativePPIICCtext),
        Bind(showfilename, options.showfilename),
        Bind(showdimensions, options.showdimensions),
        Bind(showfilesize, options.showfilesize),
    };
    for (const std::size_t digit : {1, 2, 3, 4, 0, 5, 6, 7, 8, 9})
        entries.push_back(Bind(editfield_html[digit], options.editfield_html[digit]));
    entries.push_back(Bind(showcomment, options.showcomment));
    entries.push_back(Bind(showfilenamewithextension, options.showfilenamewithextension));
    entries.push_back(Bind(showfullcomment, options.showfullcomment));
    return entries;
}

} // namespace pagoranto

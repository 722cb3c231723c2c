#pragma once

#include "core/options/headerfooteroptions.h"
#include "core/options/hiddenoptions.h"
#include "core/options/linktexts.h"
#include "core/options/navigationoptions.h"
#include "core/options/pagenameoptions.h"
#include "core/options/specialoptions.h"
#include "core/options/thumbnailoptions.h"

namespace pagoranto {

// Every option that shapes a page, as the windows hold them.
struct GallerySettings {
    PageNameOptions pageNames;
    SpecialOptions special;
    HiddenOptions hidden;
    NavigationOptions navigation;
    LinkTexts linkTexts;
    HeaderFooterOptions headerFooter;
    ThumbnailOptions thumbnails;
    // The menu item "make html code unreadable (delete all returns)".
    bool allReturns = false;
};

} // namespace pagoranto

#pragma once

#include "core/options/additionaloptions.h"
#include "core/options/headerfooteroptions.h"
#include "core/options/hiddenoptions.h"
#include "core/options/linktexts.h"
#include "core/options/navigationoptions.h"
#include "core/options/pagenameoptions.h"
#include "core/options/specialoptions.h"
#include "core/options/thumbnailoptions.h"
#include "core/options/tooloptions.h"
#include "core/options/websizeoptions.h"
#include "core/options/webtooloptions.h"

namespace pagoranto {

// Every option the option files hold, as the windows hold them.
struct GallerySettings {
    PageNameOptions pageNames;
    AdditionalOptions additional;
    SpecialOptions special;
    HiddenOptions hidden;
    NavigationOptions navigation;
    LinkTexts linkTexts;
    HeaderFooterOptions headerFooter;
    ThumbnailOptions thumbnails;
    WebSizeOptions webSize;
    WebToolOptions webTools;
    ToolOptions tools;
    // The menu item "make html code unreadable (delete all returns)".
    bool allReturns = false;
};

} // namespace pagoranto

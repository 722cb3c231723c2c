#pragma once

#include "core/options/linktexts.h"
#include "core/options/navigationoptions.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pagoranto {

// What the navigation commands need to know about the page being made.
struct NavigationContext {
    int pageIndex = 0; // 0-based
    int pageCount = 0;
    const std::vector<std::string> *pageNameList = nullptr;
    // The page saved last; empty on the first page.
    std::string previousPageName;
    // The name of the page at 1-based position k. When not set, the plan's names are used.
    std::function<std::string(int k)> pageFileName;
};

// The replacement of a navigation step ("$NAVIGATE$", "$FREETEXT$", the text links, the link
// brackets and the page names), given its searched text as the substitution order spells it;
// nullopt for the searched text of any other step.
std::optional<std::string> NavigationReplacement(std::string_view searchedText,
                                                 const NavigationContext &context,
                                                 const NavigationOptions &options,
                                                 const LinkTexts &linkTexts);

} // namespace pagoranto

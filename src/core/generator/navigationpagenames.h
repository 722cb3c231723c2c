#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pagoranto {

enum class PageNameKind {
    A, // the current page
    N, // the next page
    P, // the previous page
};

// The name of the page of the given kind, empty when there is none (the next page of the last
// page, the previous page of the first, or any page outside pageNameList).
std::string PageNameAt(const std::vector<std::string> &pageNameList, int pageIndex,
                       PageNameKind kind);

// The shown page name, escaped, without its extension unless showExtension; with plain off it is
// the text of a link to name. An empty name gives an empty text.
std::string PageNameText(std::string_view name, bool plain, bool showExtension);

} // namespace pagoranto

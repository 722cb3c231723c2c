#pragma once

#include "core/options/navigationoptions.h"

#include <string>
#include <vector>

namespace pagoranto {

// The bar of numbered page links with the first, previous, next and last links, enclosed in
// "<!--NavStart-->" and "<!--Navend-->". A pageIndex outside pageNameList (a plan that does not
// cover the page) gives the two markers around an empty bar: there is no name to link from.
std::string BuildNavigationBar(const std::vector<std::string> &pageNameList, int pageIndex,
                               const NavigationOptions &options);

} // namespace pagoranto

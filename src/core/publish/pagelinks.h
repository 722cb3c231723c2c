#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pagoranto {

// The link targets written in a page: src, href, background, poster and data attributes, every
// candidate of a srcset, and CSS url() and @import. Entities are decoded; nothing else is.
std::vector<std::string> HtmlLinks(std::string_view page);
// url() and @import targets of a style sheet.
std::vector<std::string> CssLinks(std::string_view sheet);

// A link as a path relative to the linking file's folder: percent-decoded, without query or
// fragment. Empty for links that name no local file (other schemes, "//host", "#part").
std::string LocalLinkPath(std::string_view link);

} // namespace pagoranto

#pragma once

#include <string>
#include <string_view>

namespace pagoranto {

// A link to a page of the gallery. The page name is one the program made, so it is written as
// it is; text must already be escaped where the caller wants it so.
inline std::string PageLink(std::string_view pageName, std::string_view text)
{
    std::string link = "<a href=\"";
    link += pageName;
    link += "\">";
    link += text;
    link += "</a>";
    return link;
}

} // namespace pagoranto

#include "core/generator/navigationpagenames.h"

#include "core/generator/navigationlink.h"
#include "core/text/filenames.h"
#include "core/text/htmlescape.h"

namespace pagoranto {

std::string PageNameAt(const std::vector<std::string> &pageNameList, int pageIndex,
                       PageNameKind kind)
{
    long long index = pageIndex;
    switch (kind) {
    case PageNameKind::A:
        break;
    case PageNameKind::N:
        index += 1;
        break;
    case PageNameKind::P:
        index -= 1;
        break;
    }
    if (index < 0 || index >= static_cast<long long>(pageNameList.size()))
        return {};
    return pageNameList[static_cast<std::size_t>(index)];
}

std::string PageNameText(std::string_view name, bool plain, bool showExtension)
{
    if (name.empty())
        return {};
    const std::string text =
        HtmlEscapeName(showExtension ? std::string(name) : WithoutExtension(name));
    return plain ? text : PageLink(name, text);
}

} // namespace pagoranto

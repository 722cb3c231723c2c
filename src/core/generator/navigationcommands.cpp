#include "core/generator/navigationcommands.h"

#include "core/generator/navigationbar.h"
#include "core/generator/navigationlink.h"
#include "core/generator/navigationpagenames.h"
#include "core/text/htmlescape.h"

namespace pagoranto {
namespace {

const std::vector<std::string> &PageNames(const NavigationContext &context)
{
    static const std::vector<std::string> none;
    return context.pageNameList ? *context.pageNameList : none;
}

std::string FileNameAt(const NavigationContext &context, int k)
{
    if (context.pageFileName)
        return context.pageFileName(k);
    return PageNameAt(PageNames(context), k - 1, PageNameKind::A);
}

struct LinkTarget {
    bool exists = false;
    std::string name;
};

LinkTarget PreviousTarget(const NavigationContext &context)
{
    return {!context.previousPageName.empty(), context.previousPageName};
}

LinkTarget NextTarget(const NavigationContext &context)
{
    if (context.pageIndex >= context.pageCount - 1)
        return {};
    return {true, FileNameAt(context, context.pageIndex + 2)};
}

LinkTarget FirstTarget(const NavigationContext &context)
{
    if (context.pageIndex <= 0)
        return {};
    return {true, FileNameAt(context, 1)};
}

LinkTarget LastTarget(const NavigationContext &context)
{
    if (context.pageIndex >= context.pageCount - 1)
        return {};
    return {true, FileNameAt(context, context.pageCount)};
}

// On the page a text link would point to, its text stands alone.
std::string TextLink(const LinkTarget &target, std::string_view text)
{
    const std::string escaped = HtmlEscape(text);
    return target.exists ? PageLink(target.name, escaped) : escaped;
}

std::string StartBracket(const LinkTarget &target)
{
    return target.exists ? "<a href=\"" + target.name + "\">" : std::string();
}

std::string EndBracket(const LinkTarget &target)
{
    return target.exists ? std::string("</a>") : std::string();
}

std::string PageName(const NavigationContext &context, PageNameKind kind, bool plain, bool show)
{
    return PageNameText(PageNameAt(PageNames(context), context.pageIndex, kind), plain, show);
}

} // namespace

std::optional<std::string> NavigationReplacement(std::string_view searchedText,
                                                 const NavigationContext &context,
                                                 const NavigationOptions &options,
                                                 const LinkTexts &linkTexts)
{
    if (searchedText == "$NAVIGATE$")
        return BuildNavigationBar(PageNames(context), context.pageIndex, options);
    if (searchedText == "$FREETEXT$")
        return linkTexts.Linkchecker ? linkTexts.freetext : HtmlEscape(linkTexts.freetext);
    if (searchedText == "$PREVIOUS$")
        return TextLink(PreviousTarget(context), linkTexts.previous_label);
    if (searchedText == "$NEXT$")
        return TextLink(NextTarget(context), linkTexts.Next_label);
    if (searchedText == "$SN$")
        return StartBracket(NextTarget(context));
    if (searchedText == "$EN$")
        return EndBracket(NextTarget(context));
    if (searchedText == "$SP$")
        return StartBracket(PreviousTarget(context));
    if (searchedText == "$EP$")
        return EndBracket(PreviousTarget(context));
    if (searchedText == "$SF$")
        return StartBracket(FirstTarget(context));
    if (searchedText == "$EF$")
        return EndBracket(FirstTarget(context));
    if (searchedText == "$SL$")
        return StartBracket(LastTarget(context));
    if (searchedText == "$EL$")
        return EndBracket(LastTarget(context));
    if (searchedText == "$FIRST$")
        return TextLink(FirstTarget(context), linkTexts.first_label);
    if (searchedText == "$LAST$")
        return TextLink(LastTarget(context), linkTexts.Last_label);
    if (searchedText == "$APAGE$")
        return PageName(context, PageNameKind::A, options.plain1, options.show1);
    if (searchedText == "$NPAGE$")
        return PageName(context, PageNameKind::N, options.plain2, options.show2);
    if (searchedText == "$PPAGE$")
        return PageName(context, PageNameKind::P, options.plain3, options.show3);
    return std::nullopt;
}

} // namespace pagoranto

#include "core/generator/picturecommands.h"

#include "core/text/filenames.h"
#include "core/text/htmlescape.h"
#include "core/text/urlpath.h"

namespace pagoranto {

namespace {

// A double quote in a file name would end the ALT attribute early.
std::string AttributeSafeName(std::string_view name)
{
    std::string safe;
    for (const char c : name) {
        if (c == '"')
            safe += "&quot;";
        else if (c == '$')
            safe += "&#36;";
        else
            safe += c;
    }
    return safe;
}

std::string PictureTag(const PictureCommandContext &context)
{
    const PagePicture &picture = context.picture;
    const HiddenOptions &options = context.hiddenOptions;
    const std::string picturePath = ToUrlPath(context.pictureRelPath + picture.currentPicture);
    const std::string source =
        picture.shownCopyPath.empty() ? picturePath : ToUrlPath(picture.shownCopyPath);
    const bool altFromFileName = options.radioPICalternative == 0;
    const std::string alt = altFromFileName ? AttributeSafeName(picture.currentPicture)
                                            : HtmlEscape(options.alternativePPIICCtext);
    const std::string size = " height=" + std::to_string(picture.picHeight) +
                             " width=" + std::to_string(picture.picWidth) + ">";
    const std::string image = "<img SRC=\"" + source + "\" ALT=\"" + alt + "\" NOSAVE";
    if (!options.picspecial)
        return image + (altFromFileName ? "" : " BORDER=0") + size;
    // The special link leads to the photo itself, also when the page shows a copy.
    const std::string target = options.RadioGroup1 == 0 ? picturePath : options.Edit2;
    return "<a href=\"" + target + "\">" + image + " BORDER=0" + size + "</a>";
}

std::string MetaTag(std::string_view name, std::string_view content)
{
    return "<meta name=\"" + std::string(name) + "\" content=\"" + HtmlEscape(content) + "\">";
}

} // namespace

std::optional<std::string> PictureCommandReplacement(std::string_view searchedText,
                                                     const PictureCommandContext &context)
{
    const PagePicture &picture = context.picture;
    const HiddenOptions &hidden = context.hiddenOptions;
    const LinkTexts &links = context.linkTexts;
    if (searchedText == "$PIC$")
        return PictureTag(context);
    if (searchedText == "$PCOMMENT$")
        return picture.pictureComment;
    if (searchedText == "<!--title-->")
        return "<title>" + HtmlEscape(hidden.hpagetitle) + "</title>";
    if (searchedText == "$PCOMMENTFL$")
        return picture.pictureCommentFirstLine;
    if (searchedText == "$home$")
        return "<a href=\"" + links.homepage_label + "\">" + HtmlEscape(links.homepage_label_text) +
               "</A>";
    if (searchedText == "$SH$")
        return "<a href=\"" + links.homepage_label + "\">";
    if (searchedText == "$EH$")
        return std::string("</a>");
    if (searchedText == "<!--comment-->")
        return "<!--" + HtmlEscape(hidden.hcomment) + "-->";
    if (searchedText == "<!--metakeywords-->")
        return MetaTag("Keywords", hidden.hkeywords);
    if (searchedText == "<!--metaauthor-->")
        return MetaTag("Author", hidden.hauthor);
    if (searchedText == "$FILESIZE$")
        return std::to_string(picture.currentPictureSizeKb) + "kb";
    if (searchedText == "$FILENAME$")
        return HtmlEscapeName(picture.currentPicture);
    if (searchedText == "$FILENAMEWEU$")
        return HtmlEscapeName(NameWithoutExtension(picture.currentPicture, NameCase::Upper));
    if (searchedText == "$FILENAMEWED$")
        return HtmlEscapeName(NameWithoutExtension(picture.currentPicture, NameCase::Lower));
    if (searchedText == "$FILENAMEWE$")
        return HtmlEscapeName(NameWithoutExtension(picture.currentPicture, NameCase::Keep));
    if (searchedText == "$DIMENSION$") {
        const PixelSize size = picture.loadedSize.value_or(PixelSize{10, 10});
        return std::to_string(size.width) + "x" + std::to_string(size.height);
    }
    return std::nullopt;
}

} // namespace pagoranto

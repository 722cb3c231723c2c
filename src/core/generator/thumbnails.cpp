#include "core/generator/thumbnails.h"

#include "core/generator/commandsubstitution.h"
#include "core/generator/findcommand.h"
#include "core/pictures/descriptionstore.h"
#include "core/pictures/exiforientation.h"
#include "core/pictures/jpegdecoder.h"
#include "core/pictures/jpegsize.h"
#include "core/text/filenames.h"
#include "core/text/htmlescape.h"
#include "core/text/urlpath.h"

#include <algorithm>

namespace pagoranto {

namespace {

constexpr PixelSize unknownSize{10, 10};

std::string ThumbnailImage(const std::string &thumbPath, const std::string &thumbPicture,
                           const ThumbnailContext &context, PictureHeaderCache &headers)
{
    const HiddenOptions &hidden = context.hiddenOptions;
    const PixelSize size =
        headers.PictureSize(context.destinationDir + thumbPath).value_or(unknownSize);
    const std::string alt =
        hidden.radioalternative == 0 ? ToUrlPath(thumbPicture) : HtmlEscape(hidden.alternativetext);
    return "<img SRC=\"" + ToUrlPath(thumbPath) + "\" ALT=\"" + alt +
           "\" NOSAVE BORDER=" + std::to_string(context.thumbnailOptions.ScrollBar4) +
           " height=" + std::to_string(size.height) + " width=" + std::to_string(size.width) + ">";
}

std::string ThumbnailCell(int placedIndex, const std::string &thumbPicture,
                          const ThumbnailContext &context, PictureHeaderCache &headers)
{
    const HiddenOptions &hidden = context.hiddenOptions;
    const std::string image = ThumbnailImage(context.thumbnailOptions.thumbnailDir() + thumbPicture,
                                             thumbPicture, context, headers);
    if (context.picCount > 0)
        return "<a href=\"" + ToUrlPath(context.pageFileName(placedIndex + 1)) + "\">" + image +
               "</a>";
    const std::string target =
        hidden.usetargetcommand ? " target=\"" + hidden.htarget + "\"" : std::string();
    if (!hidden.tpicspecial)
        return "<a href=\"" + ToUrlPath(context.pictureRelPath + thumbPicture) + "\"" + target +
               ">" + image + "</a>";
    if (hidden.RadioGroup2 == 0)
        return image;
    return "<a href=\"" + hidden.Edit1 + "\"" + target + ">" + image + "</a>";
}

std::string Captions(const std::string &thumbPicture, const ThumbnailContext &context,
                     PictureHeaderCache &headers)
{
    const HiddenOptions &hidden = context.hiddenOptions;
    const std::string picturePath = context.pictureDir + thumbPicture;
    std::string captions;
    if (hidden.showcomment) {
        const std::string comment =
            hidden.showfullcomment ? context.descriptions.LookupDescription(thumbPicture)
                                   : context.descriptions.LookupDescriptionFirstLine(thumbPicture);
        if (!comment.empty())
            captions += "<BR>" + comment;
    }
    if (hidden.showfilename) {
        captions += "<BR>" + HtmlEscapeName(hidden.showfilenamewithextension
                                                ? thumbPicture
                                                : WithoutExtension(thumbPicture));
    }
    if (hidden.showdimensions) {
        const PixelSize size = DisplayedSize(headers.JpegSize(picturePath).value_or(unknownSize),
                                             headers.ExifOrientation(picturePath));
        captions += "<BR>" + std::to_string(size.width) + "x" + std::to_string(size.height);
    }
    if (hidden.showfilesize)
        captions += "<BR>" + FileSizeText(picturePath);
    return captions;
}

} // namespace

void FillThumbnails(CommandSubstitution &substitution, ThumbnailState &state,
                    const ThumbnailContext &context, PictureHeaderCache &headers)
{
    const bool strip = context.tpicCount > 0 && context.picCount > 0;
    const int pictureCount = static_cast<int>(context.creationList.size());
    const int lastPictureIndex = pictureCount - 1;
    if (strip)
        state.thumbIndex = context.pageIndex;
    state.thumbPageNumber = context.pageCounter;
    substitution.RestartThumbnailSearch();
    do {
        std::string thumbPicture;
        if (state.thumbIndex >= 0 && state.thumbIndex < pictureCount)
            thumbPicture = context.creationList[static_cast<std::size_t>(state.thumbIndex)];
        else
            state.picturesExhausted = true;
        const int placedIndex = state.thumbIndex;
        // The last pass finds no place; reading its thumbnail and captions would be wasted.
        const bool placeLeft = substitution.ThumbnailPlaceLeft();
        std::string cell;
        if (!state.picturesExhausted && placeLeft) {
            // A film strip shows each picture's cell on several pages, always the same.
            std::string *kept = strip ? &state.stripCells[placedIndex] : nullptr;
            if (!kept || kept->empty()) {
                cell = ThumbnailCell(placedIndex, thumbPicture, context, headers);
                if (!cell.empty())
                    cell += Captions(thumbPicture, context, headers);
                if (kept)
                    *kept = cell;
            } else {
                cell = *kept;
            }
        }
        ++state.thumbIndex;
        ++state.thumbPageNumber;
        if (strip && state.thumbIndex > lastPictureIndex) {
            state.thumbIndex = 0;
            state.thumbPageNumber = context.firstPageNumber;
        }
        substitution.command = "$tpic$";
        substitution.replacement = std::move(cell);
        substitution.SubstituteCommand();
    } while (substitution.commandFound);
    --state.thumbIndex;
}

} // namespace pagoranto

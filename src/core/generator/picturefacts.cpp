#include "core/generator/picturefacts.h"

#include "core/pictures/descriptionstore.h"
#include "core/pictures/exiforientation.h"
#include "core/pictures/fittobox.h"
#include "core/pictures/jpegdecoder.h"
#include "core/pictures/pictureheadercache.h"

#include <filesystem>
#include <system_error>

namespace pagoranto {

PagePicture PreparePictureFacts(const std::string &pictureDir, const std::string &currentPicture,
                                const DescriptionStore &descriptions,
                                const SpecialOptions &specialOptions, PictureHeaderCache *headers,
                                const ShownCopy *copy)
{
    PagePicture facts;
    facts.currentPicture = currentPicture;
    const std::filesystem::path file = pictureDir + currentPicture;
    if (headers) {
        const auto fileFacts = headers->Facts(file.string());
        facts.currentPictureSizeKb =
            fileFacts ? static_cast<std::int64_t>(fileFacts->bytes / 1024) : 0;
    } else {
        std::error_code error;
        const auto bytes = std::filesystem::file_size(file, error);
        facts.currentPictureSizeKb = error ? 0 : static_cast<std::int64_t>(bytes / 1024);
    }
    facts.pictureComment = descriptions.LookupDescription(currentPicture);
    facts.pictureCommentFirstLine = descriptions.LookupDescriptionFirstLine(currentPicture);
    if (copy) {
        facts.shownCopyPath = copy->path;
        facts.loadedSize = copy->size;
    } else {
        facts.loadedSize =
            headers ? headers->DisplayedPictureSize(file.string()) : ReadDisplayedPictureSize(file);
    }
    if (facts.loadedSize) {
        PixelSize shown = *facts.loadedSize;
        if (specialOptions.AspectRatio) {
            const BoxSize box = BoxSizeOf(specialOptions.aspectRatioBox);
            shown = FitToBox(shown, box.width, box.height);
        }
        facts.picWidth = shown.width;
        facts.picHeight = shown.height;
    }
    return facts;
}

} // namespace pagoranto

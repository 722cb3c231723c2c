#include "core/pictures/unreadablepictures.h"

#include "core/pictures/pictureheadercache.h"

#include <algorithm>

namespace pagoranto {

namespace {

constexpr std::size_t namedPictures = 5;

} // namespace

std::vector<std::string> UnreadablePictures(const std::string &pictureDir,
                                            const std::vector<std::string> &pictures,
                                            PictureHeaderCache &headers)
{
    std::vector<std::string> paths;
    paths.reserve(pictures.size());
    for (const std::string &picture : pictures)
        paths.push_back(pictureDir + picture);
    headers.ReadAhead(paths);
    std::vector<std::string> unreadable;
    for (std::size_t i = 0; i < pictures.size(); ++i)
        if (!headers.DisplayedPictureSize(paths[i]) &&
            std::find(unreadable.begin(), unreadable.end(), pictures[i]) == unreadable.end())
            unreadable.push_back(pictures[i]);
    return unreadable;
}

std::string UnreadablePicturesText(const std::vector<std::string> &pictures)
{
    if (pictures.empty())
        return {};
    std::string text = std::to_string(pictures.size()) +
                       (pictures.size() == 1 ? " picture" : " pictures") + " could not be read: ";
    const std::size_t named = std::min(pictures.size(), namedPictures);
    for (std::size_t i = 0; i < named; ++i) {
        if (i > 0)
            text += ", ";
        text += pictures[i];
    }
    if (pictures.size() > named)
        text += " and " + std::to_string(pictures.size() - named) + " more";
    return text;
}

} // namespace pagoranto

#pragma once

#include <string>
#include <vector>

namespace pagoranto {

class PictureHeaderCache;

// The pictures, each once and in list order, whose displayed size cannot be read from their
// file (no JPEG, cut off before the picture data, empty, missing): pages give them a made-up
// size and the thumbnailer cannot make their thumbnails. pictureDir ends in "/".
std::vector<std::string> UnreadablePictures(const std::string &pictureDir,
                                            const std::vector<std::string> &pictures,
                                            PictureHeaderCache &headers);

// "3 pictures could not be read: a.jpg, b.jpg, c.jpg", naming the first five and counting the
// rest; empty for no pictures.
std::string UnreadablePicturesText(const std::vector<std::string> &pictures);

} // namespace pagoranto

#pragma once

#include "core/options/websizeoptions.h"
#include "core/pictures/pixelsize.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

namespace pagoranto {

class Events;
class PictureHeaderCache;

struct WebPictureJob {
    std::string pictureDir;   // ends in "/"
    std::string webDirectory; // where the copies go, ends in "/"
    std::vector<std::string> pictures;
    WebSizeOptions options;
    unsigned threadCount = 0; // 0: one a processor core
    // Set from a message handler (a Stop press): no further copy is begun.
    const std::atomic<bool> *stopRequested = nullptr;
};

// What the pages show in each photo's place.
struct WebPictures {
    // Listed pictures shown through a copy in the web folder: the copy's size.
    std::unordered_map<std::string, PixelSize> copies;
    std::size_t made = 0;
    std::size_t upToDate = 0;
    // Photos no larger than the box: the pages show them as they are.
    std::size_t smallEnough = 0;
    // A file of the copy's name that we did not make: left alone, the photo shown instead.
    std::vector<std::string> keptForeign;
    // "name: why" for each photo that could not be copied; its pages show the photo itself.
    std::vector<std::string> problems;
    bool stopped = false;
};

// The stamp a copy carries in its comment: the photo it was made from and the box.
std::string WebCopyStamp(const std::filesystem::path &absolutePicture, std::uint64_t bytes,
                         std::filesystem::file_time_type modified, const WebSizeOptions &options);

// True when copy is a web-size copy made from picture as the picture is now: it may stand in for
// the photo wherever a smaller picture of it is made.
bool IsWebCopyOf(const std::filesystem::path &copy, const std::filesystem::path &picture);

// Makes the copies of the photos larger than the box that are missing or out of date, on every
// processor, while the calling thread handles messages and is told the progress; progress
// returning false stops the step after the copies in work. Copies up to date are only looked
// at. Headers are read through the run's cache, which is emptied again when a copy was made.
WebPictures
MakeWebPictures(const WebPictureJob &job, PictureHeaderCache &headers, Events &events,
                const std::function<bool(std::size_t done, std::size_t total)> &progress);

} // namespace pagoranto

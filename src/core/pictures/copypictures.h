#pragma once

#include "core/pictures/copyname.h"
#include "core/pictures/resizejpeg.h"

#include <atomic>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pagoranto {

enum class CopyOutcome {
    copied,
    resized,
    existing, // left alone: the destination was there and overwriting is off
    failed,
};

// The picture's bytes without the application data that carries camera, owner and location
// facts (EXIF, XMP, IPTC); bytes that are no JPEG stream come back as they are. A photo that
// the camera stored sideways is decoded, turned and encoded again so that it still shows the
// right way up without its EXIF orientation.
std::optional<std::string> PlainCopyBytes(const std::filesystem::path &source);

// Writes bytes as path through a temporary file beside it; without overwrite an existing path
// is left alone and reported as existing.
CopyOutcome PutCopyFile(const std::filesystem::path &path, std::string_view bytes, bool overwrite);

struct CopyJob {
    std::filesystem::path pictureDir;
    std::filesystem::path destinationDir;
    std::vector<std::string> pictures; // file names in pictureDir, in copy order
    CopyNameOptions naming;
    bool overwrite = false;
    std::optional<ResizeOptions> resize; // empty: copies are not resized
};

// What a copy loop reports, in this order for each picture: started (the number is the one
// the name uses), resizing (only when resizing), finished.
struct CopyEvents {
    std::function<void(int index, int copyNumber, const std::string &newName)> started;
    std::function<void(int index)> resizing;
    // How far the encoding of a resized copy is, 0..100, while resizing.
    std::function<void(int index, int percent)> encoding;
    std::function<void(int index, const std::filesystem::path &destination, CopyOutcome,
                       const std::string &error)>
        finished;
};

// Copies one picture: the copy step, then, if resizing, the resized picture in its place. A
// picture that cannot be resized keeps its plain copy; a destination left alone is not
// resized either.
CopyOutcome CopyOnePicture(const std::filesystem::path &source,
                           const std::filesystem::path &destination, const CopyJob &job,
                           std::string &error, const std::function<void()> &resizing = {},
                           const std::function<void(int)> &encoding = {});

// One copy of a job: the picture, the name of its copy and the number that name uses.
struct PlannedCopy {
    std::string picture;
    std::string newName;
    int copyNumber = 0;
};

PlannedCopy PlanCopy(const std::string &picture, const CopyNameOptions &naming, int &copyNumber);
// The copies of a job in order. copyNumber goes up by one before each picture named with it.
std::vector<PlannedCopy> PlanCopies(const CopyJob &job, int &copyNumber);

// One planned copy; names that would reach another directory fail. Copies of different
// pictures may run at the same time.
CopyOutcome CopyPlanned(const CopyJob &job, const PlannedCopy &copy, std::string &error,
                        const std::function<void()> &resizing = {},
                        const std::function<void(int)> &encoding = {});

// Copies every picture of the job in order. copyNumber is the running number of numbered
// names: it goes up by one before each picture named with it, and keeps its value for the
// next run. stop, when given and set, ends the loop before the next picture.
void CopyPictures(const CopyJob &job, int &copyNumber, const CopyEvents &events,
                  const std::atomic<bool> *stop = nullptr);

} // namespace pagoranto

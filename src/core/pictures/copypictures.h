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
    existing,   // left alone: the destination was there and overwriting is off
    unreadable, // no whole picture (no JPEG, cut off): copied as it is, neither turned nor resized
    failed,
};

struct PlainCopy {
    std::string bytes;
    std::string damage; // why the picture cannot be read whole; empty when it can
};

// The photo's bytes for a copy that is not resized: byte for byte, except that the GPS position
// goes, and a photo the camera stored turned is turned upright with orientation 1 and without
// its embedded preview: block by block where its size allows, otherwise decoded and encoded
// again at high quality. A picture that is no JPEG or cut off is copied as it is, its GPS
// position taken out where it can be found, and damage says why. Empty when it cannot be read.
std::optional<PlainCopy> PlainCopyBytes(const std::filesystem::path &source);

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

// What a copy loop reports, in this order for each picture: renamed (only for a renamed copy),
// started (the number is the one the name uses), resizing (only when resizing), finished.
struct CopyEvents {
    std::function<void(int index, int copyNumber, const std::string &newName)> started;
    // The copy got a number because an earlier picture's copy has the name it would have had.
    std::function<void(int index, const std::string &clashingName, const std::string &newName)>
        renamed;
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
    // The name the copy would have had, taken by an earlier copy of the job; empty when none.
    std::string clashingName;
};

// The copies of a job in order. copyNumber goes up by one before each picture named with it.
// Names are compared as the file system compares them, byte for byte. A copy whose name an
// earlier copy of the job has is named "a (2).jpg", "a (3).jpg" ..., skipping the names of the
// job's other copies; files that were there before are not looked at, so a second run of the
// same job finds the same names.
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

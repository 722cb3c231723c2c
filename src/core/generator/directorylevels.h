#pragma once

#include "core/options/thumbnailoptionsfile.h"

#include <array>
#include <string>
#include <string_view>

namespace pagoranto {

// "/" and an upper-case drive root such as "C:\".
bool IsRootDirectory(std::string_view path);

// The n-th last component of a directory path, with its separator; a root is "/" or "X:\";
// empty once the path is used up.
std::string LevelName(std::string_view path, int n);

struct DirectoryLevels {
    std::array<std::string, 3> captions; // RadioButton1..RadioButton3
    std::array<bool, 3> enabled{};
    std::string destinationDir;     // ends in "/" (Label24)
    std::string pictureRelPath;     // empty or ends in "/"
    std::string thumbnailDirectory; // destinationDir + thumbnail directory name (Label26)
};

// dir is the picture directory ending in "/"; level 1, 2 or 3 is the checked radio button.
DirectoryLevels ComputeDirectoryLevels(std::string_view dir, int level, std::string_view thumbdir);

// What "thumbnailer/mtoptions.cfg" holds for pages going to these levels.
ThumbnailerFile ThumbnailerFileFor(const DirectoryLevels &levels, const ThumbnailOptions &options);

// Writes that file below programDirectory (ending in "/"); false when it cannot be written.
bool WriteThumbnailerDestination(const std::string &programDirectory, const DirectoryLevels &levels,
                                 const ThumbnailOptions &options);

} // namespace pagoranto

#pragma once

#include "core/options/thumbnailoptions.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace pagoranto {

inline constexpr std::string_view thumbnailerSectionLine = "[PAGORANTOTHUMBNAILER]";

// What "thumbnailer/mtoptions.cfg" (and a ".cct" file) holds besides the options: where the
// pages go and where the pictures are as seen from there.
struct ThumbnailerFile {
    std::string destinationDir;  // SDIR, ends in "/"
    std::string pictureRelPath;  // PDIR, without its trailing "/"
    ThumbnailOptions options;
};

bool WriteThumbnailerOptions(const std::filesystem::path &file, const ThumbnailerFile &values);

// Sets the options the file holds, each clamped to its control's range; false when the file
// cannot be read. SDIR and PDIR are read too (the thumbnailer needs them).
bool ReadThumbnailerOptions(const std::filesystem::path &file, ThumbnailerFile &values);

} // namespace pagoranto

#pragma once

#include "core/options/genericoptionfile.h"
#include "core/options/thumbnailoptions.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace pagoranto {

inline constexpr std::string_view thumbnailerSectionLine = "[PAGORANTOTHUMBNAILER]";
// Below the program directory.
inline constexpr std::string_view thumbnailerOptionsPath = "thumbnailer/mtoptions.cfg";

namespace thumbnailerFileFields {
inline constexpr TextField destinationDir{.key = "SDIR"};
inline constexpr TextField pictureRelPath{.key = "PDIR"};
} // namespace thumbnailerFileFields

// What "thumbnailer/mtoptions.cfg" (and a ".cct" file) holds besides the options: where the
// pages go and where the pictures are as seen from there.
struct ThumbnailerFile {
    std::string destinationDir; // SDIR, ends in "/"
    std::string pictureRelPath; // PDIR, without its trailing "/"
    ThumbnailOptions options;
};

// The 16 keys in file order; the complete configuration reuses them.
OptionEntries ThumbnailerEntries(std::string &destinationDir, std::string &pictureRelPath,
                                 ThumbnailOptions &options);
OptionEntries ThumbnailerFileEntries(ThumbnailerFile &values);

// A foreign first line is not refused: the keys up to GREY are passed over without taking a
// line, so the lines after the first are looked at as TIME, ACTI and DIBB.
inline constexpr OptionFile<ThumbnailerFile> thumbnailerOptionsFile{
    {thumbnailerSectionLine, "TIME"}, ThumbnailerFileEntries};

inline bool WriteThumbnailerOptions(const std::filesystem::path &file,
                                    const ThumbnailerFile &values)
{
    return thumbnailerOptionsFile.Write(file, values);
}

// Sets the options the file holds, each clamped to its control's range; false when the file
// cannot be read. SDIR and PDIR are read too (the thumbnailer needs them).
inline bool ReadThumbnailerOptions(const std::filesystem::path &file, ThumbnailerFile &values)
{
    return thumbnailerOptionsFile.Read(file, values);
}

} // namespace pagoranto

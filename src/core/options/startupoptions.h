#pragma once

#include "core/options/gallerysettings.h"
#include "core/options/thumbnailoptionsfile.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace pagoranto {

class Prompts;

// Beside the program: the option files it ships, read where the user has none of the name.
inline constexpr std::string_view shippedOptionsFolder = "defaults/";

// The option file a program start reads: the user's file of that name in the program
// directory (even one that turns out unusable, so a user's file is never passed over), else
// the one shipped in the install directory. Both directories end in "/".
std::filesystem::path StartupOptionFile(const std::string &programDirectory,
                                        const std::string &installDirectory,
                                        std::string_view relativeName);

// Reads the option files in the order of a program start, each from StartupOptionFile; a
// missing or foreign file leaves its values as they were. Last, the start values of the boxes
// that no window's file stores.
void ReadStartupOptions(const std::string &programDirectory, const std::string &installDirectory,
                        GallerySettings &settings);

// Writes the option files in the order of a program end; "thumbnailer/mtoptions.cfg" gets
// thumbnailer, the destination of the directory levels with the thumbnail options. False when a
// file could not be written (the others are still written).
bool WriteShutdownOptions(const std::string &programDirectory, const GallerySettings &settings,
                          const ThumbnailerFile &thumbnailer);

// The options a Create run writes at its start: "pgrooptions.cfg".
bool WriteAdditionalOptionsOf(const std::string &programDirectory, const GallerySettings &settings);

// Loads a complete configuration into the settings; tells the user and returns false when the
// file cannot be used.
bool LoadCompleteConfigurationFile(const std::filesystem::path &file, GallerySettings &settings,
                                   Prompts &prompts);

// Saves the settings as a complete configuration; thumbnailer gives SDIR and PDIR. False when
// the file cannot be written.
bool SaveCompleteConfigurationFile(const std::filesystem::path &file,
                                   const GallerySettings &settings,
                                   const ThumbnailerFile &thumbnailer);

} // namespace pagoranto

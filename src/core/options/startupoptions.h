#pragma once

#include "core/options/gallerysettings.h"
#include "core/options/thumbnailoptionsfile.h"

#include <filesystem>
#include <string>

namespace pagoranto {

class Prompts;

// Reads the option files of a program directory (ending in "/") in the order of a program
// start; a missing or foreign file leaves its values as they were.
void ReadStartupOptions(const std::string &programDirectory, GallerySettings &settings);

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

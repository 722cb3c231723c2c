#pragma once

#include "core/generator/gallerysettings.h"

#include <filesystem>
#include <string>

namespace pagoranto {

class Prompts;

// Reads the option files of a program directory (ending in "/") in the order of a program
// start; a missing or foreign file leaves its values as they were.
void ReadStartupOptions(const std::string &programDirectory, GallerySettings &settings);

// The options a Create run writes at its start: "pgrooptions.cfg".
bool WriteAdditionalOptionsOf(const std::string &programDirectory,
                              const GallerySettings &settings);

// Loads a complete configuration into the settings; tells the user and returns false when the
// file cannot be used.
bool LoadCompleteConfigurationFile(const std::filesystem::path &file, GallerySettings &settings,
                                   Prompts &prompts);

} // namespace pagoranto

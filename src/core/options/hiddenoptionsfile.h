#pragma once

#include "core/options/hiddenoptions.h"
#include "core/options/optionentries.h"

#include <filesystem>
#include <string_view>

namespace pagoranto {

inline constexpr std::string_view hiddenOptionsFileName = "hcoptions.cfg";
inline constexpr std::string_view hiddenOptionsSectionLine = "[HIDDENCOMMANDS]";

// The 23 keys in file order (the HTML fields as 1, 2, 3, 4, 0, 5 .. 9).
OptionEntries HiddenCommandEntries(HiddenOptions &options);

// "hcoptions.cfg". False when the file cannot be used; nothing is changed then.
bool ReadHiddenCommandOptions(const std::filesystem::path &file, HiddenOptions &options);
bool WriteHiddenCommandOptions(const std::filesystem::path &file, const HiddenOptions &options);

// A user's hidden command set (".chd"): the same content as "hcoptions.cfg".
bool LoadHiddenConfigData(const std::filesystem::path &file, HiddenOptions &options);
bool SaveHiddenConfigData(const std::filesystem::path &file, const HiddenOptions &options);

} // namespace pagoranto

#pragma once

#include "core/options/genericoptionfile.h"
#include "core/options/hiddenoptions.h"

#include <filesystem>
#include <string_view>

namespace pagoranto {

inline constexpr std::string_view hiddenOptionsFileName = "hcoptions.cfg";
inline constexpr std::string_view hiddenOptionsSectionLine = "[HIDDENCOMMANDS]";

// The 23 keys in file order (the HTML fields as 1, 2, 3, 4, 0, 5 .. 9).
OptionEntries HiddenCommandEntries(HiddenOptions &options);

// "hcoptions.cfg", and a user's hidden command set (".chd") with the same content.
inline constexpr OptionFile<HiddenOptions> hiddenOptionsFile{{hiddenOptionsSectionLine},
                                                             HiddenCommandEntries};

// False when the file cannot be used; nothing is changed then.
inline bool ReadHiddenCommandOptions(const std::filesystem::path &file, HiddenOptions &options)
{
    return hiddenOptionsFile.Read(file, options);
}
inline bool WriteHiddenCommandOptions(const std::filesystem::path &file,
                                      const HiddenOptions &options)
{
    return hiddenOptionsFile.Write(file, options);
}
inline bool LoadHiddenConfigData(const std::filesystem::path &file, HiddenOptions &options)
{
    return hiddenOptionsFile.Read(file, options);
}
inline bool SaveHiddenConfigData(const std::filesystem::path &file, const HiddenOptions &options)
{
    return hiddenOptionsFile.Write(file, options);
}

} // namespace pagoranto

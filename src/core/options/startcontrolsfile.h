#pragma once

#include "core/options/genericoptionfile.h"
#include "core/options/pagenameoptions.h"
#include "core/options/specialoptions.h"

#include <filesystem>
#include <string_view>

namespace pagoranto {

// Start values of main-window boxes that no option file of the windows stores. The programs
// read this file at start and never write it: the program ships one, and a user who wants
// other start values puts an own copy into the program directory.
inline constexpr std::string_view startControlsFileName = "startcontrols.cfg";
inline constexpr std::string_view startControlsSectionLine = "[PAGORANTOSTARTCONTROLS]";

namespace startControlFields {
inline constexpr FlagField usedifferentfirst{.key = "UDFF", .encoding = FlagEncoding::number};
inline constexpr FlagField createthumbnails{.key = "CRTH", .encoding = FlagEncoding::number};
} // namespace startControlFields

struct StartControls {
    PageNameOptions &pageNames;
    SpecialOptions &special;
};

OptionEntries StartControlEntries(StartControls &controls);

inline constexpr OptionFile<StartControls> startControlsFile{{startControlsSectionLine},
                                                             StartControlEntries};

// False when the file cannot be used; nothing is changed then.
inline bool ReadStartControls(const std::filesystem::path &file, StartControls controls)
{
    return startControlsFile.Read(file, controls);
}

} // namespace pagoranto

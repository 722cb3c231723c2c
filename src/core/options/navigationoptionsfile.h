#pragma once

#include "core/options/genericoptionfile.h"
#include "core/options/navigationoptions.h"

#include <filesystem>
#include <string_view>

namespace pagoranto {

inline constexpr std::string_view navigationOptionsFileName = "navoptions.cfg";
inline constexpr std::string_view navigationOptionsSectionLine = "[NAVIGATIONBAR]";

// The 17 keys in file order.
OptionEntries NavigationEntries(NavigationOptions &options);

// "navoptions.cfg".
inline constexpr OptionFile<NavigationOptions> navigationOptionsFile{{navigationOptionsSectionLine},
                                                                     NavigationEntries};

// False when the file cannot be used; nothing is changed then.
inline bool ReadNavigationOptions(const std::filesystem::path &file, NavigationOptions &options)
{
    return navigationOptionsFile.Read(file, options);
}
inline bool WriteNavigationOptions(const std::filesystem::path &file,
                                   const NavigationOptions &options)
{
    return navigationOptionsFile.Write(file, options);
}

} // namespace pagoranto

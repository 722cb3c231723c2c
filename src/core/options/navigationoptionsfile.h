#pragma once

#include "core/options/navigationoptions.h"
#include "core/options/optionentries.h"

#include <filesystem>
#include <string_view>

namespace pagoranto {

inline constexpr std::string_view navigationOptionsFileName = "navoptions.cfg";
inline constexpr std::string_view navigationOptionsSectionLine = "[NAVIGATIONBAR]";

// The 17 keys in file order.
OptionEntries NavigationEntries(NavigationOptions &options);

// "navoptions.cfg". False when the file cannot be used; nothing is changed then.
bool ReadNavigationOptions(const std::filesystem::path &file, NavigationOptions &options);
bool WriteNavigationOptions(const std::filesystem::path &file, const NavigationOptions &options);

} // namespace pagoranto

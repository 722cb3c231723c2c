#pragma once

#include "core/options/headerfooteroptions.h"

#include <filesystem>
#include <string_view>

namespace pagoranto {

inline constexpr std::string_view headerFooterFileName = "headerandfooter.cfg";
inline constexpr std::string_view headerFooterSectionLine = "[HEADERANDFOOTER]";

// "headerandfooter.cfg": the two lines only, the use switches are not stored. False when the
// file cannot be used; nothing is changed then.
bool ReadHeaderFooterOptions(const std::filesystem::path &file, HeaderFooterOptions &options);
bool WriteHeaderFooterOptions(const std::filesystem::path &file,
                              const HeaderFooterOptions &options);

} // namespace pagoranto

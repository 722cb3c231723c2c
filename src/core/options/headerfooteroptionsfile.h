#pragma once

#include "core/options/genericoptionfile.h"
#include "core/options/headerfooteroptions.h"

#include <filesystem>
#include <string_view>

namespace pagoranto {

inline constexpr std::string_view headerFooterFileName = "headerandfooter.cfg";
inline constexpr std::string_view headerFooterSectionLine = "[HEADERANDFOOTER]";

OptionEntries HeaderFooterEntries(HeaderFooterOptions &options);

// "headerandfooter.cfg": the two lines only, the use switches are not stored.
inline constexpr OptionFile<HeaderFooterOptions> headerFooterFile{{headerFooterSectionLine},
                                                                  HeaderFooterEntries};

// False when the file cannot be used; nothing is changed then.
inline bool ReadHeaderFooterOptions(const std::filesystem::path &file, HeaderFooterOptions &options)
{
    return headerFooterFile.Read(file, options);
}
inline bool WriteHeaderFooterOptions(const std::filesystem::path &file,
                                     const HeaderFooterOptions &options)
{
    return headerFooterFile.Write(file, options);
}

} // namespace pagoranto

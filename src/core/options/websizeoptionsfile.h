#pragma once

#include "core/options/genericoptionfile.h"
#include "core/options/websizeoptions.h"

#include <filesystem>
#include <string_view>

namespace pagoranto {

inline constexpr std::string_view webSizeSectionLine = "[PAGORANTOWEBSIZE]";
// Below the program directory.
inline constexpr std::string_view webSizeOptionsPath = "websize.cfg";

// The four keys in file order; a complete configuration appends them after its own.
OptionEntries WebSizeEntries(WebSizeOptions &options);

inline constexpr OptionFile<WebSizeOptions> webSizeOptionsFile{{webSizeSectionLine},
                                                               WebSizeEntries};

inline bool ReadWebSizeOptions(const std::filesystem::path &file, WebSizeOptions &options)
{
    return webSizeOptionsFile.Read(file, options);
}

inline bool WriteWebSizeOptions(const std::filesystem::path &file, const WebSizeOptions &options)
{
    return webSizeOptionsFile.Write(file, options);
}

} // namespace pagoranto

#pragma once

#include "core/options/additionaloptions.h"
#include "core/options/genericoptionfile.h"
#include "core/options/linktexts.h"
#include "core/options/pagenameoptions.h"

#include <filesystem>
#include <string_view>

namespace pagoranto {

inline constexpr std::string_view additionalOptionsFileName = "pgrooptions.cfg";
// The two files share their keys but not their first line: each refuses the other's.
inline constexpr std::string_view additionalOptionsSectionLine = "ADDITIONALOPTIONS";
inline constexpr std::string_view commandConfigSectionLine = "[ADDITIONALOPTIONS]";

// The keys in file order, bound to the fields; the complete configuration reuses them.
OptionEntries AdditionalOptionEntries(LinkTexts &texts, PageNameOptions &names,
                                      AdditionalOptions &options);
OptionEntries CommandConfigEntries(LinkTexts &texts);

// "pgrooptions.cfg".
inline constexpr OptionFile<LinkTexts, PageNameOptions, AdditionalOptions> additionalOptionsFile{
    {additionalOptionsSectionLine}, AdditionalOptionEntries};
// A user's set of link texts (".ccd").
inline constexpr OptionFile<LinkTexts> commandConfigFile{{commandConfigSectionLine},
                                                         CommandConfigEntries};

// False when the file cannot be used; nothing is changed then.
inline bool ReadAdditionalOptions(const std::filesystem::path &file, LinkTexts &texts,
                                  PageNameOptions &names, AdditionalOptions &options)
{
    return additionalOptionsFile.Read(file, texts, names, options);
}
inline bool WriteAdditionalOptions(const std::filesystem::path &file, const LinkTexts &texts,
                                   const PageNameOptions &names, const AdditionalOptions &options)
{
    return additionalOptionsFile.Write(file, texts, names, options);
}
inline bool LoadCommandConfigData(const std::filesystem::path &file, LinkTexts &texts)
{
    return commandConfigFile.Read(file, texts);
}
inline bool SaveCommandConfigData(const std::filesystem::path &file, const LinkTexts &texts)
{
    return commandConfigFile.Write(file, texts);
}

} // namespace pagoranto

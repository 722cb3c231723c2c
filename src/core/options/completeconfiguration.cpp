#include "core/options/completeconfiguration.h"

#include "core/options/additionaloptionsfile.h"
#include "core/options/hiddenoptionsfile.h"
#include "core/options/navigationoptionsfile.h"
#include "core/options/thumbnailoptionsfile.h"
#include "core/options/websizeoptionsfile.h"

#include <algorithm>
#include <array>

namespace pagoranto {

namespace {

constexpr std::array<std::string_view, 71> completeConfigKeys = {
    "NEXT", "PREV", "FIRS", "LAST", "FREE", "BROW", "THUS", "PAGN", "NEWO", "ONEW", "NEWN", "NNEW",
    "COMM", "AUTH", "KEYW", "PAGT", "TARG", "ALTE", "ALTP", "SDIR", "PDIR", "DDIR", "WIDT", "HEIG",
    "COMP", "COLO", "GREY", "TIME", "ACTI", "SFIL", "SDIM", "SSIZ", "FPDI", "NFIR", "NPRE", "NNEX",
    "NLAS", "NLSE", "NLIN", "NFTS", "CHK1", "CHK2", "CHK3", "CHK4", "PLA1", "PLA2", "PLA3", "SHW1",
    "SHW2", "SHW3", "DIBB", "DIBH", "ECOL", "GRAD", "DDDR", "BORD", "HOME", "HOMT", "HTM1", "HTM2",
    "HTM3", "HTM4", "HTM0", "HTM5", "HTM6", "HTM7", "HTM8", "HTM9", "TCOM", "FEXT", "FUCO",
};

// The thumbnailer's keys; SDIR and PDIR are written for its sake but recomputed rather than
// taken from a configuration.
OptionEntries ThumbnailEntries(CompleteConfiguration &configuration)
{
    OptionEntries entries = ThumbnailerEntries(
        configuration.destinationDir, configuration.pictureRelPath, configuration.thumbnails);
    for (OptionEntry &entry : entries) {
        if (entry.key == thumbnailerFileFields::destinationDir.key ||
            entry.key == thumbnailerFileFields::pictureRelPath.key)
            entry.decode = nullptr;
    }
    return entries;
}

// The entries of the four option files, put into the order of the complete configuration.
OptionEntries CompleteConfigEntries(CompleteConfiguration &configuration)
{
    OptionEntries all = AdditionalOptionEntries(configuration.linkTexts, configuration.pageNames,
                                                configuration.additional);
    for (OptionEntries part :
         {HiddenCommandEntries(configuration.hidden), NavigationEntries(configuration.navigation),
          ThumbnailEntries(configuration)})
        all.insert(all.end(), part.begin(), part.end());

    OptionEntries ordered;
    ordered.reserve(completeConfigKeys.size());
    for (const std::string_view key : completeConfigKeys) {
        const auto found = std::find_if(
            all.begin(), all.end(), [key](const OptionEntry &entry) { return entry.key == key; });
        ordered.push_back(*found);
    }
    const OptionEntries ours = WebSizeEntries(configuration.webSize);
    ordered.insert(ordered.end(), ours.begin(), ours.end());
    return ordered;
}

constexpr OptionFile<CompleteConfiguration> completeConfigFile{{completeConfigSectionLine},
                                                               CompleteConfigEntries};

} // namespace

bool LoadCompleteConfiguration(const std::filesystem::path &file,
                               CompleteConfiguration &configuration)
{
    return completeConfigFile.Read(file, configuration);
}

bool SaveCompleteConfiguration(const std::filesystem::path &file,
                               const CompleteConfiguration &configuration)
{
    return completeConfigFile.Write(file, configuration);
}

} // namespace pagoranto

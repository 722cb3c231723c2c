#include "core/options/completeconfiguration.h"

#include "core/options/additionaloptionsfile.h"
#include "core/options/hiddenoptionsfile.h"
#include "core/options/navigationoptionsfile.h"
#include "core/options/optionentries.h"
#include "core/options/optionfile.h"
#include "core/text/textlength.h"

#include <algorithm>
#include <array>

namespace pagoranto {

namespace {

constexpr std::size_t thumbdirLength = 40;
constexpr int largestColour = 0xFFFFFF;

constexpr std::array<std::string_view, 71> completeConfigKeys = {
    "NEXT", "PREV", "FIRS", "LAST", "FREE", "BROW", "THUS", "PAGN", "NEWO", "ONEW", "NEWN",
    "NNEW", "COMM", "AUTH", "KEYW", "PAGT", "TARG", "ALTE", "ALTP", "SDIR", "PDIR", "DDIR",
    "WIDT", "HEIG", "COMP", "COLO", "GREY", "TIME", "ACTI", "SFIL", "SDIM", "SSIZ", "FPDI",
    "NFIR", "NPRE", "NNEX", "NLAS", "NLSE", "NLIN", "NFTS", "CHK1", "CHK2", "CHK3", "CHK4",
    "PLA1", "PLA2", "PLA3", "SHW1", "SHW2", "SHW3", "DIBB", "DIBH", "ECOL", "GRAD", "DDDR",
    "BORD", "HOME", "HOMT", "HTM1", "HTM2", "HTM3", "HTM4", "HTM0", "HTM5", "HTM6", "HTM7",
    "HTM8", "HTM9", "TCOM", "FEXT", "FUCO",
};

OptionEntry PaddedNumberEntry(std::string_view key, int &field, int minimum, int maximum)
{
    OptionEntry entry = NumberEntry(key, field, minimum, maximum);
    entry.encode = [&field] { return ZeroPad3(std::to_string(field)); };
    return entry;
}

OptionEntry ColourEntry(std::string_view key, ColourValue &field)
{
    return {key, [&field] { return std::to_string(field); },
            [&field](std::string_view value) {
                if (const auto colour = DecodeNumber(value, 0, largestColour))
                    field = static_cast<ColourValue>(*colour);
            }};
}

OptionEntry ThumbnailDirEntry(ThumbnailOptions &options)
{
    return {"DDIR", [&options] { return options.thumbnailDir(); },
            [&options](std::string_view value) {
                options.thumbdir = LimitTextLength(StripTrailingBackslash(value), thumbdirLength);
            }};
}

// The thumbnail keys with the encodings of the thumbnailer's option file.
OptionEntries ThumbnailEntries(CompleteConfiguration &configuration)
{
    ThumbnailOptions &options = configuration.thumbnails;
    return {
        FixedEntry("SDIR", configuration.destinationDir),
        FixedEntry("PDIR", configuration.pictureRelPath),
        ThumbnailDirEntry(options),
        PaddedNumberEntry("WIDT", options.ScrollBar2, 20, 320),
        PaddedNumberEntry("HEIG", options.ScrollBar3, 15, 240),
        PaddedNumberEntry("COMP", options.ScrollBar1, 1, 100),
        ColourEntry("COLO", options.Panel11),
        FlagEntry("GREY", options.CheckBox1),
        FixedEntry("TIME", "100"),
        FixedEntry("ACTI", "1"),
        NumberEntry("DIBB", options.ScrollBar6, 0, 20),
        NumberEntry("DIBH", options.ScrollBar5, 0, 20),
        ColourEntry("ECOL", options.Panel12),
        NumberEntry("GRAD", options.RadioGroup2, 0, 7),
        NumericFlagEntry("DDDR", options.Drei3d_check),
        NumberEntry("BORD", options.ScrollBar4, 0, 10),
    };
}

// The entries of the four option files, put into the order of the complete configuration.
OptionEntries CompleteConfigEntries(CompleteConfiguration &configuration)
{
    OptionEntries all = AdditionalOptionEntries(configuration.linkTexts, configuration.pageNames,
                                                configuration.additional);
    for (OptionEntries part : {HiddenCommandEntries(configuration.hidden),
                               NavigationEntries(configuration.navigation),
                               ThumbnailEntries(configuration)})
        all.insert(all.end(), part.begin(), part.end());

    OptionEntries ordered;
    ordered.reserve(completeConfigKeys.size());
    for (const std::string_view key : completeConfigKeys) {
        const auto found = std::find_if(all.begin(), all.end(),
                                        [key](const OptionEntry &entry) { return entry.key == key; });
        ordered.push_back(*found);
    }
    return ordered;
}

} // namespace

bool LoadCompleteConfiguration(const std::filesystem::path &file,
                               CompleteConfiguration &configuration)
{
    return ReadOptionEntries(file, completeConfigSectionLine, CompleteConfigEntries(configuration));
}

bool SaveCompleteConfiguration(const std::filesystem::path &file,
                               const CompleteConfiguration &configuration)
{
    CompleteConfiguration copy = configuration;
    return WriteOptionEntries(file, completeConfigSectionLine, CompleteConfigEntries(copy));
}

} // namespace pagoranto

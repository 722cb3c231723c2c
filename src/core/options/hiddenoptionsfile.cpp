#include "core/options/hiddenoptionsfile.h"

namespace pagoranto {

namespace {

constexpr std::size_t hiddenTextLength = 200;

OptionEntry HtmlEntry(std::string_view key, HiddenOptions &options)
{
    return TextEntry(key, options.editfield_html[static_cast<std::size_t>(key[3] - '0')]);
}

} // namespace

OptionEntries HiddenCommandEntries(HiddenOptions &options)
{
    return {
        TextEntry("COMM", options.hcomment, hiddenTextLength),
        TextEntry("AUTH", options.hauthor, hiddenTextLength),
        TextEntry("KEYW", options.hkeywords, hiddenTextLength),
        TextEntry("PAGT", options.hpagetitle, hiddenTextLength),
        TextEntry("TARG", options.htarget, hiddenTextLength),
        TextEntry("ALTE", options.alternativetext, hiddenTextLength),
        TextEntry("ALTP", options.alternativePPIICCtext, hiddenTextLength),
        FlagEntry("SFIL", options.showfilename),
        FlagEntry("SDIM", options.showdimensions),
        FlagEntry("SSIZ", options.showfilesize),
        HtmlEntry("HTM1", options),
        HtmlEntry("HTM2", options),
        HtmlEntry("HTM3", options),
        HtmlEntry("HTM4", options),
        HtmlEntry("HTM0", options),
        HtmlEntry("HTM5", options),
        HtmlEntry("HTM6", options),
        HtmlEntry("HTM7", options),
        HtmlEntry("HTM8", options),
        HtmlEntry("HTM9", options),
        FlagEntry("TCOM", options.showcomment),
        FlagEntry("FEXT", options.showfilenamewithextension),
        FlagEntry("FUCO", options.showfullcomment),
    };
}

bool ReadHiddenCommandOptions(const std::filesystem::path &file, HiddenOptions &options)
{
    return ReadOptionEntries(file, hiddenOptionsSectionLine, HiddenCommandEntries(options));
}

bool WriteHiddenCommandOptions(const std::filesystem::path &file, const HiddenOptions &options)
{
    HiddenOptions copy = options;
    return WriteOptionEntries(file, hiddenOptionsSectionLine, HiddenCommandEntries(copy));
}

bool LoadHiddenConfigData(const std::filesystem::path &file, HiddenOptions &options)
{
    return ReadHiddenCommandOptions(file, options);
}

bool SaveHiddenConfigData(const std::filesystem::path &file, const HiddenOptions &options)
{
    return WriteHiddenCommandOptions(file, options);
}

} // namespace pagoranto

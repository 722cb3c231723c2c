#include "core/options/navigationoptionsfile.h"

namespace pagoranto {

OptionEntries NavigationEntries(NavigationOptions &options)
{
    return {
        TextEntry("NFIR", options.nav_edit_first),
        TextEntry("NPRE", options.nav_edit_prev),
        TextEntry("NNEX", options.nav_edit_next),
        TextEntry("NLAS", options.nav_edit_last),
        TextEntry("NLSE", options.nav_edit_linkseparator),
        NumberEntry("NLIN", options.ScrollBar1, 1, 15),
        NumberEntry("NFTS", options.RadioGroup1, 0, 6),
        NumericFlagEntry("CHK1", options.nav_use_first),
        NumericFlagEntry("CHK2", options.nav_use_prev),
        NumericFlagEntry("CHK3", options.nav_use_next),
        NumericFlagEntry("CHK4", options.nav_use_last),
        NumericFlagEntry("PLA1", options.plain1),
        NumericFlagEntry("PLA2", options.plain2),
        NumericFlagEntry("PLA3", options.plain3),
        NumericFlagEntry("SHW1", options.show1),
        NumericFlagEntry("SHW2", options.show2),
        NumericFlagEntry("SHW3", options.show3),
    };
}

bool ReadNavigationOptions(const std::filesystem::path &file, NavigationOptions &options)
{
    return ReadOptionEntries(file, navigationOptionsSectionLine, NavigationEntries(options));
}

bool WriteNavigationOptions(const std::filesystem::path &file, const NavigationOptions &options)
{
    NavigationOptions copy = options;
    return WriteOptionEntries(file, navigationOptionsSectionLine, NavigationEntries(copy));
}

} // namespace pagoranto

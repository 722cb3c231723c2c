#include "core/options/navigationoptionsfile.h"

namespace pagoranto {

OptionEntries NavigationEntries(NavigationOptions &options)
{
    using namespace navigationFields;
    return {
        Bind(nav_edit_first, options.nav_edit_first),
        Bind(nav_edit_prev, options.nav_edit_prev),
        Bind(nav_edit_next, options.nav_edit_next),
        Bind(nav_edit_last, options.nav_edit_last),
        Bind(nav_edit_linkseparator, options.nav_edit_linkseparator),
        Bind(ScrollBar1, options.ScrollBar1),
        Bind(RadioGroup1, options.RadioGroup1),
        Bind(nav_use_first, options.nav_use_first),
        Bind(nav_use_prev, options.nav_use_prev),
        Bind(nav_use_next, options.nav_use_next),
        Bind(nav_use_last, options.nav_use_last),
        Bind(plain1, options.plain1),
        Bind(plain2, options.plain2),
        Bind(plain3, options.plain3),
        Bind(show1, options.show1),
        Bind(show2, options.show2),
        Bind(show3, options.show3),
    };
}

} // namespace pagoranto

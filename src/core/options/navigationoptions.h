#pragma once

#include "core/options/optionfield.h"

#include <string>

namespace pagoranto {

namespace navigationFields {
inline constexpr TextField nav_edit_first{.key = "NFIR", .initial = "|<"};
inline constexpr TextField nav_edit_prev{.key = "NPRE", .initial = "<<"};
inline constexpr TextField nav_edit_next{.key = "NNEX", .initial = ">>"};
inline constexpr TextField nav_edit_last{.key = "NLAS", .initial = ">|"};
inline constexpr TextField nav_edit_linkseparator{.key = "NLSE", .initial = "-|-"};
// The number of page links.
inline constexpr NumberField ScrollBar1{.key = "NLIN", .initial = 14, .minimum = 1, .maximum = 15};
// The font size of the current number, "8" .. "36".
inline constexpr NumberField RadioGroup1{.key = "NFTS", .initial = 6, .minimum = 0, .maximum = 6};
inline constexpr FlagField nav_use_first{
    .key = "CHK1", .initial = true, .encoding = FlagEncoding::number};
inline constexpr FlagField nav_use_prev{
    .key = "CHK2", .initial = true, .encoding = FlagEncoding::number};
inline constexpr FlagField nav_use_next{
    .key = "CHK3", .initial = true, .encoding = FlagEncoding::number};
inline constexpr FlagField nav_use_last{
    .key = "CHK4", .initial = true, .encoding = FlagEncoding::number};
// $APAGE$, $NPAGE$, $PPAGE$ as plain text instead of a link.
inline constexpr FlagField plain1{.key = "PLA1", .initial = true, .encoding = FlagEncoding::number};
inline constexpr FlagField plain2{
    .key = "PLA2", .initial = false, .encoding = FlagEncoding::number};
inline constexpr FlagField plain3{
    .key = "PLA3", .initial = false, .encoding = FlagEncoding::number};
// Keep the file extension in $APAGE$, $NPAGE$, $PPAGE$.
inline constexpr FlagField show1{.key = "SHW1", .initial = false, .encoding = FlagEncoding::number};
inline constexpr FlagField show2{.key = "SHW2", .initial = false, .encoding = FlagEncoding::number};
inline constexpr FlagField show3{.key = "SHW3", .initial = false, .encoding = FlagEncoding::number};
} // namespace navigationFields

// The navigation bar options window's values (the date and time formats are not stored here).
struct NavigationOptions {
    std::string nav_edit_first{navigationFields::nav_edit_first.initial};
    std::string nav_edit_prev{navigationFields::nav_edit_prev.initial};
    std::string nav_edit_next{navigationFields::nav_edit_next.initial};
    std::string nav_edit_last{navigationFields::nav_edit_last.initial};
    bool nav_use_first = navigationFields::nav_use_first.initial;
    bool nav_use_prev = navigationFields::nav_use_prev.initial;
    bool nav_use_next = navigationFields::nav_use_next.initial;
    bool nav_use_last = navigationFields::nav_use_last.initial;
    std::string nav_edit_linkseparator{navigationFields::nav_edit_linkseparator.initial};
    int ScrollBar1 = navigationFields::ScrollBar1.initial;
    int RadioGroup1 = navigationFields::RadioGroup1.initial;
    bool plain1 = navigationFields::plain1.initial;
    bool plain2 = navigationFields::plain2.initial;
    bool plain3 = navigationFields::plain3.initial;
    bool show1 = navigationFields::show1.initial;
    bool show2 = navigationFields::show2.initial;
    bool show3 = navigationFields::show3.initial;
};

} // namespace pagoranto

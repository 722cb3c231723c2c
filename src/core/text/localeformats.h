#pragma once

#include "core/text/datetimeformat.h"

#include <string>
#include <string_view>

namespace pagoranto {

// A locale's date or time pattern in the letters of Qt and Unicode (d M y, h H m s z, AP, t and
// quoted text) turned into this program's pattern letters; literal text stays literal and the
// time zone, which the clock does not know, is left out.
std::string PatternFromLocale(std::string_view localePattern);

// The program-wide formats from the user's locale: its short date and long time patterns, each
// falling back to the fixed default when it is empty or gives nothing.
DateTimeFormats FormatsFromLocale(std::string_view shortDatePattern,
                                  std::string_view longTimePattern);

} // namespace pagoranto

#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace pagoranto {

struct PageNameOptions;

// n in decimal, left-padded with "0" to numberLength digits; a longer number is never cut.
std::string FormatPageNumber(std::int64_t n, int numberLength);

// True when name holds "$nd$", "$nb$" or "$nh$" in any letter case.
bool HasPageNamePlaceholder(std::string_view name);

// Every "$nd$" becomes FormatPageNumber(n), then every "$nb$" the 32 binary digits of n, then
// every "$nh$" n in lower-case hexadecimal without padding.
std::string ApplyPageNamePlaceholders(std::string_view name, std::int32_t n, int numberLength);

// File name of the page at 1-based position k, numbered firstPageNumber + k - 1.
std::string PageFileName(int k, std::int64_t firstPageNumber, const PageNameOptions &options);

// False for a name that is empty, "." or "..", or holds a path separator, so that no page is
// written outside its directory whatever an option file holds.
bool IsSafePageName(std::string_view name);

// The first page of the run as the end status names it; pageCounterText is the counter as
// shown at the run's start.
std::string FirstPageName(const PageNameOptions &options, const std::string &pageCounterText);

} // namespace pagoranto

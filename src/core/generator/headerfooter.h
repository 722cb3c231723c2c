#pragma once

#include "core/options/headerfooteroptions.h"
#include "core/text/bytetext.h"

namespace pagoranto {

// The header goes after the first line holding "<body", the footer before the first "</body>",
// each at most once; the pairs CR LF inserted become line breaks when the page is saved.
void InsertHeaderAndFooter(ByteLines &pageText, const HeaderFooterOptions &options);

} // namespace pagoranto

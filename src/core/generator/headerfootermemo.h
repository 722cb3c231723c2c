#pragma once

#include "core/options/headerfooteroptions.h"
#include "core/text/bytetext.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace pagoranto {

// Without leading and trailing blanks and control characters.
std::string TrimBlanks(std::string_view text);

// Trims every memo line in place and returns the non-empty ones put end to end: one line of
// HTML.
std::string JoinMemoLines(ByteLines &memo);

// One line per tag: a line ends after every ">", a rest without one is the last line.
ByteLines SplitAfterTags(std::string_view text);

// The memo as a page: the header and the footer inserted as the run inserts them, whatever the
// use switches say, each inserted line break giving a line of its own.
ByteLines WithHeaderAndFooter(const ByteLines &memo, const HeaderFooterOptions &options);

// Keeps the first of equal entries, in order; returns how many were removed.
std::size_t RemoveDoubleEntries(ByteLines &entries);

// A header or footer list file: one entry per line. Reading skips empty lines; an empty
// optional when the file cannot be read.
std::optional<ByteLines> ReadHeaderFooterList(const std::filesystem::path &file);
bool WriteHeaderFooterList(const std::filesystem::path &file, const ByteLines &entries);

// Which list a list file belongs to: the footer list for the extension ".footer" (any letter
// case), otherwise the header list.
bool IsFooterListFile(const std::filesystem::path &file);

} // namespace pagoranto

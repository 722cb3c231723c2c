#pragma once

#include "core/text/bytetext.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace pagoranto {

// The files that travel with a template, named after it with the extension replaced: its
// description (".txt") and its needed-files list (".nef").

inline constexpr std::size_t maxDescriptionCharacters = 4000;

std::filesystem::path DescriptionPath(const std::filesystem::path &templatePath);
std::filesystem::path NeededFilesListPath(const std::filesystem::path &templatePath);

// The description as UTF-8 text with "\n" line breaks, cut to maxDescriptionCharacters; the
// fallback file's when the template has none; empty when neither can be read.
std::string LoadTemplateDescription(const std::filesystem::path &templatePath,
                                    const std::filesystem::path &fallbackFile);
// The description whole, for editors without the memo's limit; empty when unreadable.
std::string LoadWholeTemplateDescription(const std::filesystem::path &templatePath);
// False when the file cannot be written.
bool SaveTemplateDescription(const std::filesystem::path &templatePath, std::string_view text);

// One file name per line, relative to the template's directory; empty when unreadable.
ByteLines LoadNeededFiles(const std::filesystem::path &listPath);
// False when the file cannot be written.
bool SaveNeededFiles(const std::filesystem::path &templatePath, const ByteLines &entries);

// Needed files are named relative to the template's directory, so only a file lying directly
// in it can be added to the list.
bool LiesInTemplateDirectory(const std::filesystem::path &templatePath,
                             const std::filesystem::path &file);

} // namespace pagoranto

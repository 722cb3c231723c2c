#pragma once

#include "core/text/bytetext.h"
#include "core/text/textencoding.h"

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

// The description as UTF-8 text with "\n" between its lines, cut to maxDescriptionCharacters,
// and the encoding to save it in. Without a description of its own, the fallback file's text,
// which is saved as a new file in UTF-8; empty when neither can be read.
DecodedText LoadTemplateDescription(const std::filesystem::path &templatePath,
                                    const std::filesystem::path &fallbackFile);
// The description whole, for editors without the memo's limit; empty when unreadable.
DecodedText LoadWholeTemplateDescription(const std::filesystem::path &templatePath);
// The text in the bytes of its encoding, "\n" between lines; a line end follows every line.
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

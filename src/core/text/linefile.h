#pragma once

#include "core/platform/folderhandles.h"
#include "core/text/bytetext.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

namespace pagoranto {

// Splits on LF, dropping the CR of a CR LF pair; a last line without a line end still counts,
// a file that ends in a line end gets no empty line after it.
ByteLines SplitLines(std::string_view bytes);

// Every line followed by CR LF.
std::string JoinLinesCrLf(const ByteLines &lines);

// The most any text file of the programs (template, option file, list, descriptions) may hold.
inline constexpr std::uintmax_t maxTextFileBytes = 64u << 20;

// True for a regular file, or a link to one: never a FIFO or a device, whose reading would wait
// for ever or never end.
bool IsRegularFile(const std::filesystem::path &path);

// Empty optional when the file cannot be read, is no regular file or holds more than maxBytes.
std::optional<std::string> ReadFileBytes(const std::filesystem::path &path,
                                         std::uintmax_t maxBytes = maxTextFileBytes);
std::optional<ByteLines> ReadLineFile(const std::filesystem::path &path);

// True when path is a regular file, not a symbolic link, that holds exactly these bytes.
bool FileHoldsBytes(const std::filesystem::path &path, std::string_view bytes);

// Writes through a temporary file beside the target, so a failed write (full disk, no
// permission) leaves any earlier file as it was. False when the file could not be written.
bool WriteFileBytes(const std::filesystem::path &path, std::string_view bytes);
bool WriteLineFile(const std::filesystem::path &path, const ByteLines &lines);

// For files a later run reads back to compare, such as pages: a regular file that already holds
// exactly these bytes is left untouched (times stay, nothing is uploaded again); a new file is
// created in place; an earlier file is replaced as WriteFileBytes does.
bool WriteChangedFileBytes(const std::filesystem::path &path, std::string_view bytes);
bool WriteChangedLineFile(const std::filesystem::path &path, const ByteLines &lines);
// The same, reaching the file through its folder among folders: for many files in few folders.
bool WriteChangedLineFile(FolderHandles &folders, const std::string &path, const ByteLines &lines);

} // namespace pagoranto

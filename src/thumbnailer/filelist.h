#pragma once

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace pagoranto {

// The pictures of "filelist.dat", one full path a line (LF or CR LF); blank lines are passed
// over. Empty when the file cannot be read.
std::optional<std::vector<std::filesystem::path>> ReadFileList(const std::filesystem::path &file);

// A list written on Windows separates with "\", which is an ordinary file name character here:
// a line naming no existing file is taken with every "\" read as "/".
std::filesystem::path ListedPicture(std::string_view line);

} // namespace pagoranto

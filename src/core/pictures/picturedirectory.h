#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace pagoranto {

// The files (no directories) of dir that accept takes, in alphabetical order as a file list
// shows them; empty when the directory cannot be read.
std::vector<std::string> ListFiles(const std::string &dir,
                                   const std::function<bool(std::string_view)> &accept);

// File names (no directory) in dir whose extension is extension without regard to case, in
// alphabetical order; empty when the directory cannot be read.
std::vector<std::string> ListFilesWithExtension(const std::string &dir, std::string_view extension);

inline std::vector<std::string> ListPictureFiles(const std::string &dir)
{
    return ListFilesWithExtension(dir, ".jpg");
}

inline std::vector<std::string> ListSortingLists(const std::string &dir)
{
    return ListFilesWithExtension(dir, ".qvlist");
}

} // namespace pagoranto

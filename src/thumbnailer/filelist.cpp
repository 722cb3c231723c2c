#include "thumbnailer/filelist.h"

#include "core/text/linefile.h"

#include <algorithm>
#include <string>
#include <system_error>

namespace pagoranto {

std::filesystem::path ListedPicture(std::string_view line)
{
    std::filesystem::path path{std::string(line)};
    std::error_code error;
    if (line.find('\\') == std::string_view::npos || std::filesystem::exists(path, error))
        return path;
    std::string slashed(line);
    std::replace(slashed.begin(), slashed.end(), '\\', '/');
    return std::filesystem::path(slashed);
}

std::optional<std::vector<std::filesystem::path>> ReadFileList(const std::filesystem::path &file)
{
    const auto lines = ReadLineFile(file);
    if (!lines)
        return std::nullopt;
    std::vector<std::filesystem::path> pictures;
    for (const std::string &line : *lines) {
        if (line.find_first_not_of(" \t") != std::string::npos)
            pictures.push_back(ListedPicture(line));
    }
    return pictures;
}

} // namespace pagoranto

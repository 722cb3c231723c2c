#include "core/pictures/listedfiledeletion.h"

#include "core/text/bytetext.h"

#include <filesystem>
#include <system_error>

namespace pagoranto {

namespace {

bool StaysInsideDirectory(std::string_view name)
{
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of("/\\") == std::string_view::npos;
}

bool DeleteFile(const std::filesystem::path &path)
{
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::symlink_status(path, error);
    if (error || !(std::filesystem::is_regular_file(status) || std::filesystem::is_symlink(status)))
        return false;
    return std::filesystem::remove(path, error) && !error;
}

} // namespace

bool HasUpperCaseExtension(std::string_view name, std::string_view upperExtension)
{
    const std::size_t dot = name.rfind('.');
    return dot != std::string_view::npos && AsciiUpperCase(name.substr(dot)) == upperExtension;
}

std::string DeletedFilesText(int count)
{
    return "Deleted " + std::to_string(count) + " files";
}

ListedDeletionResult DeleteListedFiles(const std::string &dir,
                                       const std::vector<std::string> &names,
                                       std::string_view upperExtension,
                                       const std::function<void(const std::string &)> &progress)
{
    ListedDeletionResult result;
    const std::filesystem::path directory(dir);
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string &name = names[i];
        if (HasUpperCaseExtension(name, upperExtension) && StaysInsideDirectory(name) &&
            DeleteFile(directory / name))
            ++result.deleted;
        ++result.namesVisited;
        if (i % 10 == 0 && progress)
            progress(DeletedFilesText(static_cast<int>(i) + 1));
    }
    return result;
}

} // namespace pagoranto

#include "core/pictures/listedfiledeletion.h"

#include "core/platform/trash.h"
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

bool IsFileOrLink(const std::filesystem::path &path)
{
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::symlink_status(path, error);
    return !error &&
           (std::filesystem::is_regular_file(status) || std::filesystem::is_symlink(status));
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
        const std::filesystem::path path = directory / name;
        if (HasUpperCaseExtension(name, upperExtension) && StaysInsideDirectory(name) &&
            IsFileOrLink(path)) {
            switch (MoveToTrash(path).outcome) {
            case TrashOutcome::trashed:
                ++result.trashed;
                break;
            case TrashOutcome::noTrash:
                result.withoutTrash.push_back(name);
                break;
            case TrashOutcome::failed:
                result.failed.push_back(name);
                break;
            }
        }
        ++result.namesVisited;
        if (i % 10 == 0 && progress)
            progress(DeletedFilesText(static_cast<int>(i) + 1));
    }
    return result;
}

std::string PermanentDeletionQuestion(std::string_view dir, std::size_t count)
{
    return "The folder\r" + std::string(dir) +
           "\rlies on a file system without a trash: " + std::to_string(count) +
           " files could not be moved to the trash.\rDo you want to delete them permanently ? "
           "They cannot be restored.";
}

int DeleteFilesPermanently(const std::string &dir, const std::vector<std::string> &names)
{
    int deleted = 0;
    const std::filesystem::path directory(dir);
    for (const std::string &name : names) {
        const std::filesystem::path path = directory / name;
        std::error_code error;
        if (StaysInsideDirectory(name) && IsFileOrLink(path) &&
            std::filesystem::remove(path, error) && !error)
            ++deleted;
    }
    return deleted;
}

} // namespace pagoranto

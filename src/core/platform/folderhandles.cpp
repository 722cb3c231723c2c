#include "core/platform/folderhandles.h"

#include <fcntl.h>
#include <string_view>
#include <unistd.h>

namespace pagoranto {

namespace {

void CloseAll(const std::vector<std::pair<std::string, int>> &folders)
{
    for (const auto &[folder, fd] : folders)
        if (fd >= 0)
            ::close(fd);
}

} // namespace

FolderHandles::~FolderHandles()
{
    CloseAll(m_folders);
}

FolderHandles::FolderHandles(FolderHandles &&other) noexcept
    : m_folders(std::exchange(other.m_folders, {}))
{
}

FolderHandles &FolderHandles::operator=(FolderHandles &&other) noexcept
{
    if (this != &other) {
        CloseAll(m_folders);
        m_folders = std::exchange(other.m_folders, {});
    }
    return *this;
}

FolderHandles::Place FolderHandles::Locate(const std::string &path)
{
    const Place whole{AT_FDCWD, path.c_str()};
    const std::size_t slash = path.rfind('/');
    // A name that ends in "/" or is "." or ".." is a folder's own path, and is left whole.
    if (slash == std::string::npos || slash + 1 == path.size())
        return whole;
    const char *name = path.c_str() + slash + 1;
    if (std::string_view(name) == "." || std::string_view(name) == "..")
        return whole;
    const std::string_view folder(path.data(), slash == 0 ? 1 : slash);
    for (const auto &[known, fd] : m_folders)
        if (known == folder)
            return fd >= 0 ? Place{fd, name} : whole;
    if (m_folders.size() == maxFolders)
        return whole;
    const int fd = ::open(std::string(folder).c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    m_folders.emplace_back(folder, fd);
    return fd >= 0 ? Place{fd, name} : whole;
}

} // namespace pagoranto

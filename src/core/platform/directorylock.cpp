#include "core/platform/directorylock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <utility>

namespace pagoranto {

std::optional<DirectoryLock> DirectoryLock::TryLock(const std::filesystem::path &directory)
{
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return std::nullopt;
    }
    return DirectoryLock(fd);
}

DirectoryLock::DirectoryLock(DirectoryLock &&other) noexcept : m_fd(std::exchange(other.m_fd, -1))
{
}

DirectoryLock &DirectoryLock::operator=(DirectoryLock &&other) noexcept
{
    if (this != &other) {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = std::exchange(other.m_fd, -1);
    }
    return *this;
}

DirectoryLock::~DirectoryLock()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

} // namespace pagoranto

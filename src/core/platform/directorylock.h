#pragma once

#include <filesystem>
#include <optional>

namespace pagoranto {

// An exclusive lock on a directory, held until the object goes. Other processes that ask for
// the same directory are refused meanwhile; nothing is written into the directory for it.
class DirectoryLock {
public:
    // Empty when another process holds the directory (or it cannot be opened).
    static std::optional<DirectoryLock> TryLock(const std::filesystem::path &directory);

    DirectoryLock(DirectoryLock &&other) noexcept;
    DirectoryLock &operator=(DirectoryLock &&other) noexcept;
    DirectoryLock(const DirectoryLock &) = delete;
    DirectoryLock &operator=(const DirectoryLock &) = delete;
    ~DirectoryLock();

private:
    explicit DirectoryLock(int fd) : m_fd(fd) {}
    int m_fd = -1;
};

} // namespace pagoranto

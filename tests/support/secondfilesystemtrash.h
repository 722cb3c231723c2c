#pragma once

#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace pagoranto::testing {

// /dev/shm as a file system other than the one the tests' home trash lies on, for the trash at
// the top of a file system. The trash folders there are shared by every test program on the
// machine, so a lock keeps two programs from changing them at once, and only folders that did not
// exist before are used and removed again.
class SecondFileSystemTrash {
public:
    SecondFileSystemTrash()
    {
        namespace fs = std::filesystem;
        std::error_code error;
        struct stat shm {};
        struct stat temp {};
        if (::stat(m_top.c_str(), &shm) != 0 ||
            ::stat(fs::temp_directory_path(error).c_str(), &temp) != 0 ||
            shm.st_dev == temp.st_dev || ::access(m_top.c_str(), W_OK) != 0)
            return;
        // The folder itself is the lock: a lock file would be left behind.
        m_lock = ::open(m_top.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (m_lock < 0 || ::flock(m_lock, LOCK_EX) != 0)
            return;
        m_usable = !fs::exists(fs::symlink_status(sharedTrash(), error)) &&
                   !fs::exists(fs::symlink_status(userTrash(), error));
    }
    ~SecondFileSystemTrash()
    {
        if (m_usable)
            RemoveTrashes();
        if (m_lock >= 0)
            ::close(m_lock);
    }
    SecondFileSystemTrash(const SecondFileSystemTrash &) = delete;
    SecondFileSystemTrash &operator=(const SecondFileSystemTrash &) = delete;

    bool usable() const { return m_usable; }
    const std::filesystem::path &top() const { return m_top; }
    std::filesystem::path sharedTrash() const { return m_top / ".Trash"; }
    std::filesystem::path userTrash() const
    {
        return m_top / (".Trash-" + std::to_string(::getuid()));
    }
    void RemoveTrashes() const
    {
        std::error_code ignored;
        std::filesystem::remove_all(sharedTrash(), ignored);
        std::filesystem::remove_all(userTrash(), ignored);
    }

private:
    std::filesystem::path m_top = "/dev/shm";
    int m_lock = -1;
    bool m_usable = false;
};

} // namespace pagoranto::testing

#include "core/text/reusedlinefile.h"

#include "core/text/linefile.h"

#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace pagoranto {

namespace {

ReusedLineFile::Identity IdentityOf(const struct stat &status)
{
    return {status.st_dev,         status.st_ino,          status.st_size,
            status.st_mtim.tv_sec, status.st_mtim.tv_nsec, status.st_ctim.tv_sec,
            status.st_ctim.tv_nsec};
}

} // namespace

const ByteLines *ReusedLineFile::Lines(const std::filesystem::path &path)
{
    // A look at the file's facts is enough while nothing changed; a change of its rights changes
    // its ctime, so a file that became unreadable is not taken for the one read before.
    const FolderHandles::Place place = m_folders.Locate(path.native());
    const bool samePath = m_path.native() == path.native();
    struct stat status {};
    if (m_identity && samePath && ::fstatat(place.folder, place.name, &status, 0) == 0 &&
        S_ISREG(status.st_mode) && IdentityOf(status) == *m_identity)
        return &m_lines;
    // Opened without waiting, so a FIFO put in the file's place cannot block the open itself.
    const int fd = ::openat(place.folder, place.name, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        m_identity.reset();
        return nullptr;
    }
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) ||
        static_cast<std::uintmax_t>(status.st_size) > maxTextFileBytes) {
        ::close(fd);
        m_identity.reset();
        return nullptr;
    }
    const Identity identity = IdentityOf(status);
    if (m_identity && *m_identity == identity && samePath) {
        ::close(fd);
        return &m_lines;
    }
    // The identity is the one from before the read: a change while reading shows next time.
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(status.st_size));
    char buffer[65536];
    ssize_t count;
    while ((count = ::read(fd, buffer, sizeof buffer)) > 0 && bytes.size() <= maxTextFileBytes)
        bytes.append(buffer, static_cast<std::size_t>(count));
    ::close(fd);
    if (count != 0 || bytes.size() > maxTextFileBytes) {
        m_identity.reset();
        return nullptr;
    }
    m_lines = SplitLines(bytes);
    m_identity = identity;
    m_path = path;
    return &m_lines;
}

} // namespace pagoranto

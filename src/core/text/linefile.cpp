#include "core/text/linefile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace pagoranto {

ByteLines SplitLines(std::string_view bytes)
{
    ByteLines lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        const bool lastLine = end == std::string_view::npos;
        if (lastLine)
            end = bytes.size();
        std::string_view line = bytes.substr(start, end - start);
        if (!lastLine && !line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

std::string JoinLinesCrLf(const ByteLines &lines)
{
    std::size_t size = 0;
    for (const auto &line : lines)
        size += line.size() + 2;
    std::string out;
    out.reserve(size);
    for (const auto &line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

bool IsRegularFile(const std::filesystem::path &path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

std::optional<std::string> ReadFileBytes(const std::filesystem::path &path, std::uintmax_t maxBytes)
{
    // Opened without waiting, so a FIFO put in a file's place cannot block the open itself.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    std::optional<std::string> bytes;
    struct stat status {};
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) &&
        static_cast<std::uintmax_t>(status.st_size) <= maxBytes) {
        std::string read;
        char buffer[65536];
        ssize_t count;
        while ((count = ::read(fd, buffer, sizeof buffer)) > 0 && read.size() <= maxBytes)
            read.append(buffer, static_cast<std::size_t>(count));
        if (count == 0 && read.size() <= maxBytes)
            bytes = std::move(read);
    }
    ::close(fd);
    return bytes;
}

std::optional<ByteLines> ReadLineFile(const std::filesystem::path &path)
{
    auto bytes = ReadFileBytes(path);
    if (!bytes)
        return std::nullopt;
    return SplitLines(*bytes);
}

namespace {

enum class ExistingFile { missing, same, directory, other };

// Only a regular file of its own counts as the same: a link is replaced as before, never read
// through. One open answers whether there is anything at all.
ExistingFile CompareWithExisting(FolderHandles::Place place, const std::filesystem::path &path,
                                 std::string_view bytes)
{
    const int fd =
        ::openat(place.folder, place.name, O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            return ExistingFile::missing;
        std::error_code error;
        return std::filesystem::is_directory(path, error) ? ExistingFile::directory
                                                          : ExistingFile::other;
    }
    struct stat status {};
    ExistingFile found = ExistingFile::other;
    if (::fstat(fd, &status) == 0 && S_ISDIR(status.st_mode))
        found = ExistingFile::directory;
    bool same = found != ExistingFile::directory && S_ISREG(status.st_mode) &&
                static_cast<std::uintmax_t>(status.st_size) == bytes.size();
    // A byte more than expected is asked for, so a file that grew meanwhile is not the same.
    char buffer[65536];
    std::size_t offset = 0;
    while (same) {
        const std::size_t wanted = std::min(sizeof buffer, bytes.size() - offset + 1);
        const ssize_t count = ::read(fd, buffer, wanted);
        if (count < 0 && errno == EINTR)
            continue;
        if (count == 0)
            break;
        same = count > 0 && static_cast<std::size_t>(count) <= bytes.size() - offset &&
               std::memcmp(buffer, bytes.data() + offset, static_cast<std::size_t>(count)) == 0;
        offset += same ? static_cast<std::size_t>(count) : 0;
        // A regular file reads short only at its end.
        if (static_cast<std::size_t>(count) < wanted)
            break;
    }
    same = same && offset == bytes.size();
    ::close(fd);
    return same ? ExistingFile::same : found;
}

} // namespace

bool FileHoldsBytes(const std::filesystem::path &path, std::string_view bytes)
{
    return CompareWithExisting({AT_FDCWD, path.c_str()}, path, bytes) == ExistingFile::same;
}

namespace {

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t count = ::write(fd, bytes.data(), bytes.size());
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(count));
    }
    return true;
}

// Through a temporary file beside the target, so a failed write leaves any earlier file as it was.
bool ReplaceFileBytes(const std::filesystem::path &path, std::string_view bytes)
{
    std::error_code error;
    std::filesystem::path temporary = path;
    temporary += ".partial~" + std::to_string(::getpid());
    bool written = false;
    // Made afresh, so a link planted under the temporary name is never written through.
    std::filesystem::remove(temporary, error);
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (std::FILE *out = fd >= 0 ? ::fdopen(fd, "wb") : nullptr) {
        written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
        written = (std::fflush(out) == 0) && written;
        written = (std::fclose(out) == 0) && written;
    } else {
        if (fd >= 0)
            ::close(fd);
        return false;
    }
    if (written) {
        std::filesystem::rename(temporary, path, error);
        written = !error;
    }
    if (!written)
        std::filesystem::remove(temporary, error);
    return written;
}

} // namespace

bool WriteFileBytes(const std::filesystem::path &path, std::string_view bytes)
{
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        return false;
    return ReplaceFileBytes(path, bytes);
}

namespace {

bool WriteChangedBytesAt(FolderHandles::Place place, const std::filesystem::path &path,
                         std::string_view bytes)
{
    switch (CompareWithExisting(place, path, bytes)) {
    case ExistingFile::same:
        return true;
    case ExistingFile::directory:
        return false;
    case ExistingFile::missing: {
        // A new file has no earlier version to protect, so it needs no temporary file.
        const int created =
            ::openat(place.folder, place.name, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (created >= 0) {
            bool written = WriteAll(created, bytes);
            written = (::close(created) == 0) && written;
            if (!written)
                ::unlinkat(place.folder, place.name, 0);
            return written;
        }
        if (errno != EEXIST)
            return false;
        break;
    }
    case ExistingFile::other:
        break;
    }
    return ReplaceFileBytes(path, bytes);
}

} // namespace

bool WriteChangedFileBytes(const std::filesystem::path &path, std::string_view bytes)
{
    return WriteChangedBytesAt({AT_FDCWD, path.c_str()}, path, bytes);
}

bool WriteChangedLineFile(const std::filesystem::path &path, const ByteLines &lines)
{
    return WriteChangedFileBytes(path, JoinLinesCrLf(lines));
}

bool WriteChangedLineFile(FolderHandles &folders, const std::string &path, const ByteLines &lines)
{
    return WriteChangedBytesAt(folders.Locate(path), path, JoinLinesCrLf(lines));
}

bool WriteLineFile(const std::filesystem::path &path, const ByteLines &lines)
{
    return WriteFileBytes(path, JoinLinesCrLf(lines));
}

} // namespace pagoranto

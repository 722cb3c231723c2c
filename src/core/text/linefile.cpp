#include "core/text/linefile.h"

#include <cstdio>
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

bool WriteFileBytes(const std::filesystem::path &path, std::string_view bytes)
{
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        return false;
    std::filesystem::path temporary = path;
    temporary += ".partial~" + std::to_string(::getpid());
    bool written = false;
    if (std::FILE *out = std::fopen(temporary.c_str(), "wb")) {
        written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
        written = (std::fflush(out) == 0) && written;
        written = (std::fclose(out) == 0) && written;
    } else {
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

bool WriteLineFile(const std::filesystem::path &path, const ByteLines &lines)
{
    return WriteFileBytes(path, JoinLinesCrLf(lines));
}

} // namespace pagoranto

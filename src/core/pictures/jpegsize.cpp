#include "core/pictures/jpegsize.h"

#include "core/text/linefile.h"

#include <cstdint>
#include <fstream>
#include <system_error>

namespace pagoranto {

namespace {

// Every read fails once the file has ended, so a walk that runs off the end gives "unknown".
class ByteReader {
public:
    explicit ByteReader(const std::filesystem::path &path)
    {
        if (IsRegularFile(path))
            m_file.open(path, std::ios::binary);
    }

    bool IsOpen() const { return m_file.is_open(); }
    bool HasData() { return m_file.peek() != std::ifstream::traits_type::eof(); }

    std::optional<std::uint8_t> Byte()
    {
        const auto value = m_file.get();
        if (value == std::ifstream::traits_type::eof())
            return std::nullopt;
        return static_cast<std::uint8_t>(value);
    }

    void Skip(std::streamsize count) { m_file.ignore(count); }

    std::optional<std::string> Text(std::streamsize count)
    {
        std::string text(static_cast<std::size_t>(count), '\0');
        if (!m_file.read(text.data(), count))
            return std::nullopt;
        return text;
    }

private:
    std::ifstream m_file;
};

// The same reads over bytes that begin a file. Running past them counts as the file's end, and
// ranOff tells a caller whose bytes are only the file's start to ask the file itself.
class MemoryReader {
public:
    explicit MemoryReader(std::string_view bytes) : m_bytes(bytes) {}

    bool HasData() { return m_at < m_bytes.size() || !Off(); }

    std::optional<std::uint8_t> Byte()
    {
        if (m_at >= m_bytes.size()) {
            Off();
            return std::nullopt;
        }
        return static_cast<std::uint8_t>(m_bytes[m_at++]);
    }

    void Skip(std::streamsize count)
    {
        if (static_cast<std::size_t>(count) > m_bytes.size() - m_at) {
            m_at = m_bytes.size();
            Off();
        } else {
            m_at += static_cast<std::size_t>(count);
        }
    }

    std::optional<std::string> Text(std::streamsize count)
    {
        if (static_cast<std::size_t>(count) > m_bytes.size() - m_at) {
            m_at = m_bytes.size();
            Off();
            return std::nullopt;
        }
        std::string text(m_bytes.substr(m_at, static_cast<std::size_t>(count)));
        m_at += static_cast<std::size_t>(count);
        return text;
    }

    bool ranOff = false;

private:
    bool Off()
    {
        ranOff = true;
        return true;
    }

    std::string_view m_bytes;
    std::size_t m_at = 0;
};

template <typename Reader> std::optional<int> BigEndian16(Reader &reader)
{
    const auto high = reader.Byte();
    const auto low = reader.Byte();
    if (!high || !low)
        return std::nullopt;
    return *high << 8 | *low;
}

bool IsFrameHeader(std::uint8_t marker)
{
    return marker == 0xC0 || marker == 0xC1 || marker == 0xC2;
}

bool HasNoSegment(std::uint8_t marker)
{
    return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7);
}

constexpr std::uint8_t commentMarker = 0xFE;

// Walks the marker segments after the start of image and hands each marker to visit, with the
// reader at its segment (before the length for segments that have one). visit returns true to
// stop the walk. False when the walk ran off the file or met a length below 2.
template <typename Reader, typename Visit> bool WalkSegments(Reader &reader, Visit visit)
{
    const auto first = reader.Byte();
    const auto second = reader.Byte();
    if (first != 0xFF || second != 0xD8)
        return false;

    auto current = reader.Byte();
    while (current == 0xFF && reader.HasData()) {
        auto marker = reader.Byte();
        while (marker == 0xFF || (marker && HasNoSegment(*marker)))
            marker = reader.Byte();
        if (!marker)
            return false;
        if (visit(*marker))
            return true;
        const auto length = BigEndian16(reader);
        if (!length || *length < 2)
            return false;
        reader.Skip(*length - 2);
        current = reader.Byte();
    }
    return false;
}

template <typename Reader> std::optional<PixelSize> FrameSize(Reader &reader)
{
    std::optional<PixelSize> size;
    WalkSegments(reader, [&](std::uint8_t marker) {
        if (!IsFrameHeader(marker))
            return false;
        reader.Skip(3);
        const auto height = BigEndian16(reader);
        const auto width = BigEndian16(reader);
        if (height && width)
            size = PixelSize{*width, *height};
        return true;
    });
    return size;
}

template <typename Reader> std::optional<std::string> FirstComment(Reader &reader)
{
    std::optional<std::string> comment;
    WalkSegments(reader, [&](std::uint8_t marker) {
        if (IsFrameHeader(marker) || marker == 0xDA)
            return true;
        if (marker != commentMarker)
            return false;
        const auto length = BigEndian16(reader);
        if (length && *length >= 2)
            comment = reader.Text(*length - 2);
        return true;
    });
    return comment;
}

} // namespace

std::optional<PixelSize> ReadJpegSize(const std::filesystem::path &path)
{
    ByteReader reader(path);
    if (!reader.IsOpen())
        return std::nullopt;
    return FrameSize(reader);
}

std::optional<std::string> ReadJpegComment(const std::filesystem::path &path)
{
    ByteReader reader(path);
    if (!reader.IsOpen())
        return std::nullopt;
    return FirstComment(reader);
}

std::optional<std::optional<PixelSize>> JpegSizeFromStart(std::string_view bytes, bool wholeFile)
{
    MemoryReader reader(bytes);
    std::optional<PixelSize> size = FrameSize(reader);
    if (reader.ranOff && !wholeFile)
        return std::nullopt;
    return size;
}

std::optional<std::optional<std::string>> JpegCommentFromStart(std::string_view bytes,
                                                               bool wholeFile)
{
    MemoryReader reader(bytes);
    std::optional<std::string> comment = FirstComment(reader);
    if (reader.ranOff && !wholeFile)
        return std::nullopt;
    return comment;
}

std::string FileSizeText(const std::filesystem::path &path)
{
    std::error_code error;
    const std::uintmax_t bytes = std::filesystem::file_size(path, error);
    const std::uintmax_t kilobytes = error ? 0 : bytes / 1024 + (bytes % 1024 != 0 ? 1 : 0);
    return std::to_string(kilobytes) + " kb";
}

} // namespace pagoranto

#include "core/pictures/jpegsize.h"

#include <cstdint>
#include <fstream>
#include <system_error>

namespace pagoranto {

namespace {

// Every read fails once the file has ended, so a walk that runs off the end gives "unknown".
class ByteReader {
public:
    explicit ByteReader(const std::filesystem::path &path) : m_file(path, std::ios::binary) {}

    bool IsOpen() const { return m_file.is_open(); }
    bool HasData() { return m_file.peek() != std::ifstream::traits_type::eof(); }

    std::optional<std::uint8_t> Byte()
    {
        const auto value = m_file.get();
        if (value == std::ifstream::traits_type::eof())
            return std::nullopt;
        return static_cast<std::uint8_t>(value);
    }

    std::optional<int> BigEndian16()
    {
        const auto high = Byte();
        const auto low = Byte();
        if (!high || !low)
            return std::nullopt;
        return *high << 8 | *low;
    }

    void Skip(std::streamsize count) { m_file.ignore(count); }

private:
    std::ifstream m_file;
};

bool IsFrameHeader(std::uint8_t marker)
{
    return marker == 0xC0 || marker == 0xC1 || marker == 0xC2;
}

bool HasNoSegment(std::uint8_t marker)
{
    return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7);
}

} // namespace

std::optional<PixelSize> ReadJpegSize(const std::filesystem::path &path)
{
    ByteReader reader(path);
    if (!reader.IsOpen())
        return std::nullopt;
    const auto first = reader.Byte();
    const auto second = reader.Byte();
    if (first != 0xFF || second != 0xD8)
        return std::nullopt;

    auto current = reader.Byte();
    while (current == 0xFF && reader.HasData()) {
        auto marker = reader.Byte();
        while (marker == 0xFF || (marker && HasNoSegment(*marker)))
            marker = reader.Byte();
        if (!marker)
            return std::nullopt;
        if (IsFrameHeader(*marker)) {
            reader.Skip(3);
            const auto height = reader.BigEndian16();
            const auto width = reader.BigEndian16();
            if (!height || !width)
                return std::nullopt;
            return PixelSize{*width, *height};
        }
        const auto length = reader.BigEndian16();
        if (!length || *length < 2)
            return std::nullopt;
        reader.Skip(*length - 2);
        current = reader.Byte();
    }
    return std::nullopt;
}

std::string FileSizeText(const std::filesystem::path &path)
{
    std::error_code error;
    const std::uintmax_t bytes = std::filesystem::file_size(path, error);
    const std::uintmax_t kilobytes = error ? 0 : bytes / 1024 + (bytes % 1024 != 0 ? 1 : 0);
    return std::to_string(kilobytes) + " kb";
}

} // namespace pagoranto

#include "core/text/textencoding.h"

#include "core/text/bytetext.h"

#include <algorithm>
#include <optional>

namespace pagoranto {

namespace {

char32_t DecodeSequence(std::string_view bytes, std::size_t pos, std::size_t length)
{
    const auto byteAt = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    char32_t codePoint = byteAt(pos) & (0xFF >> (length + 1));
    for (std::size_t i = 1; i < length; ++i)
        codePoint = (codePoint << 6) | (byteAt(pos + i) & 0x3F);
    return codePoint;
}

std::optional<char> Windows1252Byte(char32_t codePoint)
{
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return static_cast<char>(codePoint);
    for (unsigned byte = 0x80; byte <= 0x9F; ++byte) {
        if (Windows1252CodePoint(static_cast<unsigned char>(byte)) == codePoint)
            return static_cast<char>(byte);
    }
    return std::nullopt;
}

} // namespace

FileEncoding DetectEncoding(std::string_view bytes)
{
    return IsValidUtf8(bytes) ? FileEncoding::utf8 : FileEncoding::windows1252;
}

std::string DecodeText(std::string_view bytes, FileEncoding encoding)
{
    return encoding == FileEncoding::utf8 ? std::string(bytes) : Windows1252ToUtf8(bytes);
}

DecodedText DecodeFileText(std::string_view bytes)
{
    const FileEncoding encoding = DetectEncoding(bytes);
    return {DecodeText(bytes, encoding), encoding};
}

EncodedText EncodeText(std::string_view utf8, FileEncoding encoding)
{
    if (encoding == FileEncoding::utf8)
        return {std::string(utf8), {}};
    EncodedText encoded;
    encoded.bytes.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        std::size_t length = 1;
        std::optional<char> byte;
        std::string character = "\xEF\xBF\xBD"; // a byte that starts no character
        if (static_cast<unsigned char>(utf8[pos]) < 0x80) {
            byte = utf8[pos];
        } else if (const std::size_t sequence = Utf8SequenceLength(utf8, pos); sequence > 0) {
            length = sequence;
            byte = Windows1252Byte(DecodeSequence(utf8, pos, length));
            character = utf8.substr(pos, length);
        }
        if (byte) {
            encoded.bytes += *byte;
        } else {
            encoded.bytes += '?';
            if (encoded.unheld.find(character) == std::string::npos)
                encoded.unheld += character;
        }
        pos += length;
    }
    return encoded;
}

std::string SaveAsUtf8Question(std::string_view fileName, std::string_view unheld)
{
    constexpr int namedCharacters = 5;
    std::string named;
    std::size_t pos = 0;
    for (int count = 0; count < namedCharacters && pos < unheld.size(); ++count) {
        const std::size_t length = std::max<std::size_t>(Utf8SequenceLength(unheld, pos), 1);
        named += (count > 0 ? " " : "") + std::string(unheld.substr(pos, length));
        pos += length;
    }
    if (pos < unheld.size())
        named += " ...";
    return "The file " + std::string(fileName) +
           "\ris written in the single-byte encoding Windows-1252,\rwhich cannot hold these "
           "characters: " +
           named + "\rSave it as UTF-8 ?\rIf not, nothing is saved and the text stays as it is.";
}

} // namespace pagoranto

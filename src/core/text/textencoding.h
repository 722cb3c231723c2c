#pragma once

#include <string>
#include <string_view>

namespace pagoranto {

// A user's text file is written back in the encoding it was read in, so that a page declaring
// a single-byte charset keeps showing its umlauts.
enum class FileEncoding { utf8, windows1252 };

// UTF-8 when the bytes are valid UTF-8, plain ASCII included; otherwise Windows-1252.
FileEncoding DetectEncoding(std::string_view bytes);

// Bytes of that encoding as UTF-8 text.
std::string DecodeText(std::string_view bytes, FileEncoding encoding);

// A file's text as UTF-8, with the encoding to write it back in.
struct DecodedText {
    std::string text;
    FileEncoding encoding = FileEncoding::utf8;
};
DecodedText DecodeFileText(std::string_view bytes);

struct EncodedText {
    std::string bytes;
    // The characters the encoding cannot hold, each once, in the order they first appear, as
    // UTF-8; each stands as "?" in bytes, which then is not fit to be saved.
    std::string unheld;
};
// UTF-8 text in the bytes of the encoding.
EncodedText EncodeText(std::string_view utf8, FileEncoding encoding);

inline constexpr std::string_view saveAsUtf8Title = "Save as UTF-8";
// Asks whether a file read as Windows-1252 may be saved as UTF-8, naming the first of the
// characters it cannot hold.
std::string SaveAsUtf8Question(std::string_view fileName, std::string_view unheld);

} // namespace pagoranto

#include "core/pictures/jpegsize.h"
#include "fuzz/fuzzsupport.h"

#include <cstdlib>

using namespace pagoranto;

// The walks over bytes in memory must agree with the walks over the file: over the whole file
// always, over its start whenever they do not ask for the file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes = fuzz::BytesOf(data, size);
    const auto file = fuzz::WriteScratchFile("picture.jpg", bytes);
    const std::optional<PixelSize> jpegSize = ReadJpegSize(file);
    const std::optional<std::string> comment = ReadJpegComment(file);
    FileSizeText(file);
    const auto wholeSize = JpegSizeFromStart(bytes, true);
    const auto wholeComment = JpegCommentFromStart(bytes, true);
    if (!wholeSize || *wholeSize != jpegSize || !wholeComment || *wholeComment != comment)
        std::abort();
    const std::string_view start = bytes.substr(0, bytes.size() / 2);
    const auto startSize = JpegSizeFromStart(start, false);
    const auto startComment = JpegCommentFromStart(start, false);
    if ((startSize && *startSize != jpegSize) || (startComment && *startComment != comment))
        std::abort();
    return 0;
}

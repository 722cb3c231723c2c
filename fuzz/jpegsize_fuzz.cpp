#include "core/pictures/jpegsize.h"
#include "fuzz/fuzzsupport.h"

using namespace pagoranto;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto file = fuzz::WriteScratchFile("picture.jpg", fuzz::BytesOf(data, size));
    ReadJpegSize(file);
    ReadJpegComment(file);
    FileSizeText(file);
    return 0;
}

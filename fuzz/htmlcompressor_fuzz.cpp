#include "core/generator/htmlcompressor.h"
#include "fuzz/fuzzsupport.h"

using namespace pagoranto;

// The first byte switches the passes, the rest is the page.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::uint8_t flags = data[0];
    fuzz::QuietEvents events;
    THTMLCompressor compressor(events);
    compressor.SimpleTags = flags & 1;
    compressor.Center = flags & 2;
    compressor.InvCommas = flags & 4;
    compressor.Spaces = flags & 8;
    compressor.Returns = flags & 16;
    compressor.AllReturns = flags & 32;
    compressor.Webbots = flags & 64;
    compressor.BlockquoteToUl = flags & 128;
    compressor.LoadFromBytes(fuzz::BytesOf(data + 1, size - 1));
    compressor.Compress();
    if (compressor.Bytes().size() > size - 1 + (compressor.BlockquoteToUl ? size * 4 : 0))
        std::abort();
    return 0;
}

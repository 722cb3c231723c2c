#include "core/generator/layoutanalysis.h"
#include "fuzz/fuzzsupport.h"

using namespace pagoranto;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::QuietEvents events;
    const LayoutAnalysis analysis =
        AnalyseLayoutLines(fuzz::Lines(fuzz::BytesOf(data, size)), "layout.html", events);
    if (analysis.picCount() < 0 || analysis.tpicCount() < 0 || analysis.total < 0)
        std::abort();
    return 0;
}

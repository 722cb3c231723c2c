#include "core/pictures/sortinglist.h"
#include "fuzz/fuzzsupport.h"

#include <cstdlib>

using namespace pagoranto;

// An accepted list is saved and loaded again: it must come back as it was.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto file = fuzz::WriteScratchFile("pictures.qvlist", fuzz::BytesOf(data, size));
    const SortingListResult loaded = LoadSortingList(file);
    for (const std::string &name : loaded.names)
        if (!IsSortingListEntryAllowed(name))
            std::abort();
    if (!loaded.ok)
        return 0;
    const auto copy = fuzz::ScratchFolder() / "copy.qvlist";
    if (!SaveSortingList(copy, loaded.names))
        std::abort();
    const SortingListResult again = LoadSortingList(copy);
    if (!again.ok || again.names != loaded.names)
        std::abort();
    return 0;
}

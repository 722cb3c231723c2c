#include "core/pictures/descriptionstore.h"
#include "fuzz/fuzzsupport.h"

using namespace pagoranto;

// Sections: the description file, then picture names to look up and memo lines to store.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::vector<std::string_view> sections = fuzz::Sections(fuzz::BytesOf(data, size), 3);
    const auto file = fuzz::WriteScratchFile("description.desc", sections[0]);
    DescriptionStore store;
    if (!store.Load(file))
        return 0;
    const ByteLines names = fuzz::Lines(sections[1]);
    for (const std::string &name : names) {
        store.DescriptionLines(name);
        store.LookupDescription(name);
        store.LookupDescriptionFirstLine(name);
    }
    for (int n = 0; n < 4 && !store.lines().empty(); ++n)
        DescriptionField(store.lines().front(), n);
    if (!names.empty()) {
        store.StoreDescription(names.front(), fuzz::Lines(sections[2]));
        store.Save(fuzz::ScratchFolder() / "saved.desc");
        DescriptionStore reloaded;
        reloaded.Load(fuzz::ScratchFolder() / "saved.desc");
        reloaded.LookupDescription(names.front());
    }
    return 0;
}

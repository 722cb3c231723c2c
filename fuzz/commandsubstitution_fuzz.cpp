#include "core/generator/commandsubstitution.h"
#include "fuzz/fuzzsupport.h"

using namespace pagoranto;

// Sections: page text, then pairs of command and replacement, each substituted in turn.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::vector<std::string_view> sections = fuzz::Sections(fuzz::BytesOf(data, size), 9);
    ByteLines page = fuzz::Lines(sections[0]);
    fuzz::QuietEvents events;
    CommandSubstitution substitution(page, events);
    for (std::size_t i = 1; i + 1 < sections.size(); i += 2) {
        if (sections[i].empty())
            continue;
        substitution.command = std::string(sections[i]);
        substitution.replacement = std::string(sections[i + 1]);
        substitution.SubstituteCommand();
        // The thumbnail command is filled one place at a time until no place is left.
        for (int places = 0; substitution.ThumbnailPlaceLeft() && places < 64; ++places)
            substitution.SubstituteCommand();
        substitution.Substitute(sections[i], sections[i + 1]);
    }
    substitution.RestartThumbnailSearch();
    substitution.ThumbnailPlaceLeft();
    return 0;
}

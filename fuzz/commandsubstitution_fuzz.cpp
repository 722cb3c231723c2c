#include "core/generator/commandsubstitution.h"
#include "core/generator/findcommand.h"
#include "fuzz/fuzzsupport.h"

#include <cstdlib>

using namespace pagoranto;

namespace {

// The plain way, line by line and occurrence by occurrence, that the substitution must agree with.
void SubstituteEverywhere(ByteLines &page, std::string_view command, std::string_view replacement)
{
    for (std::string &line : page) {
        std::size_t from = 0;
        std::size_t pos;
        while ((pos = FindCommand(line, command, from)) != std::string::npos) {
            line.replace(pos, command.size(), replacement);
            from = pos + replacement.size();
        }
    }
}

} // namespace

// Sections: page text, then pairs of command and replacement, each substituted in turn.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::vector<std::string_view> sections = fuzz::Sections(fuzz::BytesOf(data, size), 9);
    ByteLines page = fuzz::Lines(sections[0]);
    fuzz::QuietEvents events;
    CommandSubstitution substitution(page, events);
    // Each command is replaced once, as a page does it; only the thumbnail command comes back
    // for its next place, as long as one is left.
    for (std::size_t i = 1; i + 1 < sections.size(); i += 2) {
        // Chained replacements grow the page exponentially; a real page has a fixed order of
        // fixed texts, so that is the harness's doing, not a finding.
        std::size_t pageSize = 0;
        for (const std::string &line : page)
            pageSize += line.size();
        if (pageSize > 1 << 20)
            break;
        if (sections[i].empty())
            continue;
        // A command said to be absent must be on no line.
        if (!substitution.MayContain(sections[i]))
            for (const std::string &line : page)
                if (FindCommand(line, sections[i]) != std::string::npos)
                    std::abort();
        ByteLines expected = page;
        substitution.Substitute(sections[i], sections[i + 1]);
        if (substitution.command != "$tpic$") {
            SubstituteEverywhere(expected, sections[i], sections[i + 1]);
            if (expected != page)
                std::abort();
        }
        for (int places = 0; substitution.command == "$tpic$" && substitution.ThumbnailPlaceLeft();
             ++places) {
            // Every call fills one place, so there can be no more calls than places.
            if (places > 1 << 16)
                std::abort();
            substitution.SubstituteCommand();
        }
    }
    substitution.RestartThumbnailSearch();
    substitution.ThumbnailPlaceLeft();
    return 0;
}

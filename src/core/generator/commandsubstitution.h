#pragma once

#include "core/text/bytetext.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pagoranto {

class Events;

// Replaces one command in the page buffer. The caller sets command and replacement, then calls
// SubstituteCommand(); commandFound tells whether anything was replaced.
class CommandSubstitution {
public:
    CommandSubstitution(ByteLines &pageText, Events &events);

    // Every occurrence on every line, except "$tpic$" (spelled so), of which only the first
    // occurrence after the cell placed last is replaced: a cell whose own text holds "$tpic$"
    // (a description, an ALT text) is never filled itself, so the filling always ends. A call
    // made while another runs (from a handler during message processing) returns at once and
    // changes nothing.
    void SubstituteCommand();

    // Starts the search for "$tpic$" at the top of the page again (a new page).
    void RestartThumbnailSearch() { m_thumbnailResume = {}; }
    // Whether a "$tpic$" is left where the next search for it starts.
    bool ThumbnailPlaceLeft() const;

    // False only when no line of the page can hold searched, so its replacement, which may
    // cost more than the search, need not be made.
    bool MayContain(std::string_view searched);

    // Sets command and replacement, substitutes, and returns commandFound.
    bool Substitute(std::string_view searched, std::string_view replacementText);

    const ByteLines &pageText() const { return m_pageText; }
    // Whoever changes the page text other than through this class says so before the next
    // substitution (a new page, inserted header lines).
    void PageTextChanged() { m_lineMasks.clear(); }

    std::string command;
    std::string replacement;
    bool commandFound = false;
    bool substitutionBusy = false;

private:
    struct Position {
        std::size_t line = 0;
        std::size_t offset = 0;
    };

    // Per line, a bit for each pair of characters that follows a "$" on it, and for each that
    // follows "<" and begins with "!": a command of which no line holds the pair need not be
    // searched for on that line. Kept as lines change.
    std::uint64_t LineMask(std::size_t index) const;
    void UpdateLineMasks();

    ByteLines &m_pageText;
    std::vector<std::uint64_t> m_lineMasks;
    Position m_thumbnailResume;
    Events &m_events;
};

} // namespace pagoranto

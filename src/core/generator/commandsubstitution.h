#pragma once

#include "core/text/bytetext.h"

#include <string>
#include <string_view>

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

    // Sets command and replacement, substitutes, and returns commandFound.
    bool Substitute(std::string_view searched, std::string_view replacementText);

    const ByteLines &pageText() const { return m_pageText; }

    std::string command;
    std::string replacement;
    bool commandFound = false;
    bool substitutionBusy = false;

private:
    struct Position {
        std::size_t line = 0;
        std::size_t offset = 0;
    };

    ByteLines &m_pageText;
    Position m_thumbnailResume;
    Events &m_events;
};

} // namespace pagoranto

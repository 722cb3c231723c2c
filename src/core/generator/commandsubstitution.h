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
    // occurrence of the page is replaced. A call made while another runs (from a handler
    // during message processing) returns at once and changes nothing.
    void SubstituteCommand();

    // Sets command and replacement, substitutes, and returns commandFound.
    bool Substitute(std::string_view searched, std::string_view replacementText);

    const ByteLines &pageText() const { return m_pageText; }

    std::string command;
    std::string replacement;
    bool commandFound = false;
    bool substitutionBusy = false;

private:
    ByteLines &m_pageText;
    Events &m_events;
};

} // namespace pagoranto

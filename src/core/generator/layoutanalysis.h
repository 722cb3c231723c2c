#pragma once

#include "core/generator/commandlist.h"
#include "core/text/bytetext.h"

#include <array>
#include <filesystem>
#include <string_view>

namespace pagoranto {

class Events;

// In the order of the protocol and of the lights MyLed1..MyLed4.
inline constexpr std::array<std::string_view, 4> hiddenMarkers = {
    "<!--comment-->", "<!--metaauthor-->", "<!--metakeywords-->", "<!--title-->"};

struct LayoutAnalysis {
    CommandCounts commandCounts{};
    int total = 0;
    ByteLines protocol;
    // Whether the template holds each of hiddenMarkers: the lights MyLed1..MyLed4.
    std::array<bool, hiddenMarkers.size()> markerFound{};

    int picCount() const { return commandCounts[picCommandIndex]; }
    int tpicCount() const { return commandCounts[tpicCommandIndex]; }
};

// Counts every command of commandList in the template and writes the protocol. A template that
// cannot be read is analysed as an empty text.
LayoutAnalysis AnalyseLayout(const std::filesystem::path &templateFile, Events &events);

LayoutAnalysis AnalyseLayoutLines(ByteLines lines, std::string_view fileName, Events &events);

} // namespace pagoranto

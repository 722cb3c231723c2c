#include "core/generator/layoutanalysis.h"

#include "core/generator/findcommand.h"
#include "core/platform/events.h"
#include "core/text/linefile.h"

#include <numeric>
#include <string>

namespace pagoranto {

namespace {

int CountAndOverwrite(ByteLines &lines, std::string_view command, Events &events)
{
    int count = 0;
    for (std::string &line : lines) {
        events.keepResponsive();
        std::size_t pos = 0;
        while ((pos = FindCommand(line, command, pos)) != std::string::npos) {
            line.replace(pos, command.size(), "-");
            ++count;
        }
    }
    return count;
}

bool HoldsMarker(const ByteLines &lines, std::string_view marker, Events &events)
{
    for (const std::string &line : lines) {
        if (line.empty())
            continue;
        events.keepResponsive();
        if (ContainsCommand(line, marker))
            return true;
    }
    return false;
}

std::string ProtocolLine(std::string_view command, int count)
{
    std::string name(command);
    if (name.size() < 12)
        name.resize(12, ' ');
    return "Command " + name + " found " + std::to_string(count) + "time(s)";
}

} // namespace

LayoutAnalysis AnalyseLayoutLines(ByteLines lines, std::string_view fileName, Events &events)
{
    LayoutAnalysis analysis;
    events.processPendingMessages();
    const auto &commands = commandList();
    for (std::size_t k = 0; k < commands.size(); ++k)
        analysis.commandCounts[k] = CountAndOverwrite(lines, commands[k].text, events);
    analysis.total =
        std::accumulate(analysis.commandCounts.begin(), analysis.commandCounts.end(), 0);

    analysis.protocol.push_back("Found commands in " + std::string(fileName));
    for (std::size_t k = 0; k < commands.size(); ++k) {
        if (analysis.commandCounts[k] > 0)
            analysis.protocol.push_back(ProtocolLine(commands[k].text, analysis.commandCounts[k]));
    }
    analysis.protocol.push_back("Total found commands: " + std::to_string(analysis.total));
    analysis.protocol.push_back("Total found \"hidden\" commands");
    for (std::size_t m = 0; m < hiddenMarkers.size(); ++m) {
        analysis.markerFound[m] = HoldsMarker(lines, hiddenMarkers[m], events);
        analysis.protocol.push_back((analysis.markerFound[m] ? "Found: " : "Not found: ") +
                                    std::string(hiddenMarkers[m]));
    }
    return analysis;
}

LayoutAnalysis AnalyseLayout(const std::filesystem::path &templateFile, Events &events)
{
    auto lines = ReadLineFile(templateFile);
    return AnalyseLayoutLines(lines ? std::move(*lines) : ByteLines{},
                              templateFile.filename().string(), events);
}

} // namespace pagoranto

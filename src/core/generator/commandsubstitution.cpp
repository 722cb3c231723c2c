#include "core/generator/commandsubstitution.h"

#include "core/generator/findcommand.h"
#include "core/platform/events.h"

namespace pagoranto {

namespace {
constexpr std::string_view thumbnailCommand = "$tpic$";
}

CommandSubstitution::CommandSubstitution(ByteLines &pageText, Events &events)
    : m_pageText(pageText), m_events(events)
{
}

void CommandSubstitution::SubstituteCommand()
{
    if (substitutionBusy)
        return;
    substitutionBusy = true;
    commandFound = false;
    const bool onceOnly = command == thumbnailCommand;
    // Searching on after the inserted text, not from the start of the line, keeps a
    // replacement that holds its own command from being replaced without end.
    for (std::size_t index = onceOnly ? m_thumbnailResume.line : 0; index < m_pageText.size();
         ++index) {
        bool replacedOnLine = false;
        if (!m_pageText[index].empty()) {
            std::string &line = m_pageText[index];
            std::size_t from =
                onceOnly && index == m_thumbnailResume.line ? m_thumbnailResume.offset : 0;
            std::size_t pos;
            while ((pos = FindCommand(line, command, from)) != std::string::npos) {
                line.replace(pos, command.size(), replacement);
                from = pos + replacement.size();
                commandFound = true;
                replacedOnLine = true;
                if (onceOnly) {
                    m_thumbnailResume = {index, from};
                    break;
                }
            }
        }
        m_events.processPendingMessages();
        if (onceOnly && replacedOnLine)
            break;
    }
    substitutionBusy = false;
    m_events.processPendingMessages();
}

bool CommandSubstitution::ThumbnailPlaceLeft() const
{
    for (std::size_t index = m_thumbnailResume.line; index < m_pageText.size(); ++index) {
        const std::size_t from = index == m_thumbnailResume.line ? m_thumbnailResume.offset : 0;
        if (FindCommand(m_pageText[index], thumbnailCommand, from) != std::string::npos)
            return true;
    }
    return false;
}

bool CommandSubstitution::Substitute(std::string_view searched, std::string_view replacementText)
{
    command = searched;
    replacement = replacementText;
    SubstituteCommand();
    return commandFound;
}

} // namespace pagoranto

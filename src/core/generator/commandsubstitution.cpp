#include "core/generator/commandsubstitution.h"

#include "core/generator/findcommand.h"
#include "core/platform/events.h"

namespace pagoranto {

namespace {

constexpr std::string_view thumbnailCommand = "$tpic$";

std::uint64_t PairBit(char first, char second)
{
    const unsigned pair = static_cast<unsigned char>(AsciiUpper(first)) * 31u +
                          static_cast<unsigned char>(AsciiUpper(second));
    return std::uint64_t{1} << (pair & 63u);
}

// The bit of the pair after a command's leading "$" or "<!" (the comment commands); none for a
// command of another kind or too short to have one, which is searched for on every line.
std::uint64_t CommandBit(std::string_view command)
{
    if (command.size() < 3 || !(command[0] == '$' || (command[0] == '<' && command[1] == '!')))
        return 0;
    return PairBit(command[1], command[2]);
}

} // namespace

std::uint64_t CommandSubstitution::LineMask(std::size_t index) const
{
    const std::string &line = m_pageText[index];
    std::uint64_t mask = 0;
    for (std::size_t at = line.find('$'); at != std::string::npos && at + 2 < line.size();
         at = line.find('$', at + 1))
        mask |= PairBit(line[at + 1], line[at + 2]);
    for (std::size_t at = line.find("<!"); at != std::string::npos && at + 2 < line.size();
         at = line.find("<!", at + 1))
        mask |= PairBit(line[at + 1], line[at + 2]);
    return mask;
}

void CommandSubstitution::UpdateLineMasks()
{
    if (m_lineMasks.size() == m_pageText.size())
        return;
    m_lineMasks.resize(m_pageText.size());
    for (std::size_t index = 0; index < m_pageText.size(); ++index)
        m_lineMasks[index] = LineMask(index);
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
    UpdateLineMasks();
    const std::uint64_t wanted = CommandBit(command);
    // Searching on after the inserted text, not from the start of the line, keeps a
    // replacement that holds its own command from being replaced without end.
    for (std::size_t index = onceOnly ? m_thumbnailResume.line : 0; index < m_pageText.size();
         ++index) {
        bool replacedOnLine = false;
        if (!m_pageText[index].empty() && (wanted == 0 || (m_lineMasks[index] & wanted) != 0)) {
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
            if (replacedOnLine)
                m_lineMasks[index] = LineMask(index);
        }
        m_events.keepResponsive();
        if (onceOnly && replacedOnLine)
            break;
    }
    substitutionBusy = false;
    m_events.keepResponsive();
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

bool CommandSubstitution::MayContain(std::string_view searched)
{
    const std::uint64_t wanted = CommandBit(searched);
    if (wanted == 0)
        return true;
    UpdateLineMasks();
    for (const std::uint64_t mask : m_lineMasks)
        if ((mask & wanted) != 0)
            return true;
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

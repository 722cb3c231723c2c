#include "core/options/externaltools.h"

#include "core/options/externalbrowser.h"
#include "core/platform/shell.h"

#include <filesystem>
#include <system_error>
#include <utility>

namespace pagoranto {

std::string LaunchToolParameters(std::string_view file)
{
    std::string text = "\"";
    std::size_t backslashes = 0;
    for (const char c : file) {
        if (c == '"')
            text.append(backslashes + 1, '\\');
        backslashes = c == '\\' ? backslashes + 1 : 0;
        text += c;
    }
    return text;
}

std::string ToolWorkingDirectory(std::string_view programDirectory)
{
    std::string directory(programDirectory);
    directory += "thumbnailer";
    return directory;
}

bool LaunchTool(Shell &shell, const std::string &program, const std::string &file,
                std::string_view programDirectory)
{
    if (program.empty())
        return false;
    // A lone double quote would reach the tool as an empty file name, which tools try to open.
    const std::string parameters = file.empty() ? std::string() : LaunchToolParameters(file);
    // Without that folder the start would fail for a reason that is not the tool's.
    std::filesystem::path directory = ToolWorkingDirectory(programDirectory);
    std::error_code error;
    if (!std::filesystem::is_directory(directory, error))
        directory.clear();
    return shell.startProgram(program, parameters, directory) != nullptr;
}

std::string ToolCaption(std::string_view programPath)
{
    const std::string path = TrimToolPath(programPath);
    const std::size_t separator = path.find_last_of("/\\");
    const std::string name = separator == std::string::npos ? path : path.substr(separator + 1);
    return name.empty() ? std::string("?") : name;
}

std::string TrimToolPath(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

bool CanLaunchWebTool(std::string_view caption, std::string_view templatePath)
{
    return caption != "?" && !templatePath.empty();
}

namespace {

std::string_view DocumentOf(FileEntry entry)
{
    switch (entry) {
    case FileEntry::allLayouts:
        return "Start.htm";
    case FileEntry::englishFrame:
        return "document/frameenglisch.html";
    case FileEntry::germanFrame:
        return "document/framedeutsch.html";
    case FileEntry::englishCommands:
        return "document/commandse.html";
    case FileEntry::germanCommands:
        return "document/commands.html";
    case FileEntry::englishFaq:
        return "document/faqeng.html";
    case FileEntry::germanFaq:
        return "document/faq.html";
    case FileEntry::englishHelp:
        return englishHelpPage;
    case FileEntry::germanHelp:
        return germanHelpPage;
    case FileEntry::changes:
        return "changes.txt";
    case FileEntry::fullTemplate:
    case FileEntry::templateInternal:
        break;
    }
    return {};
}

FileEntryStep Shown(FileEntryStep::Kind kind, std::string file)
{
    FileEntryStep step;
    step.kind = kind;
    step.file = std::move(file);
    return step;
}

FileEntryStep Message(std::string_view title, std::string_view text)
{
    FileEntryStep step;
    step.kind = FileEntryStep::Kind::message;
    step.title = title;
    step.text = text;
    return step;
}

} // namespace

FileEntryStep ChooseFileEntryStep(FileEntry entry, BrowserStart choice,
                                  std::string_view templatePath, std::string_view programDirectory)
{
    using Kind = FileEntryStep::Kind;
    switch (entry) {
    case FileEntry::templateInternal:
        if (templatePath.empty())
            return {};
        return Shown(Kind::internalBrowser, std::string(templatePath));
    case FileEntry::englishHelp:
    case FileEntry::germanHelp:
        return Shown(Kind::internalBrowser,
                     std::string(programDirectory) + std::string(DocumentOf(entry)));
    case FileEntry::changes:
        return Shown(Kind::openDocument,
                     std::string(programDirectory) + std::string(DocumentOf(entry)));
    case FileEntry::fullTemplate:
        if (templatePath.empty())
            return Message("ERROR", noTemplateToShowText);
        break;
    default:
        break;
    }
    if (choice == BrowserStart::none)
        return Message(selectBrowserTitle, selectBrowserText);
    const std::string file = entry == FileEntry::fullTemplate
                                 ? std::string(templatePath)
                                 : std::string(programDirectory) + std::string(DocumentOf(entry));
    return Shown(Kind::externalBrowser, file);
}

} // namespace pagoranto

#pragma once

#include "core/options/additionaloptions.h"

#include <optional>
#include <string>
#include <string_view>

namespace pagoranto {

class Shell;

inline constexpr std::string_view noLayoutForEditingText =
    "You did not select a layout for editing !\rFirst select a layout and then click here again.";
inline constexpr std::string_view noTemplateToShowText = "There's no template to show !";

// The parameter text a tool receives: one double quote followed by the file, no closing quote.
// A double quote inside the file is escaped so that the file still arrives as one argument.
std::string LaunchToolParameters(std::string_view file);

// Where tools start: the program's "thumbnailer" folder, without a trailing separator.
std::string ToolWorkingDirectory(std::string_view programDirectory);

// Starts `program` with the file. Failures are silent; false when nothing was started.
bool LaunchTool(Shell &shell, const std::string &program, const std::string &file,
                std::string_view programDirectory);

// The menu caption of a configured program: its file name, "?" when none is configured.
std::string ToolCaption(std::string_view programPath);

// The path field's text without leading and trailing blanks.
std::string TrimToolPath(std::string_view text);

// Whether the main window's web tool entry may start its tool on the selected template.
bool CanLaunchWebTool(std::string_view caption, std::string_view templatePath);

// The menu entries and buttons that show a file.
enum class FileEntry {
    fullTemplate,     // Button9, Showfulllayoutindefaultbrowser1
    templateInternal, // Button21, Showlayout1
    allLayouts,       // N10
    englishFrame,     // Englishversionexternalbrowser1
    germanFrame,      // DeutscheVersioninternerBrowser1
    englishCommands,  // Englischcommanddescription1
    germanCommands,   // DeutscheBefehlsbeschreibung1
    englishFaq,       // FAQenglish1
    germanFaq,        // FAQDeutsch1
    englishHelp,      // Button7, Englishversion1
    germanHelp,       // Button8, DeutscheVersion1
    changes,          // Changesinthisversion1
};

// What an entry does: a message, or a file shown in one of the three ways.
struct FileEntryStep {
    enum class Kind { nothing, message, externalBrowser, internalBrowser, openDocument };
    Kind kind = Kind::nothing;
    std::string file;
    std::string_view title;
    std::string_view text;
};

// The file names of the help documents, relative to the program's own folder.
inline constexpr std::string_view englishHelpPage = "document/helpenglish.html";
inline constexpr std::string_view germanHelpPage = "document/hilfedeutsch.html";

// Decides an entry: the template is looked for first, then the browser choice, so "none"
// refuses every entry that needs the external browser.
FileEntryStep ChooseFileEntryStep(FileEntry entry, BrowserStart choice,
                                  std::string_view templatePath, std::string_view programDirectory);

} // namespace pagoranto

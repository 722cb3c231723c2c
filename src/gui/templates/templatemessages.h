#pragma once

#include <string_view>

namespace pagoranto::templatemessages {

inline constexpr std::string_view withoutCommands =
    "You're selected template does not contain any commands !\rPlease select an other template "
    "and proceed !\rClick on the \"Show template protocol menue\" to control the analysis,\rand "
    "select a new template ! Thanks !";
inline constexpr std::string_view otherDirectory =
    "It's not allowed to select an other directory as\rthe source directory of your selected "
    "layout !";
inline constexpr std::string_view clearNeededFiles =
    "Do you really want to clear the list of the needed files ?\rIf not, click on CANCEL.";
inline constexpr std::string_view noLayoutForEditing =
    "You did not select a layout for editing !\rFirst select a layout and then click here again.";
inline constexpr std::string_view noTemplateToShow = "There's no template to show !";

} // namespace pagoranto::templatemessages

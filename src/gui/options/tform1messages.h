#pragma once

#include <string_view>

// The main window's own message texts.
namespace pagoranto::tform1messages {

inline constexpr std::string_view neededFilesInfo =
    "If the hint \"Template contains needed files\" is shown,\rthen a \"needed file list\" is "
    "found for your template.\rThat means: Your're able to create an own template and "
    "also\ryour're able to create a list of files that have to be copyied,\rif gallery creation "
    "ended.\rClick on \"Layout control/Show template info\" for a view on the needed files.";
inline constexpr std::string_view tpicInfo =
    "If the hint \"$tpic$\" is shown,\rthen your selected template contains the $tpic$ "
    "command.\rThat means: You have to select \"Create thumbnails\", if you got none own "
    "thumbnails.";
inline constexpr std::string_view picInfo =
    "If the hint \"$pic$\" is shown,\rthen your selected template contains the $pic$ "
    "command.\rThat means: Your gallery is going to contain on every page \rthe original "
    "picture, with it's original size.";
inline constexpr std::string_view thumbnailerMissing =
    "Unable to find the PagorantoThumbnailer\rIf you like to create thumbnails for your "
    "templates,\rthen the PagorantoThumbnailer have to be placed in the\rsubdirectory "
    "\"thumbnailer\" of the installation directory of Pagoranto !\r\rNOW THE THUMBNAIL CREATION "
    "IS DEACTIVATED. THE USE OF $TPIC$ IN YOUR TEMPLATES MAKES ONLY SENSE,\rIF THERE ARE ALREADY "
    "THUMBNAILS EXISTING !";
inline constexpr std::string_view quitQuestion = "Do you really want to quit Pagoranto ?";
inline constexpr std::string_view optionFilesNotWritten =
    "Not every option file could be written to\r";
inline constexpr std::string_view noThumbnailCommands =
    "Your selected layout does not contain $tpic$ - commands.\r\rOut of this reason, there's no "
    "need to change the thumbnail options.\r\rIf you like to use thumbnails for your "
    "gallery,\r\rthen select a layout that contains $tpic$ - commands.";
inline constexpr std::string_view templateWithoutCommands =
    "You're selected template does not contain any commands !\rPlease select an other template "
    "and proceed !\rClick on the \"Show template protocol menue\" to control the analysis,\rand "
    "select a new template ! Thanks !";
inline constexpr std::string_view noTemplateProtocol =
    "There's no template protocol.\rPlease select a page template !";
inline constexpr std::string_view noTemplateToShow = "There's no template to show !";
inline constexpr std::string_view noTemplateInfo =
    "There's no template info.\rPlease select a page template !\rSelect one of the examples or "
    "select an other html page;\rthat you've created before.";

} // namespace pagoranto::tform1messages

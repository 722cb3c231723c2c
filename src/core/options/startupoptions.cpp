#include "core/options/startupoptions.h"

#include "core/options/additionaloptionsfile.h"
#include "core/options/completeconfiguration.h"
#include "core/options/headerfooteroptionsfile.h"
#include "core/options/hiddenoptionsfile.h"
#include "core/options/navigationoptionsfile.h"
#include "core/options/startcontrolsfile.h"
#include "core/options/thumbnailoptionsfile.h"
#include "core/options/toolsfile.h"
#include "core/options/websizeoptionsfile.h"
#include "core/platform/prompts.h"

#include <system_error>

namespace pagoranto {

std::filesystem::path StartupOptionFile(const std::string &programDirectory,
                                        const std::string &installDirectory,
                                        std::string_view relativeName)
{
    const std::filesystem::path own = programDirectory + std::string(relativeName);
    std::error_code error;
    // A link that leads nowhere is still the user's file.
    const std::filesystem::file_type type = std::filesystem::symlink_status(own, error).type();
    if (type != std::filesystem::file_type::not_found && type != std::filesystem::file_type::none)
        return own;
    return installDirectory + std::string(shippedOptionsFolder) + std::string(relativeName);
}

void ReadStartupOptions(const std::string &programDirectory, const std::string &installDirectory,
                        GallerySettings &settings)
{
    const auto file = [&](std::string_view name) {
        return StartupOptionFile(programDirectory, installDirectory, name);
    };
    ReadAdditionalOptions(file("pgrooptions.cfg"), settings.linkTexts, settings.pageNames,
                          settings.additional);
    ThumbnailerFile thumbnailer{{}, {}, settings.thumbnails};
    if (ReadThumbnailerOptions(file(thumbnailerOptionsPath), thumbnailer))
        settings.thumbnails = thumbnailer.options;
    ReadHiddenCommandOptions(file(hiddenOptionsFileName), settings.hidden);
    ReadNavigationOptions(file("navoptions.cfg"), settings.navigation);
    ReadWebTools(file("webtools.cfg"), settings.webTools);
    ReadTools(file("tools.cfg"), settings.tools);
    ReadHeaderFooterOptions(file("headerandfooter.cfg"), settings.headerFooter);
    ReadWebSizeOptions(file(webSizeOptionsPath), settings.webSize);
    ReadStartControls(file(startControlsFileName), {settings.pageNames, settings.special});
}

bool WriteShutdownOptions(const std::string &programDirectory, const GallerySettings &settings,
                          const ThumbnailerFile &thumbnailer)
{
    bool written = WriteAdditionalOptionsOf(programDirectory, settings);
    written &= WriteHiddenCommandOptions(programDirectory + "hcoptions.cfg", settings.hidden);
    written &= WriteThumbnailerOptions(programDirectory + std::string(thumbnailerOptionsPath),
                                       thumbnailer);
    written &= WriteNavigationOptions(programDirectory + "navoptions.cfg", settings.navigation);
    written &= WriteWebTools(programDirectory + "webtools.cfg", settings.webTools);
    written &= WriteTools(programDirectory + "tools.cfg", settings.tools);
    written &=
        WriteHeaderFooterOptions(programDirectory + "headerandfooter.cfg", settings.headerFooter);
    written &=
        WriteWebSizeOptions(programDirectory + std::string(webSizeOptionsPath), settings.webSize);
    return written;
}

bool WriteAdditionalOptionsOf(const std::string &programDirectory, const GallerySettings &settings)
{
    return WriteAdditionalOptions(programDirectory + "pgrooptions.cfg", settings.linkTexts,
                                  settings.pageNames, settings.additional);
}

bool LoadCompleteConfigurationFile(const std::filesystem::path &file, GallerySettings &settings,
                                   Prompts &prompts)
{
    CompleteConfiguration configuration{settings.linkTexts,
                                        settings.pageNames,
                                        settings.additional,
                                        settings.hidden,
                                        settings.navigation,
                                        settings.thumbnails,
                                        {},
                                        {},
                                        settings.webSize};
    if (!LoadCompleteConfiguration(file, configuration)) {
        prompts.show(completeConfigErrorTitle, completeConfigLoadFailedText, PromptButtons::Ok);
        return false;
    }
    settings.linkTexts = configuration.linkTexts;
    settings.pageNames = configuration.pageNames;
    settings.additional = configuration.additional;
    settings.hidden = configuration.hidden;
    settings.navigation = configuration.navigation;
    settings.thumbnails = configuration.thumbnails;
    settings.webSize = configuration.webSize;
    return true;
}

bool SaveCompleteConfigurationFile(const std::filesystem::path &file,
                                   const GallerySettings &settings,
                                   const ThumbnailerFile &thumbnailer)
{
    const CompleteConfiguration configuration{settings.linkTexts,
                                              settings.pageNames,
                                              settings.additional,
                                              settings.hidden,
                                              settings.navigation,
                                              settings.thumbnails,
                                              thumbnailer.destinationDir,
                                              thumbnailer.pictureRelPath,
                                              settings.webSize};
    return SaveCompleteConfiguration(file, configuration);
}

} // namespace pagoranto

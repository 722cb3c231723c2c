#include "core/options/startupoptions.h"

#include "core/options/additionaloptionsfile.h"
#include "core/options/completeconfiguration.h"
#include "core/options/headerfooteroptionsfile.h"
#include "core/options/hiddenoptionsfile.h"
#include "core/options/navigationoptionsfile.h"
#include "core/options/thumbnailoptionsfile.h"
#include "core/options/toolsfile.h"
#include "core/options/websizeoptionsfile.h"
#include "core/platform/prompts.h"

namespace pagoranto {

void ReadStartupOptions(const std::string &programDirectory, GallerySettings &settings)
{
    ReadAdditionalOptions(programDirectory + "pgrooptions.cfg", settings.linkTexts,
                          settings.pageNames, settings.additional);
    ThumbnailerFile thumbnailer{{}, {}, settings.thumbnails};
    if (ReadThumbnailerOptions(programDirectory + std::string(thumbnailerOptionsPath), thumbnailer))
        settings.thumbnails = thumbnailer.options;
    ReadHiddenCommandOptions(programDirectory + "hcoptions.cfg", settings.hidden);
    ReadNavigationOptions(programDirectory + "navoptions.cfg", settings.navigation);
    ReadWebTools(programDirectory + "webtools.cfg", settings.webTools);
    ReadTools(programDirectory + "tools.cfg", settings.tools);
    ReadHeaderFooterOptions(programDirectory + "headerandfooter.cfg", settings.headerFooter);
    ReadWebSizeOptions(programDirectory + std::string(webSizeOptionsPath), settings.webSize);
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

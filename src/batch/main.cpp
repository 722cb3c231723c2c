// pagoranto-batch: makes a gallery with the engine and the option files of a program
// directory, without a display.
#include "batch/batcharguments.h"
#include "batch/batchfrontend.h"
#include "batch/copyfrontend.h"
#include "batch/publishfrontend.h"
#include "core/generator/creationrun.h"
#include "core/generator/directorylevels.h"
#include "core/options/startupoptions.h"
#include "core/options/windowcontrols.h"
#include "core/pictures/descriptionstore.h"
#include "core/pictures/picturedirectory.h"
#include "core/pictures/sortinglist.h"
#include "core/pictures/unreadablepictures.h"
#include "core/platform/localclock.h"
#include "core/platform/posixshell.h"
#include "core/platform/settingsdirectory.h"
#include "core/text/datetimeformat.h"
#include "core/thumbnailer/thumbnailstamp.h"

#include <cstdio>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace {

using namespace pagoranto;
namespace fs = std::filesystem;

enum ExitStatus {
    pagesWritten = 0,
    runRefused = 1,
    usageError = 2,
    pageNotWritten = 3,
    thumbnailsNotMade = 4,
    publishFailed = 6,
};

std::string DirectoryWithSlash(const fs::path &directory)
{
    std::error_code error;
    fs::path absolute = fs::absolute(directory, error);
    std::string text = (error ? directory : absolute.lexically_normal()).string();
    if (text.empty() || text.back() != '/')
        text += '/';
    return text;
}

std::string ExecutableDirectory(const char *argv0)
{
    std::error_code error;
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    return DirectoryWithSlash(error ? fs::path(argv0).parent_path() : self.parent_path());
}

// The pages are there, but some link to thumbnails the thumbnailer did not make.
bool ThumbnailsMade(CreationRun &run, const RunSetup &setup, const ThumbnailOptions &options)
{
    const std::vector<std::string> notMade =
        TakeThumbnailCensus(setup.pictureDir, run.levels().thumbnailDirectory, run.creationList(),
                            options, run.pictureHeaders())
            .ToMake(setup.remakeAllThumbnails);
    if (notMade.empty())
        return true;
    std::fprintf(stderr, "pagoranto-batch: %zu of %zu thumbnails were not made:\n", notMade.size(),
                 run.creationList().size());
    for (const std::string &picture : notMade)
        std::fprintf(stderr, "  %s\n", picture.c_str());
    return false;
}

// Each list once, after the run, so it is not lost among the pages' lines.
void ReportKeptFiles(const CreationRun &run)
{
    const std::vector<std::string> &thumbnails = run.keptForeignThumbnails();
    if (!thumbnails.empty()) {
        std::fprintf(stderr,
                     "pagoranto-batch: %zu thumbnails in %s were made elsewhere, left as they "
                     "are; --thumbnails remakes them:\n",
                     thumbnails.size(), run.levels().thumbnailDirectory.c_str());
        for (const std::string &picture : thumbnails)
            std::fprintf(stderr, "  %s\n", picture.c_str());
    }
    const std::vector<std::string> &pages = run.keptOldPages();
    if (!pages.empty()) {
        std::fprintf(stderr,
                     "pagoranto-batch: %zu pages of an earlier gallery with the same page names "
                     "are left in %s; --remove-old-pages moves them to the trash:\n",
                     pages.size(), run.outputDir().c_str());
        for (const std::string &page : pages)
            std::fprintf(stderr, "  %s\n", page.c_str());
    }
}

// Pages give an unreadable picture a made-up size; the user should know which ones.
void WarnAboutUnreadablePictures(const std::string &pictureDir,
                                 const std::vector<std::string> &pictures,
                                 PictureHeaderCache &headers)
{
    for (const std::string &picture : UnreadablePictures(pictureDir, pictures, headers))
        std::fprintf(stderr,
                     "pagoranto-batch: warning: %s cannot be read as a JPEG picture; its "
                     "pages give it the size 10 x 10\n",
                     picture.c_str());
}

int Usage(const std::string &error)
{
    std::fprintf(stderr, "pagoranto-batch: %s\n%s%s", error.c_str(), batchUsage, copyUsage);
    return usageError;
}

} // namespace

int main(int argc, char **argv)
{
    const std::vector<std::string> commandLine(argv + 1, argv + argc);
    if (IsCopyCommandLine(commandLine)) {
        const ParsedCopyArguments copy = ParseCopyArguments(commandLine);
        return copy.arguments ? RunBatchCopy(*copy.arguments) : Usage(copy.error);
    }
    const ParsedArguments parsed = ParseBatchArguments(commandLine);
    if (parsed.request == BatchRequest::help) {
        std::printf("%s%s\n%s\n%s", batchUsage, copyUsage, batchHelp, copyHelp);
        return pagesWritten;
    }
    if (parsed.request == BatchRequest::version) {
        std::printf("pagoranto-batch %s\n", PAGORANTO_VERSION);
        return pagesWritten;
    }
    if (!parsed.arguments)
        return Usage(parsed.error);
    const BatchArguments &args = *parsed.arguments;
    std::error_code error;
    if (!fs::is_directory(args.pictures, error))
        return Usage("no picture directory " + args.pictures);

    RunSetup setup;
    setup.installDirectory = ExecutableDirectory(argv[0]);
    setup.programDirectory =
        args.home.empty() ? SettingsDirectory(setup.installDirectory, UserFoldersFromEnvironment())
                          : DirectoryWithSlash(args.home);
    setup.pictureDir = DirectoryWithSlash(args.pictures);
    setup.directoryLevel = args.level;
    if (args.templateFile.empty()) {
        const std::string galleryFolder =
            ComputeDirectoryLevels(setup.pictureDir, args.level, {}).destinationDir;
        return RunBatchPublish(galleryFolder, args.publish, setup.programDirectory) ? pagesWritten
                                                                                    : publishFailed;
    }
    setup.templatePath = fs::absolute(args.templateFile, error);

    BatchPrompts prompts(args.overwrite);
    GallerySettings settings;
    ReadStartupOptions(setup.programDirectory, setup.installDirectory, settings);
    if (!args.config.empty() && !LoadCompleteConfigurationFile(args.config, settings, prompts))
        return runRefused;
    settings.special.pagecompressor = args.compress;
    DateTimeFormats formats;
    for (const auto &[name, value] : args.settings)
        SetWindowControl({settings, formats}, name, value);
    if (args.webSize) {
        settings.webSize.WebSizePictures = *args.webSize;
        if (*args.webSize) {
            settings.webSize.WebSizeWidth = args.webSizeWidth;
            settings.webSize.WebSizeHeight = args.webSizeHeight;
        }
    }

    std::vector<std::string> pictures;
    if (!args.list.empty()) {
        const SortingListResult list = LoadSortingList(args.list);
        // As the windows do: refused entries are named and left out, the rest is made.
        if (!list.ok)
            prompts.show("ERROR", list.error, PromptButtons::Ok);
        if (!list.opened)
            return runRefused;
        pictures = list.names;
    } else {
        pictures = ListPictureFiles(setup.pictureDir);
    }

    DescriptionStore descriptions;
    descriptions.Load(setup.pictureDir + std::string(DescriptionStore::fileName));
    BatchEvents events;
    LocalClock clock;
    PosixShell shell;
    BatchView view(pictures, ::isatty(STDOUT_FILENO) != 0);
    CreationRun run(setup, settings, descriptions,
                    RunServices{prompts, events, clock, formats, shell, view});
    run.pageCounter() = PageCounter(args.counter);
    const bool templateShowsThumbnails = run.AnalyseTemplate(setup.templatePath).tpicCount() > 0;
    const bool thumbnailsWanted =
        args.thumbnails == ThumbnailMode::all ||
        (args.thumbnails == ThumbnailMode::stale && templateShowsThumbnails);
    settings.special.createthumbnails = thumbnailsWanted;
    setup.remakeAllThumbnails = args.thumbnails == ThumbnailMode::all;
    setup.thumbnailerOnlyForStale = true;
    setup.thumbnailerPace = promptThumbnailerPace;
    setup.offerMissingThumbnails = false;
    setup.foreignThumbnails =
        setup.remakeAllThumbnails ? ForeignThumbnails::replace : ForeignThumbnails::keep;
    setup.oldPages = args.removeOldPages ? OldPages::trash : OldPages::keep;
    if (args.singlePage) {
        run.setSinglePageRun(true);
        run.creationList() = pictures;
    }
    run.Button3Click();
    // After the run, whose cache holds every header by then.
    WarnAboutUnreadablePictures(setup.pictureDir, pictures, run.pictureHeaders());
    ReportKeptFiles(run);

    switch (run.outcome()) {
    case RunOutcome::Completed: {
        std::printf("%s\n", view.firstPage().c_str());
        std::fflush(stdout);
        const bool thumbnailsComplete = !thumbnailsWanted || !run.thumbnailerStarted() ||
                                        ThumbnailsMade(run, setup, settings.thumbnails);
        if (!args.publish.empty() &&
            !RunBatchPublish(run.outputDir(), args.publish, setup.programDirectory))
            return publishFailed;
        return thumbnailsComplete ? pagesWritten : thumbnailsNotMade;
    }
    case RunOutcome::SaveFailed:
        return pageNotWritten;
    default:
        return runRefused;
    }
}

#include "core/generator/creationrun.h"

#include "core/generator/pagemaker.h"
#include "core/generator/pagenames.h"
#include "core/generator/runview.h"
#include "core/options/startupoptions.h"
#include "core/pictures/picturedirectory.h"
#include "core/pictures/unreadablepictures.h"
#include "core/platform/directorylock.h"
#include "core/platform/events.h"
#include "core/platform/prompts.h"
#include "core/templates/neededfiles.h"
#include "core/templates/templatecompanions.h"
#include "core/text/datetimeformat.h"
#include "core/thumbnailer/thumbnailerlink.h"
#include "core/thumbnailer/thumbnailstamp.h"

#include <utility>

namespace pagoranto {

namespace {

std::string ElapsedTimeText(std::uint64_t milliseconds, const DateTimeFormats &formats)
{
    const std::uint64_t seconds = milliseconds / 1000;
    DateTime elapsed;
    elapsed.hour = static_cast<int>(seconds / 3600 % 24);
    elapsed.minute = static_cast<int>(seconds / 60 % 60);
    elapsed.second = static_cast<int>(seconds % 60);
    return FormatTime(elapsed, formats);
}

} // namespace

CreationRun::CreationRun(RunSetup &setup, GallerySettings &settings, DescriptionStore &descriptions,
                         RunServices services)
    : m_setup(setup), m_settings(settings), m_descriptions(descriptions), m_services(services)
{
}

const LayoutAnalysis &CreationRun::AnalyseTemplate(const std::filesystem::path &templatePath)
{
    m_analysis = AnalyseLayout(templatePath, m_services.events);
    m_services.view.ShowProtocol(m_analysis);
    return m_analysis;
}

int CreationRun::TakePagesThisInterval()
{
    return std::exchange(m_pagesThisInterval, 0);
}

void CreationRun::ShowState(RunState state)
{
    m_state = state;
    m_services.view.ShowRunState(state);
}

void CreationRun::ApplyCounterReset()
{
    m_pageCounter.runEnded(m_settings.pageNames.Counterreset);
    m_services.view.ShowPageCounter(m_pageCounter.value());
}

// Every run that got past its first checks ends here. The counter reset and the single-page
// flag are left to the callers: a stopped run has had its reset when its last page ends, and a
// finished single page keeps its flag.
void CreationRun::EndRun(RunOutcome outcome)
{
    ShowState(RunState::idle);
    m_services.view.RefreshPageFileList();
    m_outcome = outcome;
}

bool CreationRun::Stop()
{
    if (m_state == RunState::stopping)
        return true;
    if (m_state != RunState::creating)
        return false;
    // Known as stopped at once, so the page loop ends at its next page whatever comes now.
    m_state = RunState::stopping;
    m_services.prompts.show("ERROR", "Creation aborted by user !", PromptButtons::Ok);
    m_services.view.RefreshPageFileList();
    DelayWithMessages(m_services.events, 1000);
    ShowState(RunState::stopping);
    m_services.view.RefreshPageFileList();
    ApplyCounterReset();
    m_singlePageRun = false;
    return true;
}

bool CreationRun::Refuse(std::string_view text, RunInput input, bool undo)
{
    m_services.prompts.show("ERROR", text, PromptButtons::Ok);
    if (undo)
        EndRun(RunOutcome::Refused);
    m_services.view.OpenInput(input);
    m_singlePageRun = false;
    m_outcome = RunOutcome::Refused;
    return false;
}

void CreationRun::Button3Click()
{
    if (Stop())
        return;
    m_outcome = RunOutcome::NotRun;
    if (!RunChecks() || !PlanAndPictureList())
        return;
    // Two runs on one hand-over folder or one gallery would mix their files.
    const std::filesystem::path handOver =
        std::filesystem::path(m_setup.programDirectory) / thumbnailerFolder;
    std::error_code error;
    std::filesystem::create_directories(handOver, error);
    const auto lockIfThere = [](const std::filesystem::path &directory,
                                std::optional<DirectoryLock> &lock) {
        std::error_code missing;
        if (!std::filesystem::is_directory(directory, missing))
            return true;
        lock = DirectoryLock::TryLock(directory);
        return lock.has_value();
    };
    std::optional<DirectoryLock> handOverLock;
    std::optional<DirectoryLock> galleryLock;
    const bool galleryFree = lockIfThere(m_outputDir, galleryLock);
    if (!galleryFree || !lockIfThere(handOver, handOverLock)) {
        m_services.prompts.show("ERROR",
                                "Another run is making this gallery, or uses the same program "
                                "folder:\r" +
                                    (galleryFree ? handOver.string() : m_outputDir) +
                                    "\rPlease wait until it has ended and try again !",
                                PromptButtons::Ok);
        m_singlePageRun = false;
        ApplyCounterReset();
        EndRun(RunOutcome::Refused);
        return;
    }
    CreatePages();
}

bool CreationRun::RunChecks()
{
    RunView &view = m_services.view;
    const PageNameOptions &names = m_settings.pageNames;
    view.ShowCompressIndicator("Compressing pages");
    WriteAdditionalOptionsOf(m_setup.programDirectory, m_settings);
    m_firstPageNumber = m_pageCounter.value();
    if (!m_singlePageRun)
        m_creationList = view.CollectCheckedPictures();
    m_sortingLists = ListSortingLists(m_setup.pictureDir);

    if (m_setup.templatePath.empty()) {
        view.OpenInput(RunInput::ThumbnailList);
        return Refuse("Please select a page template !\rSelect one of the examples or select an "
                      "other html page;\rthat you've created before.",
                      RunInput::TemplateSelection, false);
    }
    if (names.ownfilename.empty())
        return Refuse("You've forgot to enter a page name !\rPlease enter a page name and try it "
                      "again !",
                      RunInput::SpecialOptionsTab, false);
    if (names.usedifferentfirst && names.differentfilename.empty())
        return Refuse(
            "You've selected \"Filename for the first page\",\rbut you've forgot to enter "
            "a first page name !\rPlease enter a first page name and try it again !",
            RunInput::SpecialOptionsTab, false);
    // Names come from option files too, where the typing rules of the edits do not hold.
    for (const std::string *name : {&names.ownfilename, &names.differentfilename}) {
        if (name == &names.differentfilename && !names.usedifferentfirst)
            continue;
        if (!IsSafePageName(*name))
            return Refuse("The page name \"" + *name +
                              "\" is not allowed !\rA page name must not "
                              "contain \"/\" or \"\\\" and must not be \".\" or \"..\".",
                          RunInput::SpecialOptionsTab, false);
    }
    if (m_analysis.picCount() == 0 && m_analysis.tpicCount() == 0) {
        view.OpenInput(RunInput::ThumbnailList);
        return Refuse("No \"$PIC$\" and no \"$TPIC$\" command found in your selected "
                      "template!\rSelect one of the examples or select an other html "
                      "page;\rthat you've created before.",
                      RunInput::TemplateSelection, false);
    }

    ShowState(RunState::checking);
    m_pagesThisInterval = 0;
    m_levels = ComputeDirectoryLevels(m_setup.pictureDir, m_setup.directoryLevel,
                                      m_settings.thumbnails.thumbdir);
    m_outputDir = m_levels.destinationDir.empty() ? m_setup.pictureDir : m_levels.destinationDir;

    if (AnalyseTemplate(m_setup.templatePath).total == 0)
        return Refuse("You're selected template does not contain any commands !\rPlease select an "
                      "other template and proceed !",
                      RunInput::TemplateSelection, true);
    if (m_creationList.empty()) {
        if (m_sortingLists.empty())
            return Refuse("*ERROR* No sorting list for your pictures found !\r\rPlease select a "
                          "directory with your jpg pictures and\rmark the pictures you want to "
                          "use for your gallery !\rThe file extension of your pictures must be "
                          "'.jpg'",
                          RunInput::ThumbnailList, true);
        if (!m_singlePageRun)
            m_services.prompts.show("INFO",
                                    "INFO: A sorting list was found in the picture directory "
                                    "!\r\rPlease select a sorting list and proceed.",
                                    PromptButtons::Ok);
    }
    m_neededfiles = LoadNeededFiles(NeededFilesListPath(m_setup.templatePath));
    WriteThumbnailerDestination(m_setup.programDirectory, m_levels, m_settings.thumbnails);
    if (IsRootDirectory(m_levels.destinationDir))
        return Refuse("The selected destination for your pages is a root directory !\r" +
                          m_levels.destinationDir +
                          "\rIt's not allowed to create pages in a root directory like \"c:\\\", "
                          "\"d:\\\",....\rYou have to select a normal directory !\r",
                      RunInput::DirectoryLevels, true);
    // Thumbnails made without a folder would land beside the pages, over the photos there.
    const bool thumbnailsNeeded = m_analysis.tpicCount() > 0 || m_settings.special.createthumbnails;
    if (thumbnailsNeeded && m_settings.thumbnails.thumbdir.empty()) {
        m_services.prompts.show(
            "ERROR",
            "The $TPIC$ command was found in your template or you've activated \"Create "
            "thumbnails\",\rbut you've forgot to enter a thumbnail directory !\rPlease click on "
            "the menue \"Thumbnail options\" and enter a directory name",
            PromptButtons::Ok);
        EndRun(RunOutcome::Refused);
        m_singlePageRun = false;
        return false;
    }
    // Option files may hold a thumbnail folder the edit would never accept.
    if (!m_settings.thumbnails.thumbdir.empty() && !IsSafePageName(m_settings.thumbnails.thumbdir))
        return Refuse("The thumbnail directory \"" + m_settings.thumbnails.thumbdir +
                          "\" is not allowed !\rIt must be a folder name without \"/\" or \"\\\".",
                      RunInput::DirectoryLevels, true);
    if (!m_singlePageRun) {
        const PromptAnswer answer = m_services.prompts.show(
            "info",
            "The destination directory of your html pages will be:\r\r" + m_levels.destinationDir +
                "\r\rDo you want to proceed ? \r\rIf not, select an other directory level by "
                "using the button \"Directory levels\".",
            PromptButtons::OkCancel);
        if (answer != PromptAnswer::Ok) {
            EndRun(RunOutcome::Refused);
            view.OpenInput(RunInput::DirectoryLevels);
            m_singlePageRun = false;
            return false;
        }
    }
    return true;
}

PagePlan CreationRun::PlanFor(int pictureCount) const
{
    return MakePagePlan(m_analysis.picCount(), m_analysis.tpicCount(), pictureCount,
                        m_pageCounter.value(), m_settings.pageNames);
}

bool CreationRun::PlanAndPictureList()
{
    RunView &view = m_services.view;
    const auto makePlan = [this] {
        m_plan = PlanFor(static_cast<int>(m_creationList.size()));
        m_services.view.ShowPagePlan(m_plan);
    };
    makePlan();
    // A single-page run started from the picture list leaves its flag set; this run's kind is
    // what it was before the list was shown.
    const bool normalRun = !m_singlePageRun;
    PictureListResult result = PictureListResult::Ok;
    if (normalRun)
        result = view.ShowPictureList(m_creationList, m_plan, m_sortingLists);
    makePlan();
    if (normalRun && result == PictureListResult::Cancel) {
        m_singlePageRun = false;
        m_services.prompts.show("ERROR", "Creation aborted by USER !", PromptButtons::Ok);
        EndRun(RunOutcome::Cancelled);
        ApplyCounterReset();
        return false;
    }
    if (m_creationList.empty()) {
        ApplyCounterReset();
        EndRun(RunOutcome::NoPictures);
        return false;
    }
    return true;
}

void CreationRun::CreatePages()
{
    RunView &view = m_services.view;
    Events &events = m_services.events;
    ShowState(RunState::creating);
    const std::uint64_t startTick = events.tickCount();
    m_pictureHeaders = PictureHeaderCache();
    m_thumbnailerStarted = false;
    view.ShowRunStatus("Creation starts");
    if (m_settings.special.createthumbnails) {
        MakeThumbnails();
        m_settings.special.createthumbnails = false;
    } else if (MissingThumbnailsWanted()) {
        MakeThumbnails();
    }
    const std::string pageCounterText =
        FormatPageNumber(m_pageCounter.value(), m_settings.pageNames.ScrollBar4);
    view.ShowPagePlan(m_plan);
    view.AddToHistory(m_setup.pictureDir, m_setup.templatePath.string());

    const PageRunInput input{
        m_setup.templatePath, m_setup.pictureDir, m_levels.destinationDir,  m_levels.pictureRelPath,
        m_outputDir,          m_creationList,     m_analysis.commandCounts, m_plan,
        m_firstPageNumber};
    const auto showStatus = [&view](std::string_view text) { view.ShowRunStatus(text); };
    const auto showIndicator = [&view](std::string_view text) { view.ShowCompressIndicator(text); };
    if (!m_singlePageRun)
        ReadHeadersAhead();
    PageMaker maker(input, m_settings, m_descriptions,
                    {m_services.prompts, events, m_services.clock, m_services.dateTimeFormats,
                     showStatus, showIndicator, &m_pictureHeaders});

    for (int pageIndex = 0; pageIndex < m_plan.pageCount; ++pageIndex) {
        maker.LoadTemplate();
        if (!runActive()) {
            EndRun(RunOutcome::Stopped);
            m_singlePageRun = false;
            return;
        }
        view.ShowPageNumber(pageIndex + 1);
        const PageResult page = maker.MakeLoadedPage(pageIndex, m_pageCounter.value());
        if (page.saveFailed) {
            ApplyCounterReset();
            EndRun(RunOutcome::SaveFailed);
            return;
        }
        if (runActive()) {
            m_pageCounter.pageSaved();
            view.ShowPageCounter(m_pageCounter.value());
        }
        view.ShowElapsedTime(
            ElapsedTimeText(events.tickCount() - startTick, m_services.dateTimeFormats));
        ++m_pagesThisInterval;
        events.processPendingMessages();
        if (m_singlePageRun)
            break;
    }

    OfferNeededFiles(m_neededfiles, m_settings.special.filecopyallowed, m_setup.templatePath,
                     m_levels.destinationDir, m_outputDir, m_services.prompts, events);
    ShowState(RunState::ending);
    // Reset before the end window, so the main window behind it already shows the number the
    // next run starts with, and once more after it, in case the window changed the options.
    ApplyCounterReset();
    view.ShowEndStatus({m_levels.destinationDir, m_setup.pictureDir, m_levels.thumbnailDirectory,
                        m_outputDir + FirstPageName(m_settings.pageNames, pageCounterText),
                        UnreadablePictures(m_setup.pictureDir, m_creationList, m_pictureHeaders)});
    ApplyCounterReset();
    EndRun(RunOutcome::Completed);
}

// Every page reads its picture's header and a thumbnail page those of its thumbnails; read
// together first, they are read on every processor.
void CreationRun::ReadHeadersAhead()
{
    std::vector<std::string> paths;
    if (m_analysis.picCount() > 0)
        for (const std::string &picture : m_creationList)
            paths.push_back(m_setup.pictureDir + picture);
    if (m_analysis.tpicCount() > 0)
        for (const std::string &picture : m_creationList)
            paths.push_back(m_levels.destinationDir + m_settings.thumbnails.thumbnailDir() +
                            picture);
    m_pictureHeaders.ReadAhead(paths);
}

// Pages with $TPIC$ would link to thumbnails that are not there.
bool CreationRun::MissingThumbnailsWanted()
{
    if (!m_setup.offerMissingThumbnails || m_analysis.tpicCount() == 0)
        return false;
    const std::size_t missing =
        PicturesWithoutThumbnails(m_levels.thumbnailDirectory, m_creationList).size();
    if (missing == 0)
        return false;
    const std::string listed = std::to_string(m_creationList.size());
    const std::string whose =
        missing == m_creationList.size()
            ? "None of the " + listed + " pictures of your list has a thumbnail in"
            : std::to_string(missing) + " of the " + listed + " pictures of your list " +
                  (missing == 1 ? "has" : "have") + " no thumbnail in";
    return m_services.prompts.show(
               "Question",
               whose + "\r" + m_levels.thumbnailDirectory +
                   "\r\rYour template contains $TPIC$ commands, but \"Create thumbnails\" is "
                   "not activated.\rDo you want to create the missing thumbnails now ? If not, "
                   "click on \"NO\".",
               PromptButtons::YesNo) == PromptAnswer::Yes;
}

void CreationRun::MakeThumbnails()
{
    RunView &view = m_services.view;
    view.ShowRunStatus("Thumbnail creation");
    if (m_setup.thumbnailerOnlyForStale && !m_setup.remakeAllThumbnails &&
        PicturesWithStaleThumbnails(m_setup.pictureDir, m_levels.thumbnailDirectory, m_creationList,
                                    m_settings.thumbnails, m_pictureHeaders)
            .empty())
        return;
    // The thumbnails read so far are about to change.
    m_pictureHeaders = PictureHeaderCache();
    m_thumbnailerStarted = true;
    const ThumbnailerJob job{
        m_setup.programDirectory, m_setup.pictureDir,
        m_creationList,           ThumbnailerFileFor(m_levels, m_settings.thumbnails),
        m_setup.installDirectory, m_setup.remakeAllThumbnails,
        m_setup.thumbnailerPace};
    const ThumbnailerResult result =
        RunThumbnailer(job, m_services.shell, m_services.events,
                       [&view](bool shown) { view.ShowThumbnailerBusy(shown); });
    if (result.end == ThumbnailerEnd::FilesNotWritten)
        m_services.prompts.show("ERROR",
                                "Unable to hand the pictures to the thumbnailer !\r\r" +
                                    result.unwritableFile.string() +
                                    "\r\rThe pages are made without new thumbnails.",
                                PromptButtons::Ok);
    else if (result.end == ThumbnailerEnd::NotStarted)
        m_services.prompts.show("ERROR",
                                "The thumbnailer could not be started !\r\rThe pages are made "
                                "without new thumbnails.",
                                PromptButtons::Ok);
}

} // namespace pagoranto

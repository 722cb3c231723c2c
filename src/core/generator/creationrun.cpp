#include "core/generator/creationrun.h"

#include "core/generator/oldpages.h"
#include "core/generator/pagemaker.h"
#include "core/generator/pagenames.h"
#include "core/generator/runview.h"
#include "core/options/startupoptions.h"
#include "core/pictures/picturedirectory.h"
#include "core/pictures/unreadablepictures.h"
#include "core/platform/directorylock.h"
#include "core/platform/events.h"
#include "core/platform/prompts.h"
#include "core/platform/trash.h"
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
    m_stopRequested = true;
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
    // A single-page run started from the picture list runs inside this object's own run, whose
    // locks it shares and leaves held.
    struct LockRelease {
        CreationRun &run;
        bool heldBefore;
        ~LockRelease()
        {
            if (!heldBefore) {
                run.m_galleryLock.reset();
                run.m_handOverLock.reset();
            }
        }
    } release{*this, m_handOverLock.has_value() || m_galleryLock.has_value()};
    if (!RunChecks() || !PlanAndPictureList())
        return;
    CreatePages();
}

// Taken before anything is written into the hand-over folder or the gallery.
bool CreationRun::LockFolders()
{
    const std::filesystem::path handOver =
        std::filesystem::path(m_setup.programDirectory) / thumbnailerFolder;
    std::error_code error;
    std::filesystem::create_directories(handOver, error);
    const auto lock = [](const std::filesystem::path &directory,
                         std::optional<DirectoryLock> &held) {
        std::error_code missing;
        if (held || !std::filesystem::is_directory(directory, missing))
            return true;
        held = DirectoryLock::TryLock(directory);
        return held.has_value();
    };
    const bool galleryFree = lock(m_outputDir, m_galleryLock);
    if (galleryFree && lock(handOver, m_handOverLock))
        return true;
    m_services.prompts.show("ERROR",
                            "Another run is making this gallery, or uses the same program "
                            "folder:\r" +
                                (galleryFree ? handOver.string() : m_outputDir) +
                                "\rPlease wait until it has ended and try again !",
                            PromptButtons::Ok);
    m_singlePageRun = false;
    ApplyCounterReset();
    EndRun(RunOutcome::Refused);
    return false;
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
    if (!LockFolders())
        return false;

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
    if (m_settings.webSize.WebSizePictures && !IsSafePageName(m_settings.webSize.webdir))
        return Refuse("The web picture directory \"" + m_settings.webSize.webdir +
                          "\" is not allowed !\rIt must be a folder name without \"/\" or \"\\\".",
                      RunInput::DirectoryLevels, true);
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
    m_pictureHeaders = PictureHeaderCache();
    m_thumbnailerStarted = false;
    m_keptForeign.clear();
    if (!HandleOldPages())
        return;
    ShowState(RunState::creating);
    const std::uint64_t startTick = events.tickCount();
    view.ShowRunStatus("Creation starts");
    // The copies first: the thumbnailer makes a thumbnail from a copy rather than from the photo.
    WebPictureStep();
    ThumbnailStep();
    const std::string pageCounterText =
        FormatPageNumber(m_pageCounter.value(), m_settings.pageNames.ScrollBar4);
    view.ShowPagePlan(m_plan);
    view.AddToHistory(m_setup.pictureDir, m_setup.templatePath.string());

    const PageRunInput input{m_setup.templatePath,
                             m_setup.pictureDir,
                             m_levels.destinationDir,
                             m_levels.pictureRelPath,
                             m_outputDir,
                             m_creationList,
                             m_analysis.commandCounts,
                             m_plan,
                             m_firstPageNumber,
                             &m_webPictures.copies,
                             m_settings.webSize.webDir()};
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

// Before the pages: the user's thumbnails are used as they are unless the user asks otherwise.
void CreationRun::ThumbnailStep()
{
    const bool asked = m_settings.special.createthumbnails;
    if (!asked && (m_analysis.tpicCount() == 0 || !m_setup.offerMissingThumbnails))
        return;
    const ThumbnailCensus census =
        m_setup.remakeAllThumbnails
            ? ThumbnailCensus{}
            : TakeThumbnailCensus(m_setup.pictureDir, m_levels.thumbnailDirectory, m_creationList,
                                  m_settings.thumbnails, m_pictureHeaders);
    if (!asked) {
        m_keptForeign = census.foreign;
        if (StaleThumbnailsWanted(census))
            MakeThumbnails(census, false);
        return;
    }
    const bool replaceForeign = m_setup.remakeAllThumbnails || ForeignThumbnailsReplaced(census);
    if (!replaceForeign)
        m_keptForeign = census.foreign;
    MakeThumbnails(census, replaceForeign);
    m_settings.special.createthumbnails = false;
}

namespace {

std::string CountOf(std::size_t count, std::string_view one, std::string_view many)
{
    return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

std::string NamedFew(const std::vector<std::string> &names)
{
    constexpr std::size_t shown = 5;
    std::string text;
    for (std::size_t i = 0; i < names.size() && i < shown; ++i)
        text += "\r    " + names[i];
    if (names.size() > shown)
        text += "\r    ... and " + std::to_string(names.size() - shown) + " more";
    return text;
}

} // namespace

// Before the pages, which then show each photo larger than the box through its copy.
void CreationRun::WebPictureStep()
{
    m_webPictures = WebPictures();
    if (!m_settings.webSize.WebSizePictures || m_analysis.picCount() == 0)
        return;
    RunView &view = m_services.view;
    view.ShowRunStatus("Web-size pictures");
    m_stopRequested = false;
    const WebPictureJob job{m_setup.pictureDir,
                            m_levels.destinationDir + m_settings.webSize.webDir(),
                            m_creationList,
                            m_settings.webSize,
                            0,
                            &m_stopRequested};
    m_webPictures = MakeWebPictures(job, m_pictureHeaders, m_services.events,
                                    [this, &view](std::size_t done, std::size_t total) {
                                        view.ShowWebPictureProgress(done, total);
                                        return runActive();
                                    });
    view.ShowWebPictureProgress(0, 0);
}

// Pages with $TPIC$ would link to thumbnails that are missing, or that no longer show the photo
// or the options as they are.
bool CreationRun::StaleThumbnailsWanted(const ThumbnailCensus &census)
{
    const std::size_t missing = census.missing.size();
    const std::size_t outOfDate = census.outOfDate.size();
    if (missing + outOfDate == 0)
        return false;
    const std::string listed = std::to_string(m_creationList.size());
    std::string whose;
    if (missing == m_creationList.size())
        whose = "None of the " + listed + " pictures of your list has a thumbnail in";
    else {
        whose = "Of the " + listed + " pictures of your list, ";
        if (missing > 0)
            whose += CountOf(missing, "has no thumbnail", "have no thumbnail") +
                     (outOfDate > 0 ? " and " : "");
        if (outOfDate > 0)
            whose += CountOf(outOfDate, "has a thumbnail that is out of date",
                             "have a thumbnail that is out of date") +
                     " (made with other thumbnail options, or from the photo before it changed)";
        whose += ", in";
    }
    const std::string kept =
        census.foreign.empty()
            ? std::string()
            : "\r" + CountOf(census.foreign.size(), "thumbnail was", "thumbnails were") +
                  " made elsewhere and " + (census.foreign.size() == 1 ? "is" : "are") +
                  " used as " + (census.foreign.size() == 1 ? "it is" : "they are") + ".";
    return m_services.prompts.show(
               "Question",
               whose + "\r" + m_levels.thumbnailDirectory + "\r" + kept +
                   "\r\rYour template contains $TPIC$ commands, but \"Create thumbnails\" is "
                   "not activated.\rDo you want to create these thumbnails now ? If not, "
                   "click on \"NO\".",
               PromptButtons::YesNo) == PromptAnswer::Yes;
}

bool CreationRun::ForeignThumbnailsReplaced(const ThumbnailCensus &census)
{
    if (census.foreign.empty() || m_setup.foreignThumbnails == ForeignThumbnails::keep)
        return false;
    if (m_setup.foreignThumbnails == ForeignThumbnails::replace)
        return true;
    return m_services.prompts.show(
               "Question",
               CountOf(census.foreign.size(), "thumbnail", "thumbnails") + " in\r" +
                   m_levels.thumbnailDirectory + "\r" +
                   (census.foreign.size() == 1 ? "was" : "were") +
                   " not made by this program (made elsewhere or by hand):" +
                   NamedFew(census.foreign) +
                   "\r\rDo you want to replace them with new thumbnails ?\rIf not, click on "
                   "\"NO\": they are kept as they are and only the others are made.",
               PromptButtons::YesNo) == PromptAnswer::Yes;
}

// A destination that held a longer gallery of the same page names would be published as a mix
// of the two.
bool CreationRun::HandleOldPages()
{
    m_keptOldPages.clear();
    if (m_singlePageRun)
        return true;
    const std::vector<std::string> old =
        FindOldPages(m_outputDir, m_plan, m_firstPageNumber, m_settings.pageNames);
    if (old.empty())
        return true;
    OldPages choice = m_setup.oldPages;
    if (choice == OldPages::ask) {
        const PromptAnswer answer = m_services.prompts.show(
            "Question", OldPagesQuestion(m_outputDir, old), PromptButtons::YesNoCancel);
        if (answer == PromptAnswer::Cancel) {
            ApplyCounterReset();
            EndRun(RunOutcome::Cancelled);
            return false;
        }
        choice = answer == PromptAnswer::Yes ? OldPages::trash : OldPages::keep;
    }
    if (choice == OldPages::keep)
        m_keptOldPages = old;
    else
        TrashOldPages(old);
    return true;
}

void CreationRun::TrashOldPages(const std::vector<std::string> &pages)
{
    std::vector<std::string> withoutTrash;
    std::vector<std::string> failed;
    std::string why;
    for (const std::string &page : pages) {
        const TrashResult result = MoveToTrash(m_outputDir + page);
        if (result.outcome == TrashOutcome::noTrash)
            withoutTrash.push_back(page);
        else if (result.outcome == TrashOutcome::failed) {
            failed.push_back(page);
            why = result.error;
        }
    }
    // Only a user who sees the question may have a page deleted for good.
    if (!withoutTrash.empty() && m_setup.oldPages == OldPages::ask &&
        m_services.prompts.show("Question",
                                CountOf(withoutTrash.size(), "page", "pages") +
                                    " cannot be moved to a trash: the file "
                                    "system of\r" +
                                    m_outputDir + "\rhas none." + NamedFew(withoutTrash) +
                                    "\r\rDo you want to delete " +
                                    (withoutTrash.size() == 1 ? "it" : "them") + " for good ?",
                                PromptButtons::YesNo) == PromptAnswer::Yes) {
        for (const std::string &page : withoutTrash) {
            std::error_code error;
            if (!std::filesystem::remove(m_outputDir + page, error)) {
                failed.push_back(page);
                why = error.message();
            }
        }
    } else if (!withoutTrash.empty()) {
        m_services.prompts.show("INFO",
                                CountOf(withoutTrash.size(), "page is", "pages are") +
                                    " kept: the file system of\r" + m_outputDir +
                                    "\rhas no trash." + NamedFew(withoutTrash),
                                PromptButtons::Ok);
        m_keptOldPages = withoutTrash;
    }
    if (!failed.empty()) {
        m_services.prompts.show("ERROR",
                                CountOf(failed.size(), "page", "pages") +
                                    " of the earlier gallery could not be removed from\r" +
                                    m_outputDir + "\r" + why + NamedFew(failed),
                                PromptButtons::Ok);
        m_keptOldPages.insert(m_keptOldPages.end(), failed.begin(), failed.end());
    }
}

void CreationRun::MakeThumbnails(const ThumbnailCensus &census, bool replaceForeign)
{
    RunView &view = m_services.view;
    view.ShowRunStatus("Thumbnail creation");
    if (m_setup.thumbnailerOnlyForStale && !m_setup.remakeAllThumbnails &&
        census.ToMake(replaceForeign).empty())
        return;
    // The thumbnails read so far are about to change.
    m_pictureHeaders = PictureHeaderCache();
    m_thumbnailerStarted = true;
    const ThumbnailerJob job{m_setup.programDirectory,
                             m_setup.pictureDir,
                             m_creationList,
                             ThumbnailerFileFor(m_levels, m_settings.thumbnails),
                             m_setup.installDirectory,
                             m_setup.remakeAllThumbnails,
                             replaceForeign,
                             m_setup.thumbnailerPace,
                             m_webPictures.copies.empty() ? std::string()
                                                          : m_settings.webSize.webdir};
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

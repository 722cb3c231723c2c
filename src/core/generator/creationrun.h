#pragma once

#include "core/generator/directorylevels.h"
#include "core/generator/layoutanalysis.h"
#include "core/generator/pagecounter.h"
#include "core/generator/pageplan.h"
#include "core/generator/runview.h"
#include "core/generator/webpictures.h"
#include "core/options/gallerysettings.h"
#include "core/pictures/pictureheadercache.h"
#include "core/platform/directorylock.h"
#include "core/thumbnailer/thumbnailerlink.h"
#include "core/thumbnailer/thumbnailstamp.h"

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace pagoranto {

class Clock;
class DescriptionStore;
class Events;
class Prompts;
class Shell;
struct DateTimeFormats;

// What a run that makes thumbnails does with those made elsewhere (without our stamp).
enum class ForeignThumbnails { ask, keep, replace };
// What a run does with pages of an earlier gallery of the same page names that it will not write.
enum class OldPages { ask, keep, trash };

// What the main window holds about where a run reads and writes.
struct RunSetup {
    std::string programDirectory; // ends in "/"
    // Where the thumbnailer is installed, when not below programDirectory.
    std::string installDirectory;
    std::filesystem::path templatePath; // empty when none is selected
    std::string pictureDir;             // ends in "/"
    int directoryLevel = 1;             // RadioButton1..RadioButton3
    // A run of a template with $TPIC$ that finds thumbnails missing asks whether to make them.
    bool offerMissingThumbnails = true;
    // A thumbnail step makes every thumbnail again, also those still up to date.
    bool remakeAllThumbnails = false;
    // A thumbnail step with every thumbnail up to date starts no thumbnailer.
    bool thumbnailerOnlyForStale = false;
    ForeignThumbnails foreignThumbnails = ForeignThumbnails::ask;
    OldPages oldPages = OldPages::ask;
    ThumbnailerPace thumbnailerPace;
};

enum class RunOutcome { NotRun, Refused, Cancelled, NoPictures, Stopped, SaveFailed, Completed };

struct RunServices {
    Prompts &prompts;
    Events &events;
    Clock &clock;
    DateTimeFormats &dateTimeFormats;
    Shell &shell;
    RunView &view;
};

// The Create run: checks, plan, thumbnails, the page loop and the end. Button3Click is entered
// again by a second press while the run processes messages; that press only stops the run.
class CreationRun {
public:
    CreationRun(RunSetup &setup, GallerySettings &settings, DescriptionStore &descriptions,
                RunServices services);

    void Button3Click();

    // Choosing a template analyses it; the run's checks use the last analysis.
    const LayoutAnalysis &AnalyseTemplate(const std::filesystem::path &templatePath);

    // True from the first page until the run ends or is stopped; a press then stops it.
    bool runActive() const { return m_state == RunState::creating; }
    // A run of one page for the first picture of creationList, without the picture list.
    bool singlePageRun() const { return m_singlePageRun; }
    void setSinglePageRun(bool single) { m_singlePageRun = single; }
    // The pictures of the run, in page order.
    std::vector<std::string> &creationList() { return m_creationList; }
    const std::vector<std::string> &creationList() const { return m_creationList; }
    PageCounter &pageCounter() { return m_pageCounter; }
    const PageCounter &pageCounter() const { return m_pageCounter; }

    RunOutcome outcome() const { return m_outcome; }
    const PagePlan &plan() const { return m_plan; }
    const LayoutAnalysis &lastAnalysis() const { return m_analysis; }
    // The page plan for that many pictures with the last analysis and the counter as it is.
    PagePlan PlanFor(int pictureCount) const;
    const DirectoryLevels &levels() const { return m_levels; }
    // What the last run read of its pictures' and thumbnails' headers.
    PictureHeaderCache &pictureHeaders() { return m_pictureHeaders; }
    // Whether the last run started the thumbnailer; one that found every thumbnail up to date
    // did not, and its thumbnails are as it found them.
    bool thumbnailerStarted() const { return m_thumbnailerStarted; }
    // The last run's thumbnails that were made elsewhere and used as they are.
    const std::vector<std::string> &keptForeignThumbnails() const { return m_keptForeign; }
    // What the last run's web-size step did.
    const WebPictures &webPictures() const { return m_webPictures; }
    // The last run's pages of an earlier gallery that were left in the destination.
    const std::vector<std::string> &keptOldPages() const { return m_keptOldPages; }
    const std::string &outputDir() const { return m_outputDir; }
    // Pages made since the caller last took the count (the 30-second display).
    int TakePagesThisInterval();

private:
    void ShowState(RunState state);
    bool Stop();
    bool Refuse(std::string_view text, RunInput input, bool undo);
    bool LockFolders();
    bool RunChecks();
    bool PlanAndPictureList();
    void CreatePages();
    bool HandleOldPages();
    void TrashOldPages(const std::vector<std::string> &pages);
    void ThumbnailStep();
    void WebPictureStep();
    void MakeThumbnails(const ThumbnailCensus &census, bool replaceForeign);
    void ReadHeadersAhead();
    bool StaleThumbnailsWanted(const ThumbnailCensus &census);
    bool ForeignThumbnailsReplaced(const ThumbnailCensus &census);
    void Undo();
    void ApplyCounterReset();
    void EndRun(RunOutcome outcome);

    RunSetup &m_setup;
    GallerySettings &m_settings;
    DescriptionStore &m_descriptions;
    RunServices m_services;
    LayoutAnalysis m_analysis;
    PagePlan m_plan;
    DirectoryLevels m_levels;
    std::string m_outputDir;
    RunState m_state = RunState::idle;
    bool m_singlePageRun = false;
    bool m_thumbnailerStarted = false;
    std::vector<std::string> m_keptForeign;
    std::vector<std::string> m_keptOldPages;
    WebPictures m_webPictures;
    // Held from the checks until the run has ended, thumbnailer included: two runs on one
    // program folder or one gallery would mix their files.
    std::optional<DirectoryLock> m_handOverLock;
    std::optional<DirectoryLock> m_galleryLock;
    // Seen at once by the threads that make web-size copies while the message loop runs.
    std::atomic<bool> m_stopRequested{false};
    std::vector<std::string> m_creationList;
    PictureHeaderCache m_pictureHeaders;
    PageCounter m_pageCounter;
    std::vector<std::string> m_sortingLists;
    ByteLines m_neededfiles;
    std::int64_t m_firstPageNumber = 1;
    int m_pagesThisInterval = 0;
    RunOutcome m_outcome = RunOutcome::NotRun;
};

} // namespace pagoranto

#pragma once

#include "core/generator/commandlist.h"
#include "core/generator/commandsubstitution.h"
#include "core/generator/htmlcompressor.h"
#include "core/generator/pageplan.h"
#include "core/generator/pagesaving.h"
#include "core/generator/thumbnails.h"
#include "core/options/gallerysettings.h"
#include "core/pictures/pixelsize.h"
#include "core/text/bytetext.h"
#include "core/text/reusedlinefile.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <unordered_map>
#include <vector>

namespace pagoranto {

class Clock;
class DescriptionStore;
class Prompts;
struct DateTimeFormats;

// What stays the same for every page of one run.
struct PageRunInput {
    std::filesystem::path templatePath;
    // Directories end in "/"; pictureRelPath is empty or ends in "/".
    std::string pictureDir;
    std::string destinationDir;
    std::string pictureRelPath;
    std::string outputDir;
    std::vector<std::string> creationList;
    CommandCounts commandCounts{};
    PagePlan plan;
    std::int64_t firstPageNumber = 1;
    // Web-size copies shown in the photos' place, by picture name, in webFolder (relative to
    // the pages' folder, ending in "/").
    const std::unordered_map<std::string, PixelSize> *webCopies = nullptr;
    std::string webFolder;
};

struct PageMakerServices {
    Prompts &prompts;
    Events &events;
    Clock &clock;
    // The program-wide formats; the date commands change the short date format.
    DateTimeFormats &dateTimeFormats;
    StatusCallback showRunStatus;
    StatusCallback showCompressIndicator;
    // The run's header cache, which its thumbnail step filled already; else the maker's own.
    PictureHeaderCache *pictureHeaders = nullptr;
};

struct PageResult {
    std::string name;
    bool saveFailed = false;
};

// Turns the template into one finished page file at a time: loads it afresh (read again from
// disk only when it changed), replaces its commands in their fixed order, saves the page and
// compresses it when asked.
class PageMaker {
public:
    PageMaker(const PageRunInput &input, const GallerySettings &settings,
              const DescriptionStore &descriptions, PageMakerServices services);

    PageResult MakePage(int pageIndex, std::int64_t pageCounter);

    // The two halves of MakePage, for a run that looks at its Stop flag in between. A template
    // that cannot be read leaves the text of the previous page.
    void LoadTemplate();
    PageResult MakeLoadedPage(int pageIndex, std::int64_t pageCounter);

    const ByteLines &pageText() const { return m_pageText; }
    const std::string &previousPageName() const { return m_previousPageName; }
    std::int32_t bytesSaved() const { return m_bytesSaved; }

private:
    void SubstituteCommands(int pageIndex, std::int64_t pageCounter);
    std::string PageFileName(int k) const;

    const PageRunInput &m_input;
    const GallerySettings &m_settings;
    const DescriptionStore &m_descriptions;
    PageMakerServices m_services;
    ByteLines m_pageText;
    ReusedLineFile m_template;
    FolderHandles m_outputFolders;
    CommandSubstitution m_substitution;
    ThumbnailState m_thumbnails;
    PictureHeaderCache m_ownHeaders;
    PictureHeaderCache &m_headers;
    THTMLCompressor m_compressor;
    std::string m_previousPageName;
    std::int32_t m_bytesSaved = 0;
};

} // namespace pagoranto

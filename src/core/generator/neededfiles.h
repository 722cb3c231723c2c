#pragma once

#include "core/options/pagenameoptions.h"
#include "core/text/bytetext.h"

#include <filesystem>
#include <string>

namespace pagoranto {

class Events;
class Prompts;

// The template's needed-files list: its companion file with the extension ".nef".
std::filesystem::path NeededFilesListPath(const std::filesystem::path &templatePath);

// One file name per line, relative to the template's directory; empty when unreadable.
ByteLines LoadNeededFiles(const std::filesystem::path &listPath);

// Copies every entry from the template's directory to outputDir (ending in "/"), asking before
// it overwrites. Entries that would reach outside either directory are refused.
void CopyNeededFiles(const ByteLines &neededfiles, const std::filesystem::path &templatePath,
                     const std::string &outputDir, Prompts &prompts, Events &events);

// Asks whether to copy and copies on OK; nothing when copying is off or the list is empty.
void OfferNeededFiles(const ByteLines &neededfiles, bool filecopyallowed,
                      const std::filesystem::path &templatePath,
                      const std::string &destinationDir, const std::string &outputDir,
                      Prompts &prompts, Events &events);

// The first page of the run as the end status names it; pageCounterText is the counter as
// shown at the run's start.
std::string FirstPageName(const PageNameOptions &options, const std::string &pageCounterText);

// The four fields of the end status window.
struct EndStatus {
    std::string d_pages;
    std::string d_images;
    std::string d_thumbnails;
    std::string d_firstpage;
};

} // namespace pagoranto

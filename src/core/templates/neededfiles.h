#pragma once

#include "core/text/bytetext.h"

#include <filesystem>
#include <string>

namespace pagoranto {

class Events;
class Prompts;

// Copies every entry from the template's directory to outputDir (ending in "/"), asking before
// it overwrites. Entries that would reach outside either directory are refused.
void CopyNeededFiles(const ByteLines &neededfiles, const std::filesystem::path &templatePath,
                     const std::string &outputDir, Prompts &prompts, Events &events);

// Asks whether to copy and copies on OK; nothing when copying is off or the list is empty.
void OfferNeededFiles(const ByteLines &neededfiles, bool filecopyallowed,
                      const std::filesystem::path &templatePath, const std::string &destinationDir,
                      const std::string &outputDir, Prompts &prompts, Events &events);

} // namespace pagoranto

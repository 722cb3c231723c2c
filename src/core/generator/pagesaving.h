#pragma once

#include "core/platform/folderhandles.h"
#include "core/text/bytetext.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string_view>

namespace pagoranto {

class Events;
class Prompts;
class THTMLCompressor;

struct SavePageResult {
    bool saveFailed = false;
    // The compressed page replaced the written one.
    bool compressedSaved = false;
};

using StatusCallback = std::function<void(std::string_view)>;

// Writes one finished page as outputDir/name with CR LF line ends and, when pagecompressor
// is checked, compresses it in place, adding what it saved to bytesSaved. A page that cannot
// be written is reported to the user; a page that cannot be compressed stays uncompressed.
// The pages of a run are reached through their folder, kept open in folders.
SavePageResult SavePage(const ByteLines &pageText, const std::filesystem::path &outputDir,
                        FolderHandles &folders, std::string_view name, bool pagecompressor,
                        THTMLCompressor &compressor, std::int32_t &bytesSaved, Prompts &prompts,
                        Events &events, const StatusCallback &showRunStatus,
                        const StatusCallback &showCompressIndicator);

} // namespace pagoranto

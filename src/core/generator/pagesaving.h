#pragma once

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
SavePageResult SavePage(const ByteLines &pageText, const std::filesystem::path &outputDir,
                        std::string_view name, bool pagecompressor, THTMLCompressor &compressor,
                        std::int32_t &bytesSaved, Prompts &prompts, Events &events,
                        const StatusCallback &showRunStatus,
                        const StatusCallback &showCompressIndicator);

} // namespace pagoranto

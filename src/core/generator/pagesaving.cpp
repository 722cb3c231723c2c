#include "core/generator/pagesaving.h"

#include "core/generator/htmlcompressor.h"
#include "core/platform/events.h"
#include "core/platform/prompts.h"
#include "core/text/linefile.h"

#include <algorithm>
#include <limits>
#include <string>

namespace pagoranto {

namespace {

// A name is one file inside outputDir, never a way out of it.
bool IsPlainFileName(std::string_view name)
{
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos;
}

std::string UnableToCreateMessage(const std::filesystem::path &outputDir, std::string_view name)
{
    std::string directory = outputDir.string();
    if (!directory.empty() && directory.back() != '/')
        directory += '/';
    return "Unable to create html page !\r\r" + directory + std::string(name) + "\r\r" +
           "Maybe the file is existing in the destination directory " + "\r" +
           "write protected or " + "\r" + "you've tried to create pages on write protected media " +
           "\r" + "or the destination media is full !";
}

std::int32_t AddClamped(std::int32_t total, std::int64_t amount)
{
    const std::int64_t sum = total + amount;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        sum, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

} // namespace

SavePageResult SavePage(const ByteLines &pageText, const std::filesystem::path &outputDir,
                        FolderHandles &folders, std::string_view name, bool pagecompressor,
                        THTMLCompressor &compressor, std::int32_t &bytesSaved, Prompts &prompts,
                        Events &events, const StatusCallback &showRunStatus,
                        const StatusCallback &showCompressIndicator)
{
    SavePageResult result;
    showRunStatus("Saving page");
    const std::filesystem::path path = outputDir / std::string(name);
    if (!IsPlainFileName(name) || !WriteChangedLineFile(folders, path.string(), pageText)) {
        prompts.inform("ERROR", UnableToCreateMessage(outputDir, name));
        result.saveFailed = true;
        return result;
    }
    if (!pagecompressor)
        return result;

    // Past this point the page is on disk; a failure only leaves it uncompressed.
    showCompressIndicator("<" + std::to_string(bytesSaved) + " bytes saved>");
    if (!compressor.LoadFromFile(path)) {
        WriteChangedLineFile(path, pageText);
        return result;
    }
    showRunStatus("Compressing page");
    events.processPendingMessages();
    compressor.Compress();
    bytesSaved =
        AddClamped(bytesSaved, std::int64_t{compressor.LoadedSize()} - compressor.CompressedSize());
    showCompressIndicator(std::to_string(bytesSaved) + " bytes saved");
    if (compressor.HasBuffer() && WriteChangedFileBytes(path, compressor.Bytes()))
        result.compressedSaved = true;
    else
        WriteChangedLineFile(path, pageText);
    return result;
}

} // namespace pagoranto

#include "core/thumbnailer/thumbnailerlink.h"

#include "core/platform/events.h"
#include "core/platform/shell.h"
#include "core/text/bytetext.h"
#include "core/text/linefile.h"

#include <cstdint>
#include <system_error>

namespace pagoranto {
namespace {

namespace fs = std::filesystem;

// A pass waits for messages at most this long.
constexpr std::uint64_t passMs = 1;

fs::path ThumbnailerFolder(const std::string &programDirectory)
{
    return fs::path(programDirectory + std::string(thumbnailerFolder));
}

bool FileExists(const fs::path &file)
{
    std::error_code error;
    return fs::exists(file, error);
}

void RemoveFlag(const fs::path &flag)
{
    std::error_code error;
    fs::remove(flag, error);
}

// The parameter text of a job whose hand-over files have this digest.
std::string ThumbnailerParameters(const ThumbnailerJob &job, const std::string &digest)
{
    std::string parameters(thumbnailerParameters);
    if (job.remakeAll)
        parameters += " " + std::string(thumbnailerRemakeAllParameter);
    else if (job.replaceForeign)
        parameters += " " + std::string(thumbnailerReplaceForeignParameter);
    if (!job.webCopies.empty())
        parameters += " " + std::string(thumbnailerWebCopiesParameter) + job.webCopies;
    return parameters + " " + std::string(thumbnailerHandOverParameter) + digest;
}

// A thumbnailer that removed the flag is writing nothing more; it only has to finish exiting.
void AwaitExit(StartedProgram &program, Events &events)
{
    constexpr std::uint64_t longestMs = 30000;
    const std::uint64_t start = events.tickCount();
    while (program.running() && events.tickCount() - start < longestMs)
        events.waitForMessages(passMs);
}

} // namespace

std::string HandOverDigest(const fs::path &optionsFile, const fs::path &fileList)
{
    const std::optional<std::string> options = ReadFileBytes(optionsFile);
    const std::optional<std::string> list = ReadFileBytes(fileList);
    if (!options || !list)
        return {};
    // FNV-1a: it only has to tell two runs' files apart, not resist anybody.
    std::uint64_t hash = 0xcbf29ce484222325u;
    const auto add = [&hash](std::string_view bytes) {
        for (const char c : bytes) {
            hash ^= static_cast<unsigned char>(c);
            hash *= 0x100000001b3u;
        }
    };
    add(*options);
    add(std::string_view("\0", 1));
    add(*list);
    static constexpr char hex[] = "0123456789abcdef";
    std::string text(16, '0');
    for (int i = 15; i >= 0; --i, hash >>= 4)
        text[static_cast<std::size_t>(i)] = hex[hash & 0xf];
    return text;
}

std::optional<fs::path> FindThumbnailerProgram(const std::string &programDirectory)
{
    const fs::path folder = ThumbnailerFolder(programDirectory);
    const fs::path exact = folder / thumbnailerProgramName;
    std::error_code error;
    if (fs::is_regular_file(exact, error))
        return exact;

    const std::string wanted = AsciiLowerCase(thumbnailerProgramName);
    std::optional<fs::path> found;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        const fs::path &path = entry->path();
        std::error_code typeError;
        if (AsciiLowerCase(path.filename().string()) == wanted &&
            fs::is_regular_file(path, typeError) && (!found || path < *found))
            found = path;
    }
    return found;
}

bool thumbnailerPresent(const std::string &programDirectory)
{
    return FindThumbnailerProgram(programDirectory).has_value();
}

ThumbnailerResult RunThumbnailer(const ThumbnailerJob &job, Shell &shell, Events &events,
                                 const ThumbnailerBusyView &busyView)
{
    const fs::path folder = ThumbnailerFolder(job.programDirectory);
    const fs::path optionsFile = folder / thumbnailerOptionsFileName;
    const fs::path fileList = folder / thumbnailerFileListName;
    const fs::path flag = folder / thumbnailerFlagFileName;

    std::error_code folderError;
    fs::create_directories(folder, folderError);
    if (!WriteThumbnailerOptions(optionsFile, job.options))
        return {ThumbnailerEnd::FilesNotWritten, optionsFile};
    ByteLines listLines;
    listLines.reserve(job.pictures.size());
    for (const std::string &picture : job.pictures)
        listLines.push_back(job.pictureDir + picture);
    if (!WriteLineFile(fileList, listLines))
        return {ThumbnailerEnd::FilesNotWritten, fileList};
    if (!WriteLineFile(flag, {std::string(thumbnailerFlagLine)}))
        return {ThumbnailerEnd::FilesNotWritten, flag};

    const std::string &installDirectory =
        job.installDirectory.empty() ? job.programDirectory : job.installDirectory;
    const fs::path program =
        FindThumbnailerProgram(installDirectory)
            .value_or(ThumbnailerFolder(installDirectory) / thumbnailerProgramName);
    const std::unique_ptr<StartedProgram> started = shell.startProgram(
        program, ThumbnailerParameters(job, HandOverDigest(optionsFile, fileList)), folder);
    if (!started) {
        // Nobody would ever remove the flag, and the next run writes it afresh anyway.
        RemoveFlag(flag);
        return {ThumbnailerEnd::NotStarted, {}};
    }

    if (busyView)
        busyView(true);
    DelayWithMessages(events, job.pace.startDelayMs);
    ThumbnailerEnd end = ThumbnailerEnd::FlagRemoved;
    bool stillRunning = false;
    for (int pass = 0;;) {
        events.waitForMessages(passMs);
        if (++pass < job.pace.passesPerFlagTest)
            continue;
        pass = 0;
        // Asked before the flag, so a thumbnailer that removes the flag and then ends is
        // never taken for one that ended without removing it.
        const bool running = started->running();
        if (!FileExists(flag)) {
            stillRunning = running;
            break;
        }
        if (!running) {
            RemoveFlag(flag);
            end = ThumbnailerEnd::ExitedWithFlag;
            break;
        }
    }
    if (stillRunning)
        AwaitExit(*started, events);
    if (busyView)
        busyView(false);
    return {end, {}};
}

} // namespace pagoranto

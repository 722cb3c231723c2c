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

} // namespace

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
    const std::unique_ptr<StartedProgram> started =
        shell.startProgram(program,
                           job.remakeAll ? std::string(thumbnailerParameters) + " " +
                                               std::string(thumbnailerRemakeAllParameter)
                                         : std::string(thumbnailerParameters),
                           folder);
    if (!started) {
        // Nobody would ever remove the flag, and the next run writes it afresh anyway.
        RemoveFlag(flag);
        return {ThumbnailerEnd::NotStarted, {}};
    }

    if (busyView)
        busyView(true);
    DelayWithMessages(events, job.pace.startDelayMs);
    ThumbnailerEnd end = ThumbnailerEnd::FlagRemoved;
    for (int pass = 0;;) {
        events.waitForMessages(passMs);
        if (++pass < job.pace.passesPerFlagTest)
            continue;
        pass = 0;
        // Asked before the flag, so a thumbnailer that removes the flag and then ends is
        // never taken for one that ended without removing it.
        const bool running = started->running();
        if (!FileExists(flag))
            break;
        if (!running) {
            RemoveFlag(flag);
            end = ThumbnailerEnd::ExitedWithFlag;
            break;
        }
    }
    if (busyView)
        busyView(false);
    return {end, {}};
}

} // namespace pagoranto

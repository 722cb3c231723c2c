#include "core/generator/webpictures.h"

#include "core/pictures/jpegsize.h"
#include "core/pictures/pictureheadercache.h"
#include "core/pictures/resizejpeg.h"
#include "core/platform/events.h"
#include "core/platform/pathcontainment.h"
#include "core/text/linefile.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <exception>
#include <system_error>
#include <thread>

namespace pagoranto {

namespace {

namespace fs = std::filesystem;

// Raised whenever the way a copy is made changes, so older copies are made again.
constexpr std::string_view stampProgram = "pagoranto-web ";
constexpr std::string_view stampVersion = "pagoranto-web 1";
// Sharp on a screen at a fraction of the photo's bytes.
constexpr int copyQuality = 85;
constexpr std::uint64_t passMs = 5;

bool FitsTheBox(PixelSize size, const WebSizeOptions &options)
{
    return size.width <= options.WebSizeWidth && size.height <= options.WebSizeHeight;
}

struct CopyTask {
    std::string picture;
    fs::path source;
    fs::path copy;
    std::string stamp;
};

// Makes one copy; why not, when it could not be made.
std::optional<std::string> MakeCopy(const CopyTask &task, const WebSizeOptions &options,
                                    PixelSize &size)
{
    try {
        ResizeOptions resize;
        resize.boxWidth = options.WebSizeWidth;
        resize.boxHeight = options.WebSizeHeight;
        resize.quality = copyQuality;
        resize.comment = task.stamp;
        const ResizeResult result = ResizeJpeg(task.source, resize);
        if (!result.ok)
            return result.error;
        if (!WriteFileBytes(task.copy, result.jpeg))
            return "cannot write " + task.copy.string();
        size = result.size;
        return std::nullopt;
    } catch (const std::exception &error) {
        // Out of memory for one huge photo must not end the run.
        return std::string("failed: ") + error.what();
    }
}

} // namespace

namespace {

// What the stamp says of the photo: it changes whenever the photo does.
std::string SourceFacts(const fs::path &absolutePicture, std::uint64_t bytes,
                        fs::file_time_type modified)
{
    const auto nanoseconds =
        std::chrono::duration_cast<std::chrono::nanoseconds>(modified.time_since_epoch()).count();
    return "; bytes " + std::to_string(bytes) + "; modified " + std::to_string(nanoseconds) +
           "; from " + absolutePicture.lexically_normal().string();
}

} // namespace

std::string WebCopyStamp(const fs::path &absolutePicture, std::uint64_t bytes,
                         fs::file_time_type modified, const WebSizeOptions &options)
{
    using std::to_string;
    return std::string(stampVersion) + "; box " + to_string(options.WebSizeWidth) + 'x' +
           to_string(options.WebSizeHeight) + "; quality " + to_string(copyQuality) +
           SourceFacts(absolutePicture, bytes, modified);
}

bool IsWebCopyOf(const fs::path &copy, const fs::path &picture)
{
    std::error_code error;
    const fs::path absolute = fs::absolute(picture, error);
    const std::uintmax_t bytes = fs::file_size(absolute, error);
    if (error)
        return false;
    const fs::file_time_type modified = fs::last_write_time(absolute, error);
    if (error)
        return false;
    const std::optional<std::string> comment = ReadJpegComment(copy);
    return comment && comment->starts_with(stampVersion) &&
           comment->ends_with(SourceFacts(absolute, bytes, modified));
}

WebPictures MakeWebPictures(const WebPictureJob &job, PictureHeaderCache &headers, Events &events,
                            const std::function<bool(std::size_t, std::size_t)> &progress)
{
    WebPictures result;
    std::vector<std::string> paths;
    for (const std::string &picture : job.pictures) {
        paths.push_back(job.pictureDir + picture);
        paths.push_back(job.webDirectory + fs::path(picture).filename().string());
    }
    headers.ReadAhead(paths);

    std::vector<CopyTask> tasks;
    for (const std::string &picture : job.pictures) {
        const std::string source = job.pictureDir + picture;
        const std::optional<PixelSize> size = headers.DisplayedPictureSize(source);
        const auto facts = headers.Facts(source);
        if (!size || !facts) {
            result.problems.push_back(picture + ": cannot be read as a JPEG picture");
            continue;
        }
        if (FitsTheBox(*size, job.options)) {
            ++result.smallEnough;
            continue;
        }
        const std::string copy = job.webDirectory + fs::path(picture).filename().string();
        std::error_code error;
        const fs::path absolute = fs::absolute(source, error);
        const std::string stamp =
            WebCopyStamp(absolute, facts->bytes, facts->modified, job.options);
        const std::optional<std::string> comment =
            headers.Facts(copy) ? headers.JpegComment(copy) : std::nullopt;
        if (headers.Facts(copy) && !(comment && comment->starts_with(stampProgram))) {
            result.keptForeign.push_back(picture);
            continue;
        }
        if (comment == stamp) {
            if (const std::optional<PixelSize> copySize = headers.JpegSize(copy)) {
                result.copies[picture] = *copySize;
                ++result.upToDate;
                continue;
            }
        }
        tasks.push_back({picture, source, copy, stamp});
    }
    if (tasks.empty())
        return result;
    if (!progress(0, tasks.size())) {
        result.stopped = true;
        return result;
    }

    // The folder is a plain name below the pages' folder; as a link it could lead anywhere.
    const fs::path folder = fs::path(job.webDirectory).parent_path();
    if (!ResolvesInside(folder, folder.parent_path())) {
        for (const CopyTask &task : tasks)
            result.problems.push_back(task.picture + ": the folder " + folder.string() +
                                      " is a link that leads elsewhere");
        return result;
    }
    std::error_code error;
    fs::create_directories(folder, error);
    // A folder that leads back to the photos would have the copies replace them.
    for (CopyTask &task : tasks) {
        if (fs::equivalent(task.copy, task.source, error))
            task.stamp.clear();
    }

    std::vector<std::optional<std::string>> failures(tasks.size());
    std::vector<PixelSize> sizes(tasks.size());
    std::vector<char> started(tasks.size(), false);
    std::atomic<std::size_t> next{0};
    std::atomic<std::size_t> done{0};
    std::atomic<bool> stop{false};
    const unsigned cores =
        job.threadCount ? job.threadCount : std::max(1u, std::thread::hardware_concurrency());
    const auto workerCount = static_cast<unsigned>(std::min<std::size_t>(cores, tasks.size()));
    std::atomic<unsigned> working{workerCount};
    const auto worker = [&] {
        const auto stopped = [&] { return stop || (job.stopRequested && *job.stopRequested); };
        for (std::size_t k = next++; k < tasks.size() && !stopped(); k = next++) {
            started[k] = true;
            failures[k] = tasks[k].stamp.empty()
                              ? std::optional<std::string>("the copy would replace the photo")
                              : MakeCopy(tasks[k], job.options, sizes[k]);
            ++done;
        }
        --working;
    };
    {
        std::vector<std::jthread> threads;
        for (unsigned t = 0; t < workerCount; ++t)
            threads.emplace_back(worker);
        // Messages are handled at least once, so a window shows the progress it was told.
        for (std::size_t told = 0;;) {
            events.waitForMessages(passMs);
            const std::size_t now = done;
            if (now != told && !progress(now, tasks.size()))
                stop = true;
            told = now;
            if (working == 0)
                break;
        }
    }
    progress(done, tasks.size());
    headers = PictureHeaderCache();
    for (std::size_t k = 0; k < tasks.size(); ++k) {
        if (!started[k]) {
            result.stopped = true;
            continue;
        }
        if (failures[k]) {
            result.problems.push_back(tasks[k].picture + ": " + *failures[k]);
            continue;
        }
        result.copies[tasks[k].picture] = sizes[k];
        ++result.made;
    }
    return result;
}

} // namespace pagoranto

#include "thumbnailer/thumbnailrun.h"

#include "core/generator/pagenames.h"
#include "core/generator/webpictures.h"
#include "core/options/optionfile.h"
#include "core/options/thumbnailoptionsfile.h"
#include "core/pictures/exiforientation.h"
#include "core/pictures/jpegdecoder.h"
#include "core/pictures/jpegencoder.h"
#include "core/pictures/progressivedcdecoder.h"
#include "core/platform/pathcontainment.h"
#include "core/text/linefile.h"
#include "core/thumbnailer/thumbnailerlink.h"
#include "core/thumbnailer/thumbnailstamp.h"
#include "thumbnailer/filelist.h"
#include "thumbnailer/scopeguard.h"
#include "thumbnailer/thumbnailcomposer.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <map>
#include <mutex>
#include <system_error>
#include <thread>

namespace pagoranto {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t ddirLine = 3;

std::string Quoted(const fs::path &path)
{
    return "\"" + path.string() + "\"";
}

// The thumbnail directory, or why there is none. The reader drops what the name field would
// not take, so a DDIR such as "../x" would quietly become "x": it is refused instead, as is a
// destination that is not a full path.
std::optional<fs::path> ThumbnailDirectory(const fs::path &optionsFile,
                                           const ThumbnailerFile &values, std::string &why)
{
    const auto lines = ReadLineFile(optionsFile);
    if (!lines || lines->empty() || lines->front() != thumbnailerSectionLine) {
        why = Quoted(optionsFile) + " is not a thumbnailer option file";
        return std::nullopt;
    }
    const std::string sdir = StripTrailingBackslash(values.destinationDir);
    if (sdir.empty() || !fs::path(sdir).is_absolute()) {
        why = "destination directory (SDIR) \"" + values.destinationDir + "\" is not a full path";
        return std::nullopt;
    }
    if (lines->size() > ddirLine && lines->at(ddirLine).starts_with("DDIR=")) {
        const std::string ddir = StripTrailingBackslash(lines->at(ddirLine).substr(5));
        if (ddir != values.options.thumbdir) {
            why = "thumbnail directory (DDIR) \"" + ddir +
                  "\" is not a plain directory name of letters, digits, \"-\" and \"_\"";
            return std::nullopt;
        }
    }
    // Without a folder the thumbnails would overwrite the photos beside the pages.
    if (values.options.thumbdir.empty()) {
        why = "no thumbnail directory (DDIR) is given";
        return std::nullopt;
    }
    const fs::path directory = fs::path(sdir) / values.options.thumbdir;
    if (!ResolvesInside(directory, sdir)) {
        why = "the thumbnail directory " + Quoted(directory) +
              " is a link that leads outside the destination directory";
        return std::nullopt;
    }
    return directory;
}

struct Task {
    fs::path picture;
    fs::path thumbnail;
    // The entry whose thumbnail this entry's file name stands for: a later entry with the same
    // file name replaces it, as a one-by-one run would.
    std::size_t maker = 0;
};

bool SameFile(const fs::path &a, const fs::path &b)
{
    std::error_code error;
    return fs::equivalent(a, b, error);
}

} // namespace

std::optional<std::string> MakeThumbnail(const fs::path &picture, const fs::path &thumbnail,
                                         const ThumbnailOptions &options, const fs::path &webCopy,
                                         bool dcDecode)
{
    try {
        const std::optional<std::string> stamp = ThumbnailStamp(picture, options);
        if (!stamp)
            return "cannot read the picture";
        // The copy shows the photo upright at a fraction of its pixels; the stamp stays the
        // photo's, as the thumbnail shows the photo.
        const bool fromCopy = !webCopy.empty() && IsWebCopyOf(webCopy, picture);
        const fs::path &source = fromCopy ? webCopy : picture;
        const PhotoHeader header = ReadPhotoHeader(source);
        const std::optional<PixelSize> &size = header.displayedSize;
        if (!size)
            return "cannot read the picture's size";
        const PixelSize wanted = PlacedPictureSize(*size, options);
        const JpegDecodeResult decoded = DecodeDisplayedJpegFileToShrink(
            source, ChooseDecodeScale(*size, wanted), header.orientation, dcDecode);
        if (!decoded)
            return "cannot decode the picture: " + decoded.error;
        const RgbImage composed = ComposeThumbnail(*decoded.image, options);
        JpegEncodeOptions encoding;
        encoding.quality = options.ScrollBar1;
        encoding.greyscale = options.CheckBox1;
        encoding.comment = *stamp;
        const JpegEncodeResult written = EncodeJpegFile(thumbnail, ViewOf(composed), encoding);
        if (!written)
            return "cannot write the thumbnail " + Quoted(thumbnail) + ": " + written.error;
        return std::nullopt;
    } catch (const std::exception &error) {
        // Out of memory for one huge picture must not end the whole run.
        return std::string("failed: ") + error.what();
    }
}

ThumbnailRunReport MakeThumbnails(const fs::path &workingDirectory,
                                  const ThumbnailRunSettings &settings)
{
    const fs::path flag = workingDirectory / thumbnailerFlagFileName;
    const fs::path listFile = workingDirectory / thumbnailerFileListName;
    const fs::path optionsFile = workingDirectory / thumbnailerOptionsFileName;
    ThumbnailRunReport report;
    if (settings.handOverDigest &&
        HandOverDigest(optionsFile, listFile) != *settings.handOverDigest) {
        report.problems.push_back("the files in " + Quoted(workingDirectory) +
                                  " are not those of the run that started this thumbnailer; "
                                  "no thumbnails made");
        return report;
    }
    const ScopeGuard removeFlag([&flag] {
        std::error_code error;
        fs::remove(flag, error);
    });

    try {
        const auto pictures = ReadFileList(listFile);
        if (!pictures) {
            report.problems.push_back("cannot read the picture list " + Quoted(listFile));
            return report;
        }
        report.listed = pictures->size();
        if (pictures->empty())
            return report;

        ThumbnailerFile values;
        if (!ReadThumbnailerOptions(optionsFile, values)) {
            report.problems.push_back("cannot read the options " + Quoted(optionsFile));
            return report;
        }
        std::string why;
        const auto directory = ThumbnailDirectory(optionsFile, values, why);
        if (!directory) {
            report.problems.push_back(why + "; no thumbnails made");
            return report;
        }
        std::error_code error;
        fs::create_directories(*directory, error);
        if (!fs::is_directory(*directory, error)) {
            report.problems.push_back("cannot create the thumbnail directory " +
                                      Quoted(*directory));
            return report;
        }

        // Only a plain folder name below the destination, as the run names it.
        const fs::path webFolder =
            IsSafePageName(settings.webCopies)
                ? fs::path(StripTrailingBackslash(values.destinationDir)) / settings.webCopies
                : fs::path();
        std::vector<Task> tasks(pictures->size());
        std::vector<std::optional<std::string>> results(tasks.size());
        std::map<fs::path, std::size_t> lastWithName;
        for (std::size_t i = 0; i < tasks.size(); ++i) {
            tasks[i].picture = (*pictures)[i];
            const fs::path name = tasks[i].picture.filename();
            if (name.empty() || name == "." || name == "..") {
                results[i] = "no picture file name";
                continue;
            }
            tasks[i].thumbnail = *directory / name;
            if (SameFile(tasks[i].thumbnail, tasks[i].picture)) {
                results[i] = "the thumbnail would replace the picture itself";
                continue;
            }
            lastWithName[name] = i;
        }
        std::vector<std::size_t> work;
        for (std::size_t i = 0; i < tasks.size(); ++i) {
            if (results[i])
                continue;
            tasks[i].maker = lastWithName[tasks[i].picture.filename()];
            if (tasks[i].maker == i)
                work.push_back(i);
        }

        std::vector<char> upToDate(tasks.size(), false);
        std::vector<char> keptForeign(tasks.size(), false);
        std::atomic<std::size_t> nextTask{0};
        std::mutex progressLock;
        std::size_t done = 0;
        const auto worker = [&] {
            for (std::size_t k = nextTask++; k < work.size(); k = nextTask++) {
                const Task &task = tasks[work[k]];
                if (!settings.remakeAll &&
                    ThumbnailUpToDate(task.picture, task.thumbnail, values.options))
                    upToDate[work[k]] = true;
                else if (!settings.remakeAll && !settings.replaceForeign &&
                         IsForeignThumbnail(task.thumbnail))
                    keptForeign[work[k]] = true;
                else
                    results[work[k]] = MakeThumbnail(
                        task.picture, task.thumbnail, values.options,
                        webFolder.empty() ? fs::path() : webFolder / task.picture.filename(),
                        settings.dcDecode);
                if (settings.progress) {
                    const std::scoped_lock lock(progressLock);
                    settings.progress(++done, work.size());
                }
            }
        };
        const unsigned cores =
            settings.threadCount ? settings.threadCount : std::thread::hardware_concurrency();
        const std::size_t count =
            std::max<std::size_t>(1, std::min<std::size_t>(cores, work.size()));
        std::vector<std::jthread> threads;
        for (std::size_t t = 1; t < count; ++t)
            threads.emplace_back(worker);
        worker();
        threads.clear();

        for (std::size_t i = 0; i < tasks.size(); ++i) {
            const Task &task = tasks[i];
            if (!results[i] && task.maker != i) {
                const fs::path &maker = tasks[task.maker].picture;
                if (task.picture != maker && !SameFile(task.picture, maker))
                    results[i] = "its thumbnail " + Quoted(task.thumbnail) +
                                 " is replaced by that of " + Quoted(maker);
                else
                    results[i] = results[task.maker];
            }
            if (results[i])
                report.problems.push_back(Quoted(task.picture) + ": " + *results[i]);
            else if (upToDate[task.maker])
                ++report.upToDate;
            else if (keptForeign[task.maker])
                ++report.keptForeign;
            else
                ++report.made;
        }
    } catch (const std::exception &error) {
        report.problems.push_back(std::string("stopped: ") + error.what());
    }
    return report;
}

} // namespace pagoranto

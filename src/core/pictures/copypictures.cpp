#include "core/pictures/copypictures.h"

#include "core/pictures/exiforientation.h"
#include "core/pictures/jpegencoder.h"
#include "core/pictures/jpegsegments.h"
#include "core/pictures/losslessturn.h"
#include "core/pictures/photometadata.h"
#include "core/text/linefile.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace pagoranto {

namespace {

// Only a turn that cannot move whole blocks is encoded again; this quality keeps the loss out of
// sight.
constexpr int turnedCopyQuality = 95;

std::optional<std::string> TurnedByEncoding(std::string_view jpeg, int orientation)
{
    const JpegDecodeResult decoded = DecodeJpegBytes(jpeg);
    if (!decoded.image || !decoded.warning.empty())
        return std::nullopt;
    JpegEncodeOptions options;
    options.quality = turnedCopyQuality;
    JpegEncodeResult encoded =
        EncodeJpeg(ViewOf(OrientImage(*decoded.image, orientation)), options);
    if (!encoded)
        return std::nullopt;
    return std::move(encoded.jpeg);
}

std::string NumberedName(const std::string &name, int number)
{
    const std::string base = name.ends_with(".jpg") ? name.substr(0, name.size() - 4) : name;
    return base + " (" + std::to_string(number) + ").jpg";
}

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool IsPlainFileName(const std::string &name)
{
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos &&
           name.find('\0') == std::string::npos;
}

} // namespace

std::optional<PlainCopy> PlainCopyBytes(const std::filesystem::path &source)
{
    std::optional<std::string> bytes = ReadFileBytes(source);
    if (!bytes)
        return std::nullopt;
    const std::optional<JpegLayout> layout = ReadJpegLayout(*bytes);
    if (!layout)
        return PlainCopy{std::move(*bytes), "no JPEG picture"};
    if (!IsWholeJpeg(*bytes, *layout))
        return PlainCopy{WithoutGpsPosition(*bytes), "the picture is cut off"};
    const int orientation = ExifOrientationOf(*bytes);
    if (orientation == 1)
        return PlainCopy{WithoutGpsPosition(*bytes), {}};
    std::optional<std::string> turned = TurnLosslessly(*bytes, orientation);
    if (!turned)
        turned = TurnedByEncoding(*bytes, orientation);
    // A picture that does not decode cleanly keeps its orientation tag, which still turns it.
    if (!turned)
        return PlainCopy{WithoutGpsPosition(*bytes), "the picture is damaged"};
    return PlainCopy{WithPhotoMetadata(*turned, *bytes), {}};
}

CopyOutcome PutCopyFile(const std::filesystem::path &path, std::string_view bytes, bool overwrite)
{
    std::string temporary = path.string() + ".part-XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return CopyOutcome::failed;
    const bool written = WriteAll(fd, bytes);
    if (::close(fd) != 0 || !written) {
        ::unlink(temporary.c_str());
        return CopyOutcome::failed;
    }
    ::chmod(temporary.c_str(), 0644);
    CopyOutcome outcome = CopyOutcome::copied;
    if (overwrite) {
        if (::rename(temporary.c_str(), path.c_str()) != 0)
            outcome = CopyOutcome::failed;
    } else if (::link(temporary.c_str(), path.c_str()) != 0) {
        // A link refuses an existing name in one step; where links are not possible the
        // check and the rename are two.
        if (errno == EEXIST)
            outcome = CopyOutcome::existing;
        else if (::access(path.c_str(), F_OK) == 0)
            outcome = CopyOutcome::existing;
        else if (::rename(temporary.c_str(), path.c_str()) != 0)
            outcome = CopyOutcome::failed;
    }
    ::unlink(temporary.c_str());
    return outcome;
}

CopyOutcome CopyOnePicture(const std::filesystem::path &source,
                           const std::filesystem::path &destination, const CopyJob &job,
                           std::string &error, const std::function<void()> &resizing,
                           const std::function<void(int)> &encoding)
{
    std::error_code ignored;
    if (!job.overwrite &&
        std::filesystem::exists(std::filesystem::symlink_status(destination, ignored)))
        return CopyOutcome::existing;
    // Copying into the picture directory under the same name would put the copy in place of
    // the photo it is made from.
    if (std::filesystem::equivalent(source, destination, ignored)) {
        error = "the copy would replace its own original " + source.string();
        return CopyOutcome::failed;
    }
    if (job.resize) {
        if (resizing)
            resizing();
        const ResizeResult resized = ResizeJpeg(source, *job.resize, encoding);
        if (resized.ok) {
            const CopyOutcome outcome = PutCopyFile(destination, resized.jpeg, job.overwrite);
            return outcome == CopyOutcome::copied ? CopyOutcome::resized : outcome;
        }
        error = resized.error;
    }
    const std::optional<PlainCopy> copy = PlainCopyBytes(source);
    if (!copy) {
        error = "cannot read " + source.string();
        return CopyOutcome::failed;
    }
    const CopyOutcome outcome = PutCopyFile(destination, copy->bytes, job.overwrite);
    if (outcome == CopyOutcome::failed) {
        error = "cannot write " + destination.string();
        return outcome;
    }
    if (outcome == CopyOutcome::copied && !copy->damage.empty()) {
        error = copy->damage;
        return CopyOutcome::unreadable;
    }
    return outcome;
}

std::vector<PlannedCopy> PlanCopies(const CopyJob &job, int &copyNumber)
{
    std::vector<PlannedCopy> plan;
    plan.reserve(job.pictures.size());
    std::set<std::string> wanted;
    for (const std::string &picture : job.pictures) {
        if (UsesCopyNumber(job.naming.naming))
            copyNumber = StepCopyNumber(copyNumber, 1);
        plan.push_back({picture,
                        BuildCopyName(CopyBaseName(picture), job.naming, copyNumber),
                        copyNumber,
                        {}});
        wanted.insert(plan.back().newName);
    }
    std::set<std::string> given;
    for (PlannedCopy &copy : plan) {
        if (given.contains(copy.newName)) {
            copy.clashingName = copy.newName;
            int number = 2;
            while (wanted.contains(NumberedName(copy.clashingName, number)) ||
                   given.contains(NumberedName(copy.clashingName, number)))
                ++number;
            copy.newName = NumberedName(copy.clashingName, number);
        }
        given.insert(copy.newName);
    }
    return plan;
}

CopyOutcome CopyPlanned(const CopyJob &job, const PlannedCopy &copy, std::string &error,
                        const std::function<void()> &resizing,
                        const std::function<void(int)> &encoding)
{
    if (!IsPlainFileName(copy.picture) || !IsPlainFileName(copy.newName)) {
        error = "not a file name of the picture directory: " + copy.picture;
        return CopyOutcome::failed;
    }
    return CopyOnePicture(job.pictureDir / copy.picture, job.destinationDir / copy.newName, job,
                          error, resizing, encoding);
}

void CopyPictures(const CopyJob &job, int &copyNumber, const CopyEvents &events,
                  const std::atomic<bool> *stop)
{
    int plannedNumber = copyNumber;
    const std::vector<PlannedCopy> plan = PlanCopies(job, plannedNumber);
    for (std::size_t i = 0; i < plan.size(); ++i) {
        if (stop && stop->load())
            return;
        const int index = static_cast<int>(i);
        const PlannedCopy &copy = plan[i];
        if (UsesCopyNumber(job.naming.naming))
            copyNumber = copy.copyNumber;
        if (events.renamed && !copy.clashingName.empty())
            events.renamed(index, copy.clashingName, copy.newName);
        if (events.started)
            events.started(index, copy.copyNumber, copy.newName);
        std::string error;
        const CopyOutcome outcome = CopyPlanned(
            job, copy, error,
            [&] {
                if (events.resizing)
                    events.resizing(index);
            },
            [&](int percent) {
                if (events.encoding)
                    events.encoding(index, percent);
            });
        if (events.finished)
            events.finished(index, job.destinationDir / copy.newName, outcome, error);
    }
}

} // namespace pagoranto

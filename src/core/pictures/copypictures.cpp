#include "core/pictures/copypictures.h"

#include "core/pictures/exiforientation.h"
#include "core/pictures/jpegencoder.h"
#include "core/text/linefile.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pagoranto {

namespace {

// A turned photo has to be encoded again; this quality keeps the loss out of sight.
constexpr int turnedCopyQuality = 95;

// APP1 holds EXIF and XMP, APP13 the IPTC record: places, owners and camera facts.
bool CarriesPhotoFacts(unsigned char marker)
{
    return marker == 0xE1 || marker == 0xED;
}

std::string WithoutPhotoFacts(const std::string &bytes)
{
    const auto at = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const std::size_t n = bytes.size();
    if (n < 4 || at(0) != 0xFF || at(1) != 0xD8)
        return bytes;
    std::string result = bytes.substr(0, 2);
    std::size_t pos = 2;
    while (pos < n) {
        if (at(pos) != 0xFF)
            return bytes;
        std::size_t m = pos;
        while (m < n && at(m) == 0xFF)
            ++m;
        if (m >= n)
            return bytes;
        const unsigned char marker = at(m);
        // From the first scan on the stream holds no more header segments worth looking at.
        if (marker == 0xDA || marker == 0xD9) {
            result.append(bytes, pos, std::string::npos);
            return result;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
            result.append(bytes, pos, m + 1 - pos);
            pos = m + 1;
            continue;
        }
        if (m + 2 >= n)
            return bytes;
        const std::size_t length = (std::size_t(at(m + 1)) << 8) | at(m + 2);
        if (length < 2 || m + 1 + length > n)
            return bytes;
        const std::size_t end = m + 1 + length;
        if (!CarriesPhotoFacts(marker))
            result.append(bytes, pos, end - pos);
        pos = end;
    }
    return bytes;
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

std::optional<std::string> PlainCopyBytes(const std::filesystem::path &source)
{
    std::optional<std::string> bytes = ReadFileBytes(source);
    if (!bytes)
        return std::nullopt;
    const int orientation = ReadExifOrientation(source);
    if (orientation != 1) {
        const JpegDecodeResult decoded =
            DecodeDisplayedJpegFile(source, JpegScale::full, orientation);
        if (decoded.image) {
            JpegEncodeOptions options;
            options.quality = turnedCopyQuality;
            if (JpegEncodeResult encoded = EncodeJpeg(ViewOf(*decoded.image), options))
                return std::move(encoded.jpeg);
        }
    }
    return WithoutPhotoFacts(*bytes);
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
    const std::optional<std::string> bytes = PlainCopyBytes(source);
    if (!bytes) {
        error = "cannot read " + source.string();
        return CopyOutcome::failed;
    }
    const CopyOutcome outcome = PutCopyFile(destination, *bytes, job.overwrite);
    if (outcome == CopyOutcome::failed)
        error = "cannot write " + destination.string();
    return outcome;
}

PlannedCopy PlanCopy(const std::string &picture, const CopyNameOptions &naming, int &copyNumber)
{
    if (UsesCopyNumber(naming.naming))
        copyNumber = StepCopyNumber(copyNumber, 1);
    return {picture, BuildCopyName(CopyBaseName(picture), naming, copyNumber), copyNumber};
}

std::vector<PlannedCopy> PlanCopies(const CopyJob &job, int &copyNumber)
{
    std::vector<PlannedCopy> plan;
    plan.reserve(job.pictures.size());
    for (const std::string &picture : job.pictures)
        plan.push_back(PlanCopy(picture, job.naming, copyNumber));
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
    for (std::size_t i = 0; i < job.pictures.size(); ++i) {
        if (stop && stop->load())
            return;
        const int index = static_cast<int>(i);
        const PlannedCopy copy = PlanCopy(job.pictures[i], job.naming, copyNumber);
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

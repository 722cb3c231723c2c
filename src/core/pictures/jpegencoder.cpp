#include "core/pictures/jpegencoder.h"

#include "core/pictures/jpegerrormanager.h"
#include "core/text/linefile.h"

#include <algorithm>
#include <new>
#include <utility>

namespace pagoranto {

namespace {

// Collects the encoded bytes in a string. A failure to grow it is reported as the library's
// own error, because an exception must not pass through the library's frames.
struct StringDestination {
    jpeg_destination_mgr library{}; // first, so libjpeg's pointer to it also points to the whole
    std::string *bytes = nullptr;
    JOCTET buffer[16384]{};
};

StringDestination &DestinationOf(j_compress_ptr info)
{
    return *reinterpret_cast<StringDestination *>(info->dest);
}

bool Append(StringDestination &destination, std::size_t count) noexcept
{
    try {
        destination.bytes->append(reinterpret_cast<const char *>(destination.buffer), count);
        return true;
    } catch (const std::bad_alloc &) {
        return false;
    }
}

void StartDestination(j_compress_ptr info)
{
    StringDestination &destination = DestinationOf(info);
    destination.library.next_output_byte = destination.buffer;
    destination.library.free_in_buffer = sizeof destination.buffer;
}

boolean EmptyDestination(j_compress_ptr info)
{
    StringDestination &destination = DestinationOf(info);
    // libjpeg asks only when the buffer is full, whatever free_in_buffer says by then.
    if (!Append(destination, sizeof destination.buffer))
        FailJpeg(reinterpret_cast<j_common_ptr>(info), "Not enough memory for the JPEG data");
    StartDestination(info);
    return TRUE;
}

void EndDestination(j_compress_ptr info)
{
    StringDestination &destination = DestinationOf(info);
    if (!Append(destination, sizeof destination.buffer - destination.library.free_in_buffer))
        FailJpeg(reinterpret_cast<j_common_ptr>(info), "Not enough memory for the JPEG data");
}

// The library's state lives here, outside the function that calls setjmp, so the jump loses
// nothing of it and the destroy runs on every path, whether the library failed or not.
class Compression {
public:
    explicit Compression(std::string &bytes)
    {
        info.err = InstallJpegErrorManager(errors);
        destination.bytes = &bytes;
        destination.library.init_destination = StartDestination;
        destination.library.empty_output_buffer = EmptyDestination;
        destination.library.term_destination = EndDestination;
    }
    ~Compression() { jpeg_destroy_compress(&info); }
    Compression(const Compression &) = delete;
    Compression &operator=(const Compression &) = delete;

    jpeg_compress_struct info{};
    JpegErrorManager errors;
    // libjpeg calls the monitor with only the library's struct, which comes first here.
    struct Progress {
        jpeg_progress_mgr library{};
        const std::function<void(int)> *report = nullptr;
        int last = -1;
    } progress;
    StringDestination destination;
};

int Channels(PixelLayout layout)
{
    return layout == PixelLayout::rgb ? 3 : 1;
}

const char *Mismatch(const PixelView &pixels)
{
    if (pixels.width <= 0 || pixels.height <= 0)
        return "Picture without pixels";
    if (pixels.width > JPEG_MAX_DIMENSION || pixels.height > JPEG_MAX_DIMENSION)
        return "Picture too large for JPEG";
    const std::uint64_t needed = std::uint64_t(pixels.width) * std::uint64_t(pixels.height) *
                                 std::uint64_t(Channels(pixels.layout));
    if (pixels.pixels.size() != needed)
        return "Pixel data does not match the picture size";
    return nullptr;
}

// The one function that calls into libjpeg for writing. A failure inside the library (or in our
// destination) jumps back to the setjmp below, and the message is left in the error manager.
// Nothing the function changes after setjmp is used once the jump has come.
bool Compress(Compression &job, const PixelView &pixels, const JpegEncodeOptions &options,
              const std::function<void(int)> &progress)
{
    jpeg_compress_struct &info = job.info;
    if (setjmp(job.errors.jump) != 0)
        return false;

    jpeg_create_compress(&info);
    info.dest = &job.destination.library;
    info.image_width = static_cast<JDIMENSION>(pixels.width);
    info.image_height = static_cast<JDIMENSION>(pixels.height);
    const int channels = Channels(pixels.layout);
    info.input_components = channels;
    info.in_color_space = pixels.layout == PixelLayout::rgb ? JCS_RGB : JCS_GRAYSCALE;
    jpeg_set_defaults(&info);
    if (options.greyscale)
        jpeg_set_colorspace(&info, JCS_GRAYSCALE);
    jpeg_set_quality(&info, std::clamp(options.quality, 1, 100), TRUE);
    info.smoothing_factor = std::clamp(options.smoothing, 0, 100);
    if (options.progressive)
        jpeg_simple_progression(&info);
    if (progress) {
        job.progress.report = &progress;
        job.progress.library.progress_monitor = [](j_common_ptr common) {
            auto *monitor = reinterpret_cast<Compression::Progress *>(common->progress);
            const jpeg_progress_mgr &at = monitor->library;
            if (at.pass_limit <= 0 || at.total_passes <= 0)
                return;
            const long done = at.completed_passes * 100L + at.pass_counter * 100L / at.pass_limit;
            const int percent = static_cast<int>(std::clamp(done / at.total_passes, 0L, 100L));
            if (percent != monitor->last) {
                monitor->last = percent;
                (*monitor->report)(percent);
            }
        };
        info.progress = &job.progress.library;
    }

    jpeg_start_compress(&info, TRUE);
    if (!options.comment.empty()) {
        const std::size_t length = std::min<std::size_t>(options.comment.size(), 65533);
        jpeg_write_marker(&info, JPEG_COM, reinterpret_cast<const JOCTET *>(options.comment.data()),
                          static_cast<unsigned>(length));
    }
    const std::size_t rowBytes = std::size_t(pixels.width) * std::size_t(channels);
    while (info.next_scanline < info.image_height) {
        // libjpeg only reads the rows it is given, though its type says otherwise.
        JSAMPROW row = const_cast<JSAMPLE *>(pixels.pixels.data() + info.next_scanline * rowBytes);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    if (progress && job.progress.last != 100)
        progress(100);
    return true;
}

JpegEncodeResult Failure(std::string error)
{
    JpegEncodeResult result;
    result.error = std::move(error);
    return result;
}

} // namespace

PixelView ViewOf(const RgbImage &image)
{
    return PixelView{image.width, image.height, PixelLayout::rgb, image.rgb};
}

JpegEncodeResult EncodeJpeg(const PixelView &pixels, const JpegEncodeOptions &options)
{
    return EncodeJpeg(pixels, options, {});
}

JpegEncodeResult EncodeJpeg(const PixelView &pixels, const JpegEncodeOptions &options,
                            const std::function<void(int)> &progress)
{
    if (const char *mismatch = Mismatch(pixels))
        return Failure(mismatch);
    JpegEncodeResult result;
    {
        Compression job(result.jpeg);
        if (!Compress(job, pixels, options, progress))
            return Failure(job.errors.message);
    }
    result.ok = true;
    return result;
}

JpegEncodeResult EncodeJpegFile(const std::filesystem::path &path, const PixelView &pixels,
                                const JpegEncodeOptions &options)
{
    JpegEncodeResult result = EncodeJpeg(pixels, options);
    if (!result)
        return result;
    if (!WriteFileBytes(path, result.jpeg))
        return Failure("Cannot write " + path.string());
    result.jpeg.clear();
    return result;
}

} // namespace pagoranto

#include "core/pictures/jpegdecoder.h"

#include "core/pictures/jpegerrormanager.h"
#include "core/text/linefile.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <jerror.h>
#include <memory>
#include <mutex>
#include <new>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace pagoranto {

namespace {

// A damaged header can claim a picture far larger than its file: refuse it before allocating.
constexpr std::uint64_t maxOutputPixels = 400'000'000;
// Bounds the library's own buffers; a progressive picture is held whole while its scans arrive.
constexpr long maxLibraryMemory = 2L * 1024 * 1024 * 1024;
// Real progressive pictures have about ten scans. A damaged one with thousands of tiny scans
// would take practically forever, as every scan passes over the whole picture.
constexpr int maxScans = 1000;

// A progressive (or otherwise multi-scan) picture is held whole as coefficients while its scans
// arrive, whatever the output scale: three bytes a pixel, 36 MB for 12 megapixels. Only one such
// decode runs at a time in the process; single-scan pictures, which need a few rows, go on beside.
std::mutex wholeImageDecode;

struct FileCloser {
    void operator()(std::FILE *file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

struct Input {
    std::FILE *file = nullptr;
    std::string_view bytes;
    jpeg_source_mgr *source = nullptr;
};

struct FileDescriptor {
    explicit FileDescriptor(int opened) : fd(opened) {}
    ~FileDescriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;
    int fd;
};

j_common_ptr Common(jpeg_decompress_struct &info)
{
    return reinterpret_cast<j_common_ptr>(&info);
}

// Reads the file in large pieces as the decoder asks, keeping every byte in the head, so what
// the header reading read is there for the other header questions. The end of the file is
// handled as libjpeg's own file source does: an empty file fails, a file that ends early gets
// an end-of-image marker and a warning.
class HeadSource {
public:
    HeadSource(int fd, JpegHead &head) : m_fd(fd), m_head(head)
    {
        manager.init_source = [](j_decompress_ptr) {};
        manager.fill_input_buffer = Fill;
        manager.skip_input_data = Skip;
        manager.resync_to_restart = jpeg_resync_to_restart;
        manager.term_source = [](j_decompress_ptr) {};
    }

    jpeg_source_mgr manager{}; // first, so the library's pointer to it also points to the whole

private:
    // Most headers end within the first few kilobytes; a camera's EXIF block can take 64 more.
    static constexpr std::size_t firstPieceBytes = 4096;
    static constexpr std::size_t pieceBytes = 65536;
    static constexpr std::size_t maxKeptBytes = 1024 * 1024;
    static constexpr JOCTET endOfImage[2] = {0xFF, JPEG_EOI};

    static boolean Fill(j_decompress_ptr info)
    {
        HeadSource &self = *reinterpret_cast<HeadSource *>(info->src);
        if (self.m_ended)
            return self.EndOfImage(info);
        // Past the bound the pieces are read into a buffer of their own and no longer kept.
        std::string &bytes =
            self.m_head.bytes.size() < maxKeptBytes ? self.m_head.bytes : self.m_beyond;
        const std::size_t before = &bytes == &self.m_beyond ? 0 : bytes.size();
        const std::size_t wanted = bytes.empty() ? firstPieceBytes : pieceBytes;
        bytes.resize(before + wanted);
        ssize_t count;
        do
            count = ::read(self.m_fd, bytes.data() + before, wanted);
        while (count < 0 && errno == EINTR);
        bytes.resize(before + static_cast<std::size_t>(std::max<ssize_t>(count, 0)));
        if (count <= 0) {
            self.m_ended = true;
            self.m_head.wholeFile = count == 0 && self.m_beyond.empty();
            if (self.m_head.bytes.empty())
                FailJpeg(Common(*info), "Empty input file");
            return self.EndOfImage(info);
        }
        self.manager.next_input_byte = reinterpret_cast<const JOCTET *>(bytes.data() + before);
        self.manager.bytes_in_buffer = static_cast<std::size_t>(count);
        return TRUE;
    }

    boolean EndOfImage(j_decompress_ptr info)
    {
        WARNMS(info, JWRN_JPEG_EOF);
        manager.next_input_byte = endOfImage;
        manager.bytes_in_buffer = sizeof endOfImage;
        return TRUE;
    }

    static void Skip(j_decompress_ptr info, long count)
    {
        jpeg_source_mgr &manager = *info->src;
        while (count > static_cast<long>(manager.bytes_in_buffer)) {
            count -= static_cast<long>(manager.bytes_in_buffer);
            Fill(info);
        }
        if (count > 0) {
            manager.next_input_byte += count;
            manager.bytes_in_buffer -= static_cast<std::size_t>(count);
        }
    }

    int m_fd;
    JpegHead &m_head;
    std::string m_beyond;
    bool m_ended = false;
};

// The library's state lives here, outside the function that calls setjmp, so the jump loses
// nothing of it and the destroy runs on every path, whether the library failed or not.
class Decompression {
public:
    Decompression() { info.err = InstallJpegErrorManager(errors); }
    ~Decompression() { jpeg_destroy_decompress(&info); }
    Decompression(const Decompression &) = delete;
    Decompression &operator=(const Decompression &) = delete;

    jpeg_decompress_struct info{};
    JpegErrorManager errors;
    jpeg_progress_mgr progress{};
    // Held from the start of a whole-image decode until the destructor has freed its buffers;
    // here rather than in Decompress, which a failure leaves by a jump that runs no destructors.
    std::unique_lock<std::mutex> wholeImageTurn;
};

void LimitScans(j_common_ptr common)
{
    if (reinterpret_cast<j_decompress_ptr>(common)->input_scan_number > maxScans)
        FailJpeg(common, "Too many scans in a progressive JPEG");
}

bool Allocate(std::vector<std::uint8_t> &bytes, std::uint64_t size) noexcept
{
    try {
        bytes.assign(size, 0);
        return true;
    } catch (const std::bad_alloc &) {
        return false;
    }
}

// Adobe writes inks inverted (255 is no ink), as nearly every CMYK JPEG does; libjpeg hands the
// values on as stored.
void InksToRgb(const JSAMPLE *inks, std::uint8_t *rgb, JDIMENSION width, bool inverted)
{
    for (JDIMENSION x = 0; x < width; ++x, inks += 4, rgb += 3) {
        const int black = inverted ? inks[3] : 255 - inks[3];
        for (int channel = 0; channel < 3; ++channel) {
            const int paper = inverted ? inks[channel] : 255 - inks[channel];
            rgb[channel] = static_cast<std::uint8_t>((paper * black + 127) / 255);
        }
    }
}

// The one function that calls into libjpeg for reading. A failure inside the library (or one
// of ours reported through FailJpeg) jumps back to the setjmp below, and the message is left in
// the error manager. Nothing the function changes after setjmp is used once the jump has come.
bool Decompress(Decompression &job, const Input &input, JpegScale scale, bool headerOnly,
                RgbImage &image)
{
    jpeg_decompress_struct &info = job.info;
    if (setjmp(job.errors.jump) != 0)
        return false;

    jpeg_create_decompress(&info);
    info.mem->max_memory_to_use = maxLibraryMemory;
    job.progress.progress_monitor = LimitScans;
    info.progress = &job.progress;
    if (input.source)
        info.src = input.source;
    else if (input.file)
        jpeg_stdio_src(&info, input.file);
    else
        jpeg_mem_src(&info, reinterpret_cast<const unsigned char *>(input.bytes.data()),
                     static_cast<unsigned long>(input.bytes.size()));
    jpeg_read_header(&info, TRUE);
    image.width = static_cast<int>(info.image_width);
    image.height = static_cast<int>(info.image_height);
    if (headerOnly)
        return true;

    bool inks = false;
    switch (info.jpeg_color_space) {
    case JCS_GRAYSCALE:
    case JCS_RGB:
    case JCS_YCbCr:
        break;
    case JCS_CMYK:
    case JCS_YCCK:
        inks = true;
        break;
    default:
        FailJpeg(Common(info), "Unsupported JPEG colour space");
    }
    info.out_color_space = inks ? JCS_CMYK : JCS_RGB;
    info.scale_num = 1;
    info.scale_denom = static_cast<unsigned int>(scale);
    jpeg_calc_output_dimensions(&info);
    const std::uint64_t pixels = std::uint64_t{info.output_width} * info.output_height;
    if (pixels > maxOutputPixels)
        FailJpeg(Common(info), "Picture too large to decode");
    if (!Allocate(image.rgb, pixels * 3))
        FailJpeg(Common(info), "Not enough memory for the picture");
    image.width = static_cast<int>(info.output_width);
    image.height = static_cast<int>(info.output_height);

    if (jpeg_has_multiple_scans(&info))
        job.wholeImageTurn = std::unique_lock(wholeImageDecode);
    jpeg_start_decompress(&info);
    const std::size_t rowBytes = std::size_t{info.output_width} * 3;
    JSAMPARRAY inkRow =
        inks ? (*info.mem->alloc_sarray)(Common(info), JPOOL_IMAGE, info.output_width * 4, 1)
             : nullptr;
    while (info.output_scanline < info.output_height) {
        std::uint8_t *target = image.rgb.data() + info.output_scanline * rowBytes;
        JSAMPROW row = inks ? inkRow[0] : target;
        // Our sources never suspend, so a row that does not come would never come.
        if (jpeg_read_scanlines(&info, &row, 1) != 1)
            FailJpeg(Common(info), "JPEG data stopped coming");
        if (inks)
            InksToRgb(inkRow[0], target, info.output_width, info.saw_Adobe_marker);
    }
    return true;
}

JpegDecodeResult Decode(const Input &input, JpegScale scale)
{
    JpegDecodeResult result;
    RgbImage image;
    Decompression job;
    const bool decoded = Decompress(job, input, scale, false, image);
    if (job.errors.library.num_warnings > 0)
        result.warning = job.errors.firstWarning;
    if (!decoded) {
        result.error = job.errors.message;
        return result;
    }
    result.image = std::move(image);
    return result;
}

} // namespace

JpegDecodeResult DecodeJpegFile(const std::filesystem::path &path, JpegScale scale)
{
    const FileHandle file(IsRegularFile(path) ? std::fopen(path.c_str(), "rb") : nullptr);
    if (!file) {
        JpegDecodeResult result;
        result.error = "Cannot open " + path.string();
        return result;
    }
    return Decode(Input{file.get(), {}}, scale);
}

JpegDecodeResult DecodeJpegBytes(std::string_view jpeg, JpegScale scale)
{
    return Decode(Input{nullptr, jpeg}, scale);
}

std::optional<PixelSize> ReadPictureSize(const std::filesystem::path &path)
{
    std::optional<JpegHead> head = ReadJpegHead(path);
    return head ? head->storedSize : std::nullopt;
}

std::optional<JpegHead> ReadJpegHead(const std::filesystem::path &path)
{
    return ReadJpegHeadAt(AT_FDCWD, path.c_str());
}

std::optional<JpegHead> ReadJpegHeadAt(int folder, const char *name)
{
    // Opened without waiting, so a FIFO put in the picture's place cannot block the open itself.
    const FileDescriptor file(::openat(folder, name, O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat status {};
    if (file.fd < 0 || ::fstat(file.fd, &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    JpegHead head;
    head.fileBytes = static_cast<std::uint64_t>(status.st_size);
    // The clock's conversion, so the time equals what std::filesystem::last_write_time gives.
    head.modified =
        std::chrono::file_clock::from_sys(std::chrono::sys_time<std::chrono::nanoseconds>(
            std::chrono::seconds(status.st_mtim.tv_sec) +
            std::chrono::nanoseconds(status.st_mtim.tv_nsec)));
    HeadSource source(file.fd, head);
    RgbImage header;
    Decompression job;
    if (Decompress(job, Input{nullptr, {}, &source.manager}, JpegScale::full, true, header))
        head.storedSize = PixelSize{header.width, header.height};
    return head;
}

} // namespace pagoranto

#include "core/pictures/jpegdecoder.h"

#include "core/pictures/jpegerrormanager.h"
#include "core/text/linefile.h"

#include <cstdio>
#include <memory>
#include <mutex>
#include <new>
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

j_common_ptr Common(jpeg_decompress_struct &info)
{
    return reinterpret_cast<j_common_ptr>(&info);
}

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
    if (input.file)
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
    if (!Decompress(job, input, scale, false, image)) {
        result.error = job.errors.message;
        return result;
    }
    if (job.errors.library.num_warnings > 0)
        result.warning = job.errors.firstWarning;
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
    const FileHandle file(IsRegularFile(path) ? std::fopen(path.c_str(), "rb") : nullptr);
    if (!file)
        return std::nullopt;
    RgbImage header;
    Decompression job;
    if (!Decompress(job, Input{file.get(), {}}, JpegScale::full, true, header))
        return std::nullopt;
    return PixelSize{header.width, header.height};
}

} // namespace pagoranto

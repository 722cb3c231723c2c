#pragma once

#include "core/pictures/jpegerrormanager.h"
#include "core/pictures/rgbimage.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace pagoranto::testing {

// The ways of storing a picture that the engine's own encoder does not offer, written by
// libjpeg itself: sampling, restart intervals, scan scripts, arithmetic coding, no JFIF segment.
struct Encoding {
    int components = 3;
    int lumaH = 2; // the chroma components are stored 1x1
    int lumaV = 2;
    int restartInterval = 0;
    bool progressive = true;
    bool separateDcScans = false; // one DC scan a component instead of one for all
    // AC in bands split differently for each component, refined over other bands
    bool splitBands = false;
    bool arithmetic = false;
    bool jfif = true;
    bool storedAsRgb = false; // RGB components with Adobe's segment, no YCbCr
    int quality = 85;
};

namespace libjpegdetail {

struct Compression {
    jpeg_compress_struct info{};
    JpegErrorManager errors;
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    std::vector<jpeg_scan_info> scans;
};

inline bool Compress(Compression &job, const RgbImage &image, const Encoding &encoding)
{
    jpeg_compress_struct &info = job.info;
    if (setjmp(job.errors.jump) != 0)
        return false;
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &job.buffer, &job.size);
    info.image_width = JDIMENSION(image.width);
    info.image_height = JDIMENSION(image.height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    if (encoding.components == 1)
        jpeg_set_colorspace(&info, JCS_GRAYSCALE);
    if (encoding.storedAsRgb)
        jpeg_set_colorspace(&info, JCS_RGB);
    jpeg_set_quality(&info, encoding.quality, TRUE);
    info.comp_info[0].h_samp_factor = encoding.lumaH;
    info.comp_info[0].v_samp_factor = encoding.lumaV;
    info.restart_interval = static_cast<unsigned int>(encoding.restartInterval);
    info.arith_code = encoding.arithmetic ? TRUE : FALSE;
    info.write_JFIF_header = encoding.jfif ? TRUE : FALSE;
    if (encoding.progressive)
        jpeg_simple_progression(&info);
    if (encoding.separateDcScans && encoding.components == 3) {
        // DC in two steps of successive approximation, each component on its own, then AC.
        for (int c = 0; c < 3; ++c)
            job.scans.push_back({1, {c}, 0, 0, 0, 2});
        for (int c = 0; c < 3; ++c)
            job.scans.push_back({1, {c}, 1, 63, 0, 0});
        for (int c = 2; c >= 0; --c)
            job.scans.push_back({1, {c}, 0, 0, 2, 1});
        job.scans.push_back({3, {0, 1, 2}, 0, 0, 1, 0});
        info.scan_info = job.scans.data();
        info.num_scans = int(job.scans.size());
    }
    if (encoding.splitBands && encoding.components == 3) {
        job.scans = {
            {3, {0, 1, 2}, 0, 0, 0, 1}, {1, {0}, 1, 63, 0, 2}, {1, {1}, 1, 2, 0, 2},
            {1, {1}, 3, 63, 0, 2},      {1, {2}, 1, 9, 0, 0},  {1, {2}, 10, 63, 0, 0},
            {1, {0}, 1, 63, 2, 1},      {1, {1}, 1, 63, 2, 1}, {1, {1}, 1, 63, 1, 0},
            {3, {0, 1, 2}, 0, 0, 1, 0}, {1, {0}, 1, 63, 1, 0},
        };
        info.scan_info = job.scans.data();
        info.num_scans = int(job.scans.size());
    }
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPLE *>(
            &image.rgb[std::size_t(info.next_scanline) * std::size_t(image.width) * 3]);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    return true;
}

} // namespace libjpegdetail

// The JPEG bytes, or empty with the library's message in error.
inline std::string EncodeWithLibjpeg(const RgbImage &image, const Encoding &encoding,
                                     std::string *error = nullptr)
{
    libjpegdetail::Compression job;
    job.info.err = InstallJpegErrorManager(job.errors);
    std::string jpeg;
    if (libjpegdetail::Compress(job, image, encoding))
        jpeg.assign(reinterpret_cast<const char *>(job.buffer), job.size);
    jpeg_destroy_compress(&job.info);
    std::free(job.buffer);
    if (error)
        *error = job.errors.message;
    return jpeg;
}

} // namespace pagoranto::testing

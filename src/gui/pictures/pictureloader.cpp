#include "gui/pictures/pictureloader.h"

#include "core/pictures/exiforientation.h"
#include "core/pictures/previewsize.h"
#include "core/pictures/resample.h"

#include <QMetaObject>
#include <QPointer>

namespace pagoranto {

QImage DecodeDisplayedPicture(const std::filesystem::path &file, const PictureLoader::Fit &fit,
                              PixelSize *displayed)
{
    const PhotoHeader header = ReadPhotoHeader(file);
    if (!header.displayedSize)
        return {};
    if (displayed)
        *displayed = *header.displayedSize;
    const PixelSize shown = fit ? fit(*header.displayedSize) : *header.displayedSize;
    if (shown.width <= 0 || shown.height <= 0)
        return {};
    const JpegDecodeResult decoded = DecodeDisplayedJpegFile(
        file, PreviewDecodeScale(*header.displayedSize, shown), header.orientation);
    if (!decoded.image)
        return {};
    const RgbImage scaled =
        decoded.image->width == shown.width && decoded.image->height == shown.height
            ? *decoded.image
            : Resample(*decoded.image, shown.width, shown.height);
    if (scaled.rgb.empty())
        return {};
    return QImage(scaled.rgb.data(), scaled.width, scaled.height, scaled.width * 3,
                  QImage::Format_RGB888)
        .copy();
}

PictureLoader::PictureLoader(QObject *parent) : QObject(parent)
{
    m_pool.setMaxThreadCount(1);
}

PictureLoader::~PictureLoader()
{
    m_pool.clear();
    m_pool.waitForDone();
}

void PictureLoader::Load(const std::filesystem::path &path, Fit fit)
{
    const std::uint64_t request = ++m_request;
    // Requests not started yet are out of date now.
    m_pool.clear();
    m_pool.start([this, request, path, fit = std::move(fit)] {
        PixelSize displayed;
        QImage image = DecodeDisplayedPicture(path, fit, &displayed);
        QMetaObject::invokeMethod(
            this,
            [this, request, image = std::move(image), displayed] {
                if (request == m_request)
                    emit loaded(image, displayed);
            },
            Qt::QueuedConnection);
    });
}

void PictureLoader::Cancel()
{
    ++m_request;
    m_pool.clear();
}

void PictureLoader::WaitForIdle()
{
    m_pool.waitForDone();
}

} // namespace pagoranto

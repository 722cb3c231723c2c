#include "gui/pictures/filelistpreview.h"

#include "core/pictures/exiforientation.h"
#include "core/pictures/jpegdecoder.h"
#include "core/pictures/previewsize.h"

#include <QImage>
#include <QPixmap>

namespace pagoranto {

FileListPreview::FileListPreview(QWidget *parent) : QLabel(parent)
{
    setFixedSize(previewWidth + 2 * frameWidth() + 4, previewHeight + 2 * frameWidth() + 4);
    setFrameShape(QFrame::StyledPanel);
    setAlignment(Qt::AlignCenter);
}

bool FileListPreview::showPicture(const std::filesystem::path &file)
{
    clearPicture();
    const PhotoHeader header = ReadPhotoHeader(file);
    const std::optional<PixelSize> &size = header.displayedSize;
    if (size) {
        const PixelSize shown = PicturePreviewSize(*size);
        const JpegDecodeResult decoded =
            DecodeDisplayedJpegFile(file, PreviewDecodeScale(*size, shown), header.orientation);
        if (decoded && shown.width > 0 && shown.height > 0) {
            const RgbImage &image = *decoded.image;
            const QImage view(image.rgb.data(), image.width, image.height, image.width * 3,
                              QImage::Format_RGB888);
            const QImage scaled = view.scaled(shown.width, shown.height, Qt::IgnoreAspectRatio,
                                              Qt::SmoothTransformation);
            setPixmap(QPixmap::fromImage(scaled));
            m_shownSize = QSize(shown.width, shown.height);
            return true;
        }
    }
    setText(QStringLiteral("Image not found !"));
    return false;
}

void FileListPreview::clearPicture()
{
    clear();
    m_shownSize = QSize();
}

} // namespace pagoranto

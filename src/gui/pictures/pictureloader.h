#pragma once

#include "core/pictures/pixelsize.h"

#include <QImage>
#include <QObject>
#include <QString>
#include <QThreadPool>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>

namespace pagoranto {

// Decodes photos on a worker thread, turned as displayed, and hands them back on the window's
// thread. Only the answer to the latest request is delivered, so a window that changes
// pictures quickly never shows an older one last.
class PictureLoader : public QObject {
    Q_OBJECT

public:
    // The size to show a photo of the given displayed size at; empty: its natural size.
    using Fit = std::function<PixelSize(PixelSize displayed)>;

    explicit PictureLoader(QObject *parent = nullptr);
    ~PictureLoader() override;

    // A failed decode reports a null image.
    void Load(const std::filesystem::path &path, Fit fit = {});
    // Forgets the outstanding request.
    void Cancel();
    // Waits until the worker is idle (for tests and for closing).
    void WaitForIdle();

signals:
    // image is scaled to the fit; displayed is the photo's own size as displayed.
    void loaded(const QImage &image, PixelSize displayed);

private:
    QThreadPool m_pool;
    std::uint64_t m_request = 0;
};

// The photo as displayed, decoded at the strongest reduction that still gives at least the
// shown size and scaled to it; a null image when it cannot be read.
QImage DecodeDisplayedPicture(const std::filesystem::path &file, const PictureLoader::Fit &fit,
                              PixelSize *displayed = nullptr);

} // namespace pagoranto

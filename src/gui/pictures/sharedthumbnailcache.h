#pragma once

#include "core/pictures/pixelsize.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <filesystem>

namespace pagoranto {

// Previews shared with the desktop, as the freedesktop.org Thumbnail Managing Standard keeps
// them: PNG files of at most 128 x 128 in "normal", named by the MD5 of the photo's URI and
// carrying that URI and the photo's modification time, so file managers and this program draw
// each other's previews and a changed photo is known by its time.
class SharedThumbnailCache {
public:
    static constexpr int normalSize = 128;

    using MediumCheck = bool (*)(const std::filesystem::path &folder);

    // thumbnailsFolder holds "normal"; Default() is the user's.
    explicit SharedThumbnailCache(std::filesystem::path thumbnailsFolder,
                                  MediumCheck readOnlyMedium = OnReadOnlyFileSystem);
    // $XDG_CACHE_HOME/thumbnails, or ~/.cache/thumbnails when that is unset or not absolute.
    static SharedThumbnailCache Default();

    const std::filesystem::path &folder() const { return m_folder; }
    std::filesystem::path EntryFile(const std::filesystem::path &photo) const;

    // The preview of the photo (an absolute path) as displayed; a null image when there is
    // none, or it belongs to another file or to an older state of this one.
    QImage Read(const std::filesystem::path &photo) const;

    // Whether a preview of this photo may be stored: not for files inside the cache itself,
    // whose previews would breed previews, nor on a read-only file system, whose photos the
    // standard leaves to the medium's own previews.
    bool MayWrite(const std::filesystem::path &photo) const;
    // Stores the preview (already fitted into normalSize) for the photo as it is now, written
    // whole under another name and renamed, readable by the user alone. False when not written.
    bool Write(const std::filesystem::path &photo, const QImage &preview) const;

    static bool OnReadOnlyFileSystem(const std::filesystem::path &folder);

private:
    std::filesystem::path m_folder;
    MediumCheck m_readOnlyMedium;
};

// The photo's URI as GLib writes it for the desktop: "file://" and the path's bytes, where
// bytes outside the characters a path may hold plainly are percent-encoded in upper case.
QByteArray FileUri(const std::filesystem::path &absolutePath);
// The name of a URI's entry: its MD5 in lower-case hex and ".png".
QString ThumbnailFileName(const QByteArray &uri);
// The size of a photo's entry: fitted into normalSize x normalSize, never enlarged.
PixelSize NormalThumbnailSize(PixelSize photo);

} // namespace pagoranto

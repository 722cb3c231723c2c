#include "gui/pictures/tiledecodejob.h"

#include "core/pictures/embeddedpreview.h"
#include "core/pictures/resample.h"
#include "core/pictures/thumbnailtile.h"

#include <algorithm>

namespace pagoranto {

namespace {

// The engine's rows have no padding; QImage's are 4-byte aligned, hence the copies.
QImage ToQImage(const RgbImage &image)
{
    return QImage(image.rgb.data(), image.width, image.height, image.width * 3,
                  QImage::Format_RGB888)
        .copy();
}

RgbImage ToRgbImage(const QImage &image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    RgbImage result{rgb.width(), rgb.height(), {}};
    result.rgb.resize(std::size_t(rgb.width()) * rgb.height() * 3);
    for (int y = 0; y < rgb.height(); ++y)
        std::copy_n(rgb.constScanLine(y), std::size_t(rgb.width()) * 3,
                    result.rgb.begin() + std::ptrdiff_t(y) * rgb.width() * 3);
    return result;
}

// A decode that gave at least the entry's size is worth sharing; a smaller one would show
// blurred in the file manager, and such small photos decode quickly anyway.
void Share(const SharedThumbnailCache &cache, const std::filesystem::path &file,
           const RgbImage &decoded, PixelSize photo)
{
    const PixelSize entry = NormalThumbnailSize(photo);
    if (entry.width <= 0 || decoded.width < entry.width || decoded.height < entry.height ||
        !cache.MayWrite(file))
        return;
    const RgbImage reduced = decoded.width == entry.width && decoded.height == entry.height
                                 ? decoded
                                 : Resample(decoded, entry.width, entry.height);
    if (!reduced.rgb.empty())
        cache.Write(file, ToQImage(reduced));
}

} // namespace

TileDecodeJob::TileDecodeJob(std::vector<std::filesystem::path> files, std::size_t lookahead,
                             std::function<void()> tileReady,
                             std::optional<SharedThumbnailCache> cache)
    : m_files(std::move(files)), m_cache(std::move(cache)), m_tiles(m_files.size()),
      m_lookahead(std::max<std::size_t>(lookahead, 1)), m_tileReady(std::move(tileReady))
{
}

void TileDecodeJob::Work()
{
    for (;;) {
        std::size_t index = 0;
        {
            std::unique_lock lock(m_mutex);
            m_room.wait(lock, [this] {
                return m_cancelled || m_nextToClaim >= m_files.size() ||
                       m_nextToClaim < m_taken + m_lookahead;
            });
            if (m_cancelled || m_nextToClaim >= m_files.size())
                return;
            index = m_nextToClaim++;
        }
        Tile tile = DecodeTile(m_files[index], m_cache);
        {
            std::lock_guard lock(m_mutex);
            if (m_cancelled)
                return;
            m_tiles[index] = std::move(tile);
        }
        m_stored.notify_all();
        if (m_tileReady)
            m_tileReady();
    }
}

std::optional<TileDecodeJob::Tile>
TileDecodeJob::TakeTile(std::size_t index, std::chrono::steady_clock::time_point waitUntil)
{
    std::optional<Tile> tile;
    {
        std::unique_lock lock(m_mutex);
        if (index >= m_tiles.size())
            return std::nullopt;
        m_stored.wait_until(lock, waitUntil,
                            [&] { return m_cancelled || m_tiles[index].has_value(); });
        if (!m_tiles[index])
            return std::nullopt;
        tile = std::move(m_tiles[index]);
        m_tiles[index].reset();
        m_taken = std::max(m_taken, index + 1);
    }
    m_room.notify_all();
    return tile;
}

void TileDecodeJob::Cancel()
{
    {
        std::lock_guard lock(m_mutex);
        m_cancelled = true;
    }
    m_room.notify_all();
    m_stored.notify_all();
}

TileDecodeJob::Tile TileDecodeJob::DecodeTile(const std::filesystem::path &file,
                                              const std::optional<SharedThumbnailCache> &cache)
{
    if (cache) {
        const QImage cached = cache->Read(file);
        if (!cached.isNull()) {
            const RgbImage preview = ToRgbImage(cached);
            return Tile{{},
                        ToQImage(DrawTileFromPreview(preview, {preview.width, preview.height}))};
        }
    }
    const TilePicture picture = ReadTilePicture(file);
    Tile result{ConditionOf(picture.decoded), {}};
    if (!picture.decoded.image)
        return result;
    const RgbImage &small = *picture.decoded.image;
    if (picture.fromEmbeddedPreview) {
        result.image = ToQImage(DrawTileFromPreview(small, *picture.photoSize));
        return result;
    }
    result.image = ToQImage(DrawTile(small));
    // A damaged photo is decoded again each time, so its tile keeps showing the damage.
    if (cache && picture.photoSize && result.condition.damage == PictureDamage::none)
        Share(*cache, file, small, *picture.photoSize);
    return result;
}

} // namespace pagoranto

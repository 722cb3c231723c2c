#include "gui/pictures/tiledecodejob.h"

#include "core/pictures/progressivedcdecoder.h"
#include "core/pictures/thumbnailtile.h"

#include <algorithm>

namespace pagoranto {

TileDecodeJob::TileDecodeJob(std::vector<std::filesystem::path> files, std::size_t lookahead,
                             std::function<void()> tileReady)
    : m_files(std::move(files)), m_tiles(m_files.size()),
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
        Tile tile = DecodeTile(m_files[index]);
        {
            std::lock_guard lock(m_mutex);
            if (m_cancelled)
                return;
            m_tiles[index] = std::move(tile);
        }
        if (m_tileReady)
            m_tileReady();
    }
}

std::optional<TileDecodeJob::Tile> TileDecodeJob::TakeTile(std::size_t index)
{
    std::optional<Tile> tile;
    {
        std::lock_guard lock(m_mutex);
        if (index >= m_tiles.size() || !m_tiles[index])
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
}

TileDecodeJob::Tile TileDecodeJob::DecodeTile(const std::filesystem::path &file)
{
    // A tile is too small to show more than each block's mean, which progressive photos give
    // without holding all their coefficients.
    const JpegDecodeResult decoded = DecodeDisplayedJpegFileAtEighth(file);
    Tile result{ConditionOf(decoded), {}};
    if (!decoded.image)
        return result;
    const RgbImage tile = DrawTile(*decoded.image);
    // The engine's rows have no padding; QImage's are 4-byte aligned, hence the copy.
    const QImage view(tile.rgb.data(), tile.width, tile.height, tile.width * 3,
                      QImage::Format_RGB888);
    result.image = view.copy();
    return result;
}

} // namespace pagoranto

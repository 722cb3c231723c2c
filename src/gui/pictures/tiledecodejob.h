#pragma once

#include "core/pictures/picturedamage.h"
#include "gui/pictures/sharedthumbnailcache.h"

#include <QImage>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <vector>

namespace pagoranto {

// The tiles of one thumbnail list build, decoded ahead of the list on worker threads. Workers
// take the files in order but finish in any order; the list takes the tiles strictly in file
// order. Workers run at most a window of files ahead of the list, so a build that stops early
// (a stop, the 2000 limit) leaves little work behind.
//
// A tile comes from the first of: the desktop's shared preview (when a cache is given), the
// photo's embedded preview, the photo decoded at one eighth; a sound decode is shared back.
class TileDecodeJob {
public:
    struct Tile {
        PictureCondition condition;
        QImage image; // thumbnailTileWidth x thumbnailTileHeight, null when unreadable
    };

    // tileReady is called on a worker thread after each tile, to wake the list.
    TileDecodeJob(std::vector<std::filesystem::path> files, std::size_t lookahead,
                  std::function<void()> tileReady,
                  std::optional<SharedThumbnailCache> cache = std::nullopt);

    // A worker's loop: decodes files until none is left or the job is cancelled.
    void Work();

    // The tile of file index, waiting for it until waitUntil at most (nothing when it has not
    // come by then or the job is cancelled); taking it frees the worker window for one more.
    std::optional<Tile> TakeTile(std::size_t index,
                                 std::chrono::steady_clock::time_point waitUntil);

    // Workers stop after the file they are on; nobody waits for them.
    void Cancel();

private:
    static Tile DecodeTile(const std::filesystem::path &file,
                           const std::optional<SharedThumbnailCache> &cache);

    std::mutex m_mutex;
    std::condition_variable m_room;
    std::condition_variable m_stored;
    const std::vector<std::filesystem::path> m_files;
    const std::optional<SharedThumbnailCache> m_cache;
    std::vector<std::optional<Tile>> m_tiles;
    const std::size_t m_lookahead;
    std::size_t m_nextToClaim = 0;
    std::size_t m_taken = 0;
    bool m_cancelled = false;
    const std::function<void()> m_tileReady;
};

} // namespace pagoranto

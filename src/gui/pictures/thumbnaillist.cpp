#include "gui/pictures/thumbnaillist.h"

#include "core/pictures/marklistedpictures.h"
#include "core/pictures/picturedirectorytexts.h"
#include "core/pictures/thumbnailtile.h"
#include "core/text/bytetext.h"
#include "gui/pictures/damagedtile.h"
#include "gui/pictures/tiledecodejob.h"
#include "gui/platform/backgroundthread.h"
#include "gui/platform/qttext.h"
#include "gui/platform/reentry.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QPixmap>
#include <chrono>

namespace pagoranto {

namespace {

// The bytes of the file name; the shown text may differ for names that are not UTF-8.
constexpr int nameRole = Qt::UserRole;
constexpr int imageIndexRole = Qt::UserRole + 1;
constexpr int damageRole = Qt::UserRole + 2;
constexpr QEvent::Type tileReadyEvent = QEvent::User;
// Far enough ahead that the workers go on while the window lays out and paints a slice of
// tiles, near enough that a stop wastes little.
constexpr std::size_t decodeLookahead = 128;
// How long the window thread appends items before the window handles its events. Each round
// lays out the whole list and paints the view, which costs more than appending a tile; a slice
// plus one round stays well below a pause the user notices.
constexpr std::chrono::milliseconds appendingSlice{8};

} // namespace

ThumbnailList::ThumbnailList(Prompts &prompts, QWidget *parent)
    : QListWidget(parent), m_prompts(prompts)
{
    setObjectName(QStringLiteral("ListView1"));
    setViewMode(QListView::IconMode);
    setIconSize(QSize(thumbnailTileWidth, thumbnailTileHeight));
    setGridSize(QSize(thumbnailTileWidth + 50, thumbnailTileHeight + 42));
    setResizeMode(QListView::Adjust);
    setMovement(QListView::Static);
    setFlow(QListView::LeftToRight);
    setWrapping(true);
    setUniformItemSizes(true);
    setWordWrap(false);
    setTextElideMode(Qt::ElideMiddle);
    setSpacing(2);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);

    auto *removeItem = new QAction(QStringLiteral("Remove item"), this);
    removeItem->setObjectName(QStringLiteral("removeItem"));
    connect(removeItem, &QAction::triggered, this, &ThumbnailList::RemoveItemClick);
    addAction(removeItem);
    m_sharePreviews = new QAction(QStringLiteral("Share previews with the desktop"), this);
    m_sharePreviews->setObjectName(QStringLiteral("sharePreviews"));
    m_sharePreviews->setCheckable(true);
    m_sharePreviews->setChecked(true);
    connect(m_sharePreviews, &QAction::triggered, this, &ThumbnailList::sharesPreviewsChanged);
    addAction(m_sharePreviews);
    setContextMenuPolicy(Qt::ActionsContextMenu);

    connect(this, &QListWidget::itemDoubleClicked, this, &ThumbnailList::ListView1DblClick);
}

ThumbnailList::~ThumbnailList()
{
    // The workers post to this list; they must be gone before it is.
    StopBuilding();
    m_pool.waitForDone();
}

void ThumbnailList::Build(const QString &pictureDir, const std::vector<std::string> &names)
{
    if (m_building) {
        StopBuilding();
        return;
    }
    m_pictureDir = pictureDir;
    const int count = static_cast<int>(names.size());
    if (count > maxThumbnails)
        m_prompts.show(tooManyPicturesTitle, tooManyPicturesText, PromptButtons::Ok);
    m_nextThumbnailIndex = 0;
    clear();
    if (count > 0) {
        m_building = true;
        const std::uint64_t build = ++m_buildNumber;
        const std::shared_ptr<TileDecodeJob> job = StartDecoding(pictureDir, names);
        if (!AppendTiles(*job, names, build))
            return;
        job->Cancel();
        if (m_job == job)
            m_job.reset();
    }
    m_building = false;
    ShowCount();
    emit buildFinished();
}

void ThumbnailList::StopBuilding()
{
    m_building = false;
    if (m_job) {
        m_job->Cancel();
        m_job.reset();
    }
}

bool ThumbnailList::AppendTiles(TileDecodeJob &job, const std::vector<std::string> &names,
                                std::uint64_t build)
{
    using Clock = std::chrono::steady_clock;
    Clock::time_point sliceEnd = Clock::now() + appendingSlice;
    bool newestShown = true;
    // Selects the newest item and scrolls to it, unless a nested build made a new list.
    const auto showNewest = [&] {
        if (!newestShown && build == m_buildNumber && count() > 0) {
            QListWidgetItem *newest = item(count() - 1);
            setCurrentItem(newest);
            scrollToItem(newest);
        }
        newestShown = true;
    };
    const auto letWindowRun = [&](QEventLoop::ProcessEventsFlags flags) {
        showNewest();
        if (!ProcessMessagesFor(this, flags))
            return false;
        sliceEnd = Clock::now() + appendingSlice;
        return true;
    };

    const int total = static_cast<int>(names.size());
    for (int i = 0; i < total && StillBuilding(build); ++i) {
        std::optional<TileDecodeJob::Tile> tile = job.TakeTile(std::size_t(i), sliceEnd);
        while (!tile && StillBuilding(build)) {
            // A worker's tile wakes this wait through customEvent.
            if (!letWindowRun(QEventLoop::WaitForMoreEvents))
                return false;
            tile = job.TakeTile(std::size_t(i), sliceEnd);
        }
        // A handler may have stopped this build or made a new list while it waited.
        if (!tile || !StillBuilding(build))
            break;
        AppendItem(names[std::size_t(i)], *tile);
        newestShown = false;
        ++m_nextThumbnailIndex;
        if (Clock::now() >= sliceEnd) {
            if (!letWindowRun(QEventLoop::AllEvents))
                return false;
            // A handler may have stopped this build or made a new list meanwhile.
            if (!StillBuilding(build))
                break;
        }
        ShowCount();
        if (m_nextThumbnailIndex >= maxThumbnails)
            break;
    }
    showNewest();
    return true;
}

bool ThumbnailList::StillBuilding(std::uint64_t build) const
{
    return m_building && build == m_buildNumber;
}

std::shared_ptr<TileDecodeJob> ThumbnailList::StartDecoding(const QString &pictureDir,
                                                            const std::vector<std::string> &names)
{
    const std::filesystem::path dir(QFile::encodeName(pictureDir).toStdString());
    std::vector<std::filesystem::path> files;
    files.reserve(names.size());
    for (const std::string &name : names)
        files.push_back(dir / name);
    // Posting is thread-safe, and the destructor waits for the workers before the list goes.
    std::optional<SharedThumbnailCache> cache;
    if (sharesPreviews())
        cache = SharedThumbnailCache::Default();
    auto job = std::make_shared<TileDecodeJob>(
        std::move(files), decodeLookahead,
        [this] { QCoreApplication::postEvent(this, new QEvent(tileReadyEvent)); },
        std::move(cache));
    m_job = job;
    const int workers = std::max(1, m_pool.maxThreadCount());
    for (int i = 0; i < workers; ++i)
        m_pool.start([job] {
            RunAsBackgroundThread();
            job->Work();
        });
    return job;
}

void ThumbnailList::customEvent(QEvent *event)
{
    if (event->type() != tileReadyEvent)
        QListWidget::customEvent(event);
}

QIcon ThumbnailList::TileIcon(const TileDecodeJob::Tile &tile)
{
    switch (tile.condition.damage) {
    case PictureDamage::none:
        break;
    case PictureDamage::partly:
        return QIcon(QPixmap::fromImage(PartlyDamagedTile(tile.image)));
    case PictureDamage::unreadable:
        if (m_unreadableIcon.isNull())
            m_unreadableIcon = QIcon(QPixmap::fromImage(UnreadableTile()));
        return m_unreadableIcon;
    }
    return QIcon(QPixmap::fromImage(tile.image));
}

void ThumbnailList::AppendItem(const std::string &name, const TileDecodeJob::Tile &tile)
{
    auto *item = new QListWidgetItem(TileIcon(tile), ToQString(ToUtf8(name)));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
    item->setData(nameRole, QByteArray::fromStdString(name));
    item->setData(imageIndexRole, m_nextThumbnailIndex);
    item->setData(damageRole, static_cast<int>(tile.condition.damage));
    item->setToolTip(TileToolTip(item->text(), tile.condition));
    addItem(item);
}

void ThumbnailList::ShowCount()
{
    emit countTextChanged(ToQString(PictureCountText(count())));
}

std::string ThumbnailList::caption(int index) const
{
    const QListWidgetItem *it = item(index);
    return it ? it->data(nameRole).toByteArray().toStdString() : std::string();
}

std::vector<std::string> ThumbnailList::captions() const
{
    std::vector<std::string> result;
    result.reserve(std::size_t(count()));
    for (int i = 0; i < count(); ++i)
        result.push_back(caption(i));
    return result;
}

std::vector<std::string> ThumbnailList::CollectCheckedPictures() const
{
    std::vector<std::string> result;
    for (int i = 0; i < count(); ++i)
        if (isChecked(i))
            result.push_back(caption(i));
    return result;
}

void ThumbnailList::MarkListedPictures(const std::vector<std::string> &lines)
{
    const std::vector<bool> ticked = pagoranto::MarkListedPictures(captions(), lines);
    for (int i = 0; i < count(); ++i)
        setChecked(i, ticked[std::size_t(i)]);
}

void ThumbnailList::SelectAllPictures()
{
    clearSelection();
    for (int i = 0; i < count(); ++i)
        setChecked(i, true);
}

void ThumbnailList::UnselectAllPictures()
{
    clearSelection();
    for (int i = 0; i < count(); ++i)
        setChecked(i, false);
}

void ThumbnailList::InvertImageSelection()
{
    for (int i = 0; i < count(); ++i)
        setChecked(i, !isChecked(i));
}

void ThumbnailList::setChecked(int index, bool checked)
{
    if (QListWidgetItem *it = item(index))
        it->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

bool ThumbnailList::isChecked(int index) const
{
    const QListWidgetItem *it = item(index);
    return it && it->checkState() == Qt::Checked;
}

std::optional<int> ThumbnailList::selectedIndex() const
{
    const QList<QListWidgetItem *> selected = selectedItems();
    if (selected.isEmpty())
        return std::nullopt;
    return row(selected.constFirst());
}

PictureDamage ThumbnailList::damage(int index) const
{
    const QListWidgetItem *it = item(index);
    return it ? static_cast<PictureDamage>(it->data(damageRole).toInt()) : PictureDamage::none;
}

void ThumbnailList::RemoveItemClick()
{
    if (const std::optional<int> index = selectedIndex())
        delete takeItem(*index);
}

bool ThumbnailList::sharesPreviews() const
{
    return m_sharePreviews->isChecked();
}

void ThumbnailList::setSharesPreviews(bool share)
{
    m_sharePreviews->setChecked(share);
}

void ThumbnailList::ListView1DblClick()
{
    if (const std::optional<int> index = selectedIndex())
        emit previewRequested(*index);
}

} // namespace pagoranto

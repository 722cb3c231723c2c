#pragma once

#include "core/pictures/picturedamage.h"
#include "core/platform/prompts.h"
#include "gui/pictures/tiledecodejob.h"

#include <QAction>
#include <QIcon>
#include <QListWidget>
#include <QString>
#include <QThreadPool>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace pagoranto {

// The thumbnail list `ListView1`: a 50 x 37 tile with a check box per picture; a ticked picture
// goes into the gallery. Captions are the file names exactly as the jpg list gives them.
//
// A build decodes the tiles ahead on worker threads and appends the items strictly in file
// order on the window's thread, the newest selected and in view. The window handles its events
// whenever the items of a short time slice are in (one layout and paint for them all), so it
// stays usable and handlers may re-enter Build; the count is told after every item. A picture that
// cannot be read, or only in part, keeps its place in the list with a marked tile and the reason as
// its tooltip. thumbnailListBuilding() is the only stop signal: a second Build while one runs only
// stops it; StopBuilding() followed by Build (a directory change) makes the new list inside that
// call, and the interrupted build then stops without touching the new list.
class ThumbnailList : public QListWidget {
    Q_OBJECT

public:
    explicit ThumbnailList(Prompts &prompts, QWidget *parent = nullptr);
    ~ThumbnailList() override;

    // names are the jpg list's entries in its order, joined to pictureDir (which ends in "/").
    // Returns when the build ends, stops, or only stopped a running one.
    void Build(const QString &pictureDir, const std::vector<std::string> &names);
    bool thumbnailListBuilding() const { return m_building; }
    // The stop request from outside: the running build ends at its next check and its
    // outstanding decodes are abandoned.
    void StopBuilding();

    // The directory of the last build, ending in "/".
    QString pictureDir() const { return m_pictureDir; }
    // Number of tiles made by the current build.
    int nextThumbnailIndex() const { return m_nextThumbnailIndex; }

    // The file name of every item, in list order, as bytes.
    std::vector<std::string> captions() const;
    std::string caption(int index) const;
    // The captions of the ticked items in list order: the pictures of a Create run.
    std::vector<std::string> CollectCheckedPictures() const;

    // Unticks every item, then ticks those named by a sorting list's lines in any letter case.
    void MarkListedPictures(const std::vector<std::string> &lines);
    void SelectAllPictures();
    void UnselectAllPictures();
    void InvertImageSelection();
    void setChecked(int index, bool checked);
    bool isChecked(int index) const;
    // The row of the selected item, if any.
    std::optional<int> selectedIndex() const;
    // What the tile's decode found wrong with the picture of item index.
    PictureDamage damage(int index) const;

    // Pop-up "Remove item": the selected item leaves the list; the file stays.
    void RemoveItemClick();

    // Whether builds read and write the desktop's shared previews (on by default); the pop-up
    // "Share previews with the desktop" shows and sets it.
    bool sharesPreviews() const;
    void setSharesPreviews(bool share);

signals:
    // Double-click with an item selected: the preview of that item.
    void previewRequested(int index);
    // The picture counter text, N + " jpg pictures", after every item and when a build ends.
    void countTextChanged(const QString &text);
    // A build (not a mere stop request) has returned.
    void buildFinished();
    // The user turned the shared previews on or off.
    void sharesPreviewsChanged(bool share);

protected:
    void customEvent(QEvent *event) override;

private:
    void ListView1DblClick();
    // False when the list was destroyed while the window handled its events.
    bool AppendTiles(TileDecodeJob &job, const std::vector<std::string> &names,
                     std::uint64_t build);
    bool StillBuilding(std::uint64_t build) const;
    std::shared_ptr<TileDecodeJob> StartDecoding(const QString &pictureDir,
                                                 const std::vector<std::string> &names);
    QIcon TileIcon(const TileDecodeJob::Tile &tile);
    void AppendItem(const std::string &name, const TileDecodeJob::Tile &tile);
    void ShowCount();

    Prompts &m_prompts;
    QAction *m_sharePreviews = nullptr;
    QThreadPool m_pool;
    std::shared_ptr<TileDecodeJob> m_job;
    QString m_pictureDir;
    bool m_building = false;
    std::uint64_t m_buildNumber = 0;
    int m_nextThumbnailIndex = 0;
    // One icon serves every unreadable picture.
    QIcon m_unreadableIcon;
};

} // namespace pagoranto

#pragma once

#include "core/pictures/descriptionstore.h"
#include "core/pictures/pixelsize.h"
#include "core/platform/prompts.h"

#include <QWidget>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;

namespace pagoranto {

class ThumbnailList;

// The panel `thumbnail` of the "Source directory" tab: the thumbnail list ListView1 with its
// picture counter and selection buttons, and in its place on request the preview panel
// `showpic` of one picture with its description.
//
// The main window wires: refreshRequested() to "Refresh thumbnails", fullPictureRequested() to
// the viewer, and the directory's descriptions are read from the store it hands in.
class ThumbnailPanel : public QWidget {
    Q_OBJECT

public:
    ThumbnailPanel(Prompts &prompts, const DescriptionStore &descriptions,
                   QWidget *parent = nullptr);

    // Shows the preview of item index (the preview's steps 2 to 4); a picture that cannot be
    // loaded leaves the old picture in place.
    void ShowPreview(int index);
    // "Show thumbnail list": back from the preview to the list.
    void ShowThumbnailList();
    bool previewShown() const;
    int currentPictureIndex() const { return m_currentPictureIndex; }
    // The size the preview image is shown at.
    PixelSize previewImageSize() const;

    void PreviousPictureClick();
    void NextPictureClick();

    ThumbnailList *ListView1 = nullptr;
    QLabel *pictureCounter = nullptr;
    QPushButton *selectAllPictures = nullptr;
    QPushButton *unselectAllPictures = nullptr;
    QPushButton *invertImageSelection = nullptr;
    QPushButton *refreshThumbnails = nullptr;

    QWidget *showpic = nullptr;
    QLabel *previewImage = nullptr;
    QLabel *previewFileName = nullptr;
    QLabel *previewDimensions = nullptr;
    QCheckBox *useForGallery = nullptr;
    QPlainTextEdit *previewDescription = nullptr;
    QPushButton *previousPicture = nullptr;
    QPushButton *nextPicture = nullptr;
    QPushButton *showThumbnailList = nullptr;
    QPushButton *showFullPicture = nullptr;

signals:
    // "Refresh thumbnails": the main window runs the directory change and re-reads the lists.
    void refreshRequested();
    // "Show full picture" for item index of ListView1.
    void fullPictureRequested(int index);

private:
    QGroupBox *MakeListPage();
    QWidget *MakePreviewPage();
    bool LoadPreviewPicture(const std::string &name);
    void UseForGalleryClick(bool checked);

    const DescriptionStore &m_descriptions;
    QStackedWidget *m_pages = nullptr;
    int m_currentPictureIndex = 0;
};

} // namespace pagoranto

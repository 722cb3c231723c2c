#pragma once

#include <QDialog>

class QAction;
class QCheckBox;
class QLabel;
class QMenuBar;
class QWidget;

namespace pagoranto {

class PictureLoader;
class ThumbnailPanel;

// The full picture viewer: one picture of the thumbnail list as large as the window allows,
// stepping through the list and ticking pictures for the gallery. Every change also shows the
// picture in the main window's preview.
class Tshowfullpicture : public QDialog {
    Q_OBJECT
public:
    explicit Tshowfullpicture(ThumbnailPanel &thumbnails, QWidget *parent = nullptr);

    // Shows the window modally at item index of the thumbnail list.
    void ShowFor(int index);
    // The picture as it is now: the list index, and the size Image1 is shown at.
    int currentPictureIndex() const;
    QSize imageSize() const;
    // Waits until the picture asked for last is shown (for tests and screenshots).
    void WaitForPicture();

    void PreviousPictureClick();
    void NextPictureClick();
    void BackClick();

    QWidget *Panel1;
    QCheckBox *fullpicturechecked;
    QLabel *Image1;
    QMenuBar *menuBar;
    QAction *name1;

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void reject() override;

private:
    void ShowCurrentPicture();
    void PlaceImage();
    void FullPictureCheckedClick(bool checked);

    ThumbnailPanel &m_thumbnails;
    PictureLoader *m_loader;
    QWidget *m_canvas;
    QSize m_fitted;
};

} // namespace pagoranto

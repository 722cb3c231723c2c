#include "gui/pictures/tshowfullpicture.h"

#include "core/pictures/fittobox.h"
#include "core/pictures/previewindex.h"
#include "core/text/bytetext.h"
#include "gui/pictures/pictureloader.h"
#include "gui/pictures/thumbnaillist.h"
#include "gui/pictures/thumbnailpanel.h"
#include "gui/platform/qttext.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QEventLoop>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPixmap>
#include <QShortcut>
#include <QVBoxLayout>

namespace pagoranto {

Tshowfullpicture::Tshowfullpicture(ThumbnailPanel &thumbnails, QWidget *parent)
    : QDialog(parent), m_thumbnails(thumbnails), m_loader(new PictureLoader(this))
{
    setObjectName(QStringLiteral("Tshowfullpicture"));
    setWindowTitle(QStringLiteral("Show picture"));
    setModal(true);
    setMinimumSize(400, 400);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);

    menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("MainMenu1"));
    const auto addEntry = [this](const QString &caption, const char *name) {
        QAction *action = menuBar->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    connect(addEntry(QStringLiteral("Previous picture"), "Previouspicture1"), &QAction::triggered,
            this, &Tshowfullpicture::PreviousPictureClick);
    connect(addEntry(QStringLiteral("Next Picture"), "NextPicture1"), &QAction::triggered, this,
            &Tshowfullpicture::NextPictureClick);
    connect(addEntry(QStringLiteral("<"), "previous2"), &QAction::triggered, this,
            &Tshowfullpicture::PreviousPictureClick);
    connect(addEntry(QStringLiteral("Back"), "Back1"), &QAction::triggered, this,
            &Tshowfullpicture::BackClick);
    connect(addEntry(QStringLiteral(">"), "next2"), &QAction::triggered, this,
            &Tshowfullpicture::NextPictureClick);
    // Shown, not chosen: they stay readable and do nothing.
    addEntry(QStringLiteral("Filename:"), "Filename1");
    name1 = addEntry(QString(), "name1");

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    fullpicturechecked = new QCheckBox(QStringLiteral("&Use it for the gallery"), Panel1);
    fullpicturechecked->setObjectName(QStringLiteral("fullpicturechecked"));
    auto *panelLayout = new QHBoxLayout(Panel1);
    panelLayout->setContentsMargins(8, 4, 8, 4);
    panelLayout->addWidget(fullpicturechecked);
    panelLayout->addStretch(1);
    connect(fullpicturechecked, &QCheckBox::clicked, this,
            &Tshowfullpicture::FullPictureCheckedClick);

    // Image1 is placed by hand: centred, at the fitted size.
    m_canvas = new QWidget(this);
    m_canvas->setObjectName(QStringLiteral("canvas"));
    m_canvas->setAutoFillBackground(true);
    QPalette dark = m_canvas->palette();
    dark.setColor(QPalette::Window, QColor(32, 32, 32));
    m_canvas->setPalette(dark);
    Image1 = new QLabel(m_canvas);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setScaledContents(true);
    Image1->resize(0, 0);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menuBar);
    layout->addWidget(Panel1);
    layout->addWidget(m_canvas, 1);

    for (const auto &[key, slot] :
         {std::pair{Qt::Key_Left, &Tshowfullpicture::PreviousPictureClick},
          std::pair{Qt::Key_Right, &Tshowfullpicture::NextPictureClick}}) {
        auto *shortcut = new QShortcut(QKeySequence(key), this);
        connect(shortcut, &QShortcut::activated, this, slot);
    }

    connect(m_loader, &PictureLoader::loaded, this, [this](const QImage &image) {
        // A picture that cannot be loaded is not reported, but the one before it goes.
        Image1->setPixmap(QPixmap::fromImage(image));
        PlaceImage();
    });
}

void Tshowfullpicture::ShowFor(int index)
{
    m_thumbnails.ShowPreview(index);
    setWindowState(windowState() | Qt::WindowMaximized);
    exec();
}

int Tshowfullpicture::currentPictureIndex() const
{
    return m_thumbnails.currentPictureIndex();
}

QSize Tshowfullpicture::imageSize() const
{
    return m_fitted;
}

void Tshowfullpicture::WaitForPicture()
{
    m_loader->WaitForIdle();
    QCoreApplication::sendPostedEvents(m_loader);
}

void Tshowfullpicture::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    ShowCurrentPicture();
}

void Tshowfullpicture::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    if (isVisible() && !QCoreApplication::closingDown())
        ShowCurrentPicture();
}

void Tshowfullpicture::reject()
{
    BackClick();
}

void Tshowfullpicture::BackClick()
{
    m_loader->Cancel();
    accept();
}

void Tshowfullpicture::PreviousPictureClick()
{
    const ThumbnailList *list = m_thumbnails.ListView1;
    if (const std::optional<int> index =
            PreviousPictureIndex(m_thumbnails.currentPictureIndex(), list->count())) {
        m_thumbnails.ShowPreview(*index);
        ShowCurrentPicture();
    }
}

void Tshowfullpicture::NextPictureClick()
{
    const ThumbnailList *list = m_thumbnails.ListView1;
    if (const std::optional<int> index =
            NextPictureIndex(m_thumbnails.currentPictureIndex(), list->count())) {
        m_thumbnails.ShowPreview(*index);
        ShowCurrentPicture();
    }
}

void Tshowfullpicture::ShowCurrentPicture()
{
    ThumbnailList *list = m_thumbnails.ListView1;
    if (list->count() == 0)
        return;
    int index = m_thumbnails.currentPictureIndex();
    if (index < 0 || index >= list->count()) {
        index = 0;
        m_thumbnails.ShowPreview(index);
    }
    const std::string name = list->caption(index);
    name1->setText(ToQString(ToUtf8(name)));
    fullpicturechecked->setChecked(list->isChecked(index));
    m_thumbnails.useForGallery->setChecked(list->isChecked(index));

    const int boxWidth = m_canvas->width();
    const int boxHeight = m_canvas->height();
    // By the name's own bytes: a name that is not UTF-8 is shown converted but read as it is.
    m_loader->Load(std::filesystem::path(QFile::encodeName(list->pictureDir()).toStdString()) /
                       name,
                   [this, boxWidth, boxHeight](PixelSize displayed) {
                       const PixelSize fitted = FitWithoutEnlarging(displayed, boxWidth, boxHeight);
                       return fitted;
                   });
}

void Tshowfullpicture::PlaceImage()
{
    const QSize picture = Image1->pixmap().size();
    m_fitted = picture;
    // Centred by whole-pixel halves, never left of or above the canvas.
    const int left = std::max(0, m_canvas->width() / 2 - picture.width() / 2);
    const int top = std::max(0, m_canvas->height() / 2 - picture.height() / 2);
    Image1->setGeometry(left, top, picture.width(), picture.height());
}

void Tshowfullpicture::FullPictureCheckedClick(bool checked)
{
    ThumbnailList *list = m_thumbnails.ListView1;
    const int index = m_thumbnails.currentPictureIndex();
    if (index < 0 || index >= list->count())
        return;
    list->setChecked(index, checked);
    m_thumbnails.useForGallery->setChecked(checked);
}

} // namespace pagoranto

#include "gui/pictures/thumbnailpanel.h"

#include "core/pictures/exiforientation.h"
#include "core/pictures/jpegdecoder.h"
#include "core/pictures/picturedirectorytexts.h"
#include "core/pictures/previewindex.h"
#include "core/pictures/previewsize.h"
#include "core/pictures/thumbnailtile.h"
#include "core/text/bytetext.h"
#include "gui/pictures/thumbnaillist.h"
#include "gui/platform/qttext.h"
#include "gui/ui/namedwidgets.h"

#include <QCheckBox>
#include <QFile>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <filesystem>

namespace pagoranto {

ThumbnailPanel::ThumbnailPanel(Prompts &prompts, const DescriptionStore &descriptions,
                               QWidget *parent)
    : QWidget(parent), m_descriptions(descriptions)
{
    setObjectName(QStringLiteral("thumbnail"));
    ListView1 = new ThumbnailList(prompts, this);

    m_pages = new QStackedWidget(this);
    m_pages->addWidget(MakeListPage());
    m_pages->addWidget(MakePreviewPage());
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pages);

    connect(ListView1, &ThumbnailList::countTextChanged, pictureCounter, &QLabel::setText);
    connect(ListView1, &ThumbnailList::previewRequested, this, &ThumbnailPanel::ShowPreview);
    connect(selectAllPictures, &QPushButton::clicked, ListView1, &ThumbnailList::SelectAllPictures);
    connect(unselectAllPictures, &QPushButton::clicked, ListView1,
            &ThumbnailList::UnselectAllPictures);
    connect(invertImageSelection, &QPushButton::clicked, ListView1,
            &ThumbnailList::InvertImageSelection);
    connect(refreshThumbnails, &QPushButton::clicked, this, &ThumbnailPanel::refreshRequested);
    connect(previousPicture, &QPushButton::clicked, this, &ThumbnailPanel::PreviousPictureClick);
    connect(nextPicture, &QPushButton::clicked, this, &ThumbnailPanel::NextPictureClick);
    connect(showThumbnailList, &QPushButton::clicked, this, &ThumbnailPanel::ShowThumbnailList);
    connect(showFullPicture, &QPushButton::clicked, this,
            [this] { emit fullPictureRequested(m_currentPictureIndex); });
    connect(useForGallery, &QCheckBox::clicked, this, &ThumbnailPanel::UseForGalleryClick);
}

QGroupBox *ThumbnailPanel::MakeListPage()
{
    auto *page = new QGroupBox(
        QStringLiteral(
            "Thumbnail list [Check a picture for your gallery or doubleclick for a full view]"),
        this);
    pictureCounter = new QLabel(ToQString(PictureCountText(0)), page);
    pictureCounter->setObjectName(QStringLiteral("pictureCounter"));
    selectAllPictures =
        NamedButton(QStringLiteral("Select all pictures"), "selectAllPictures", page);
    unselectAllPictures =
        NamedButton(QStringLiteral("Unselect all pictures"), "unselectAllPictures", page);
    invertImageSelection =
        NamedButton(QStringLiteral("Invert image selection"), "invertImageSelection", page);
    refreshThumbnails =
        NamedButton(QStringLiteral("Refresh thumbnails"), "refreshThumbnails", page);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(pictureCounter);
    buttons->addStretch(1);
    buttons->addWidget(selectAllPictures);
    buttons->addWidget(unselectAllPictures);
    buttons->addWidget(invertImageSelection);
    buttons->addSpacing(12);
    buttons->addWidget(refreshThumbnails);

    auto *layout = new QVBoxLayout(page);
    layout->addWidget(ListView1, 1);
    layout->addLayout(buttons);
    return page;
}

QWidget *ThumbnailPanel::MakePreviewPage()
{
    auto *page = new QGroupBox(QStringLiteral("Preview"), this);
    page->setObjectName(QStringLiteral("showpic"));
    showpic = page;

    // The image area keeps the box size; the image inside it is sized to the fit.
    auto *imageArea = new QWidget(page);
    imageArea->setFixedSize(previewBoxWidth, previewBoxHeight);
    previewImage = new QLabel(imageArea);
    previewImage->setObjectName(QStringLiteral("previewImage"));
    previewImage->setScaledContents(true);
    previewImage->setFixedSize(0, 0);
    auto *imageLayout = new QVBoxLayout(imageArea);
    imageLayout->setContentsMargins(0, 0, 0, 0);
    imageLayout->addWidget(previewImage, 0, Qt::AlignCenter);

    previewFileName = new QLabel(page);
    previewFileName->setObjectName(QStringLiteral("previewFileName"));
    previewFileName->setTextInteractionFlags(Qt::TextSelectableByMouse);
    previewDimensions = new QLabel(page);
    previewDimensions->setObjectName(QStringLiteral("previewDimensions"));
    useForGallery = new QCheckBox(QStringLiteral("use it for the gallery"), page);
    useForGallery->setObjectName(QStringLiteral("useForGallery"));
    previewDescription = new QPlainTextEdit(page);
    previewDescription->setObjectName(QStringLiteral("previewDescription"));
    previewDescription->setReadOnly(true);

    auto *facts = new QFormLayout;
    facts->addRow(QStringLiteral("Filename:"), previewFileName);
    facts->addRow(QStringLiteral("Dimensions:"), previewDimensions);
    facts->addRow(useForGallery);
    facts->addRow(previewDescription);

    auto *top = new QHBoxLayout;
    top->addWidget(imageArea, 0, Qt::AlignTop);
    top->addLayout(facts, 1);

    previousPicture = NamedButton(QStringLiteral("Previous picture"), "previousPicture", page);
    nextPicture = NamedButton(QStringLiteral("Next picture"), "nextPicture", page);
    showThumbnailList =
        NamedButton(QStringLiteral("Show thumbnail list"), "showThumbnailList", page);
    showFullPicture = NamedButton(QStringLiteral("Show full picture"), "showFullPicture", page);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(previousPicture);
    buttons->addWidget(nextPicture);
    buttons->addStretch(1);
    buttons->addWidget(showThumbnailList);
    buttons->addWidget(showFullPicture);

    auto *layout = new QVBoxLayout(page);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);
    return page;
}

void ThumbnailPanel::ShowPreview(int index)
{
    if (index < 0 || index >= ListView1->count())
        return;
    m_currentPictureIndex = index;
    const std::string name = ListView1->caption(index);
    if (LoadPreviewPicture(name)) {
        const QSize shown = previewImage->size();
        previewDimensions->setText(QStringLiteral("%1x%2").arg(shown.width()).arg(shown.height()));
    }
    previewFileName->setText(ToQString(ToUtf8(name)));
    useForGallery->setChecked(ListView1->isChecked(index));
    QStringList lines;
    for (const std::string &line : m_descriptions.DescriptionLines(name))
        lines << ToQString(DecodeText(line, m_descriptions.encoding()));
    previewDescription->setPlainText(lines.join(QLatin1Char('\n')));
    m_pages->setCurrentWidget(showpic);
}

bool ThumbnailPanel::LoadPreviewPicture(const std::string &name)
{
    const std::filesystem::path file =
        std::filesystem::path(QFile::encodeName(ListView1->pictureDir()).toStdString()) / name;
    const PhotoHeader header = ReadPhotoHeader(file);
    const std::optional<PixelSize> &pictureSize = header.displayedSize;
    if (!pictureSize)
        return false;
    const PixelSize shown = PreviewSize(*pictureSize);
    const JpegDecodeResult decoded =
        DecodeDisplayedJpegFile(file, PreviewDecodeScale(*pictureSize, shown), header.orientation);
    if (!decoded.image || shown.width <= 0 || shown.height <= 0)
        return false;
    const RgbImage &picture = *decoded.image;
    const QImage view(picture.rgb.data(), picture.width, picture.height, picture.width * 3,
                      QImage::Format_RGB888);
    previewImage->setPixmap(QPixmap::fromImage(
        view.scaled(shown.width, shown.height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    previewImage->setFixedSize(shown.width, shown.height);
    return true;
}

void ThumbnailPanel::ShowThumbnailList()
{
    m_pages->setCurrentIndex(0);
}

bool ThumbnailPanel::previewShown() const
{
    return m_pages->currentWidget() == showpic;
}

PixelSize ThumbnailPanel::previewImageSize() const
{
    return PixelSize{previewImage->width(), previewImage->height()};
}

void ThumbnailPanel::PreviousPictureClick()
{
    if (const std::optional<int> index =
            PreviousPictureIndex(m_currentPictureIndex, ListView1->count()))
        ShowPreview(*index);
}

void ThumbnailPanel::NextPictureClick()
{
    if (const std::optional<int> index =
            NextPictureIndex(m_currentPictureIndex, ListView1->count()))
        ShowPreview(*index);
}

void ThumbnailPanel::UseForGalleryClick(bool checked)
{
    if (const std::optional<int> index =
            ClampedPictureIndex(m_currentPictureIndex, ListView1->count())) {
        m_currentPictureIndex = *index;
        ListView1->setChecked(*index, checked);
    }
}

} // namespace pagoranto

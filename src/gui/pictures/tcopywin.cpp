#include "gui/pictures/tcopywin.h"

#include "core/pictures/copysummary.h"
#include "core/pictures/fittobox.h"
#include "core/pictures/jpegdecoder.h"
#include "core/pictures/jpegencoder.h"
#include "core/pictures/resizejpeg.h"
#include "core/text/bytetext.h"
#include "gui/pictures/pictureloader.h"
#include "gui/platform/filedialog.h"
#include "gui/platform/qttext.h"
#include "gui/ui/namedwidgets.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QSpinBox>
#include <QStatusBar>
#include <QThreadPool>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

namespace pagoranto {

namespace {

constexpr int previewWidth = 341;
constexpr int previewHeight = 203;
constexpr int sampleWidth = 200;
constexpr int sampleHeight = 150;

QRadioButton *NamedRadio(const QString &caption, const char *name, QWidget *parent)
{
    auto *button = new QRadioButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

QCheckBox *NamedCheck(const QString &caption, const char *name, QWidget *parent)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QLineEdit *NameTextEdit(const char *name, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(static_cast<int>(copyNameTextMaxLength));
    // Letters, digits, "-" and "_" only: other keys do nothing.
    edit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[A-Za-z0-9_-]*")), edit));
    return edit;
}

// The landscape width or the portrait height of the preview box, and never beyond the box.
PixelSize CopyPreviewSize(PixelSize picture)
{
    const PixelSize size = ResizedSize(picture, previewWidth, previewHeight);
    if (size.height <= previewHeight)
        return size;
    return FitToBox(picture, previewWidth, previewHeight);
}

QImage ToQImage(const RgbImage &image)
{
    return QImage(image.rgb.data(), image.width, image.height, image.width * 3,
                  QImage::Format_RGB888)
        .copy();
}

RgbImage ToRgb(const QImage &image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    RgbImage result{rgb.width(), rgb.height(), {}};
    result.rgb.reserve(std::size_t(rgb.width()) * rgb.height() * 3);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *line = rgb.constScanLine(y);
        result.rgb.insert(result.rgb.end(), line, line + std::size_t(rgb.width()) * 3);
    }
    return result;
}

} // namespace

Tcopywin::Tcopywin(Prompts &prompts, AdditionalOptions &names, const QString &samplePicture,
                   QWidget *parent)
    : QDialog(parent), m_prompts(prompts), m_names(names), m_pool(new QThreadPool(this)),
      m_sampleLoader(new PictureLoader(this))
{
    setObjectName(QStringLiteral("Tcopywin"));
    setWindowTitle(QStringLiteral("Copy [and resize] files to destination directory [...after "
                                  "the copy/resize you have to select the new directory with "
                                  "your images]"));
    setModal(true);
    m_pool->setMaxThreadCount(1);

    auto *destinationBox = new QGroupBox(this);
    auto *destinationCaption =
        new QLabel(QStringLiteral("You're selected destination directory is:"), destinationBox);
    destinationDir = NamedLabel("destinationDir", destinationBox);
    destinationDir->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont bold = destinationDir->font();
    bold.setBold(true);
    destinationDir->setFont(bold);
    selectDestination = NamedButton(QStringLiteral("Select a destination directory"),
                                    "selectDestination", destinationBox);
    auto *destinationLayout = new QHBoxLayout(destinationBox);
    destinationLayout->addWidget(destinationCaption);
    destinationLayout->addWidget(destinationDir, 1);
    destinationLayout->addWidget(selectDestination);

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setOrientation(Qt::Vertical);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setRange(0, 1);
    ProgressBar1->setValue(0);
    ProgressBar2 = new QProgressBar(this);
    ProgressBar2->setObjectName(QStringLiteral("ProgressBar2"));
    ProgressBar2->setRange(0, 100);
    ProgressBar2->setValue(0);
    ProgressBar2->setTextVisible(false);
    ProgressBar2->setMaximumHeight(10);

    auto *previewArea = new QWidget(this);
    previewArea->setFixedSize(previewWidth, previewHeight);
    copyPreview = new QLabel(previewArea);
    copyPreview->setObjectName(QStringLiteral("copyPreview"));
    copyPreview->setScaledContents(true);
    copyPreview->setFixedSize(0, 0);
    auto *previewLayout = new QVBoxLayout(previewArea);
    previewLayout->setContentsMargins(0, 0, 0, 0);
    previewLayout->addWidget(copyPreview, 0, Qt::AlignCenter);

    useForRefresh = NamedCheck(QStringLiteral("Use destination directory for thumbnail refresh"),
                               "useForRefresh", this);
    startCopy = NamedButton(QStringLiteral("Copy pictures"), "startCopy", this);
    backButton = NamedButton(QStringLiteral("Back"), "backButton", this);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    const int fieldWidths[3] = {120, 120, 0};
    for (int field = 0; field < 3; ++field) {
        statusField[field] = new QLabel(StatusBar1);
        statusField[field]->setObjectName(QStringLiteral("statusField%1").arg(field + 1));
        statusField[field]->setMinimumWidth(fieldWidths[field]);
        StatusBar1->addWidget(statusField[field], field == 2 ? 1 : 0);
    }

    auto *previewColumn = new QVBoxLayout;
    previewColumn->addWidget(previewArea, 0, Qt::AlignHCenter);
    previewColumn->addWidget(ProgressBar2);
    previewColumn->addStretch(1);
    previewColumn->addWidget(useForRefresh);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(startCopy, 1);
    buttons->addWidget(backButton);
    previewColumn->addLayout(buttons);

    auto *work = new QHBoxLayout;
    work->addWidget(MakeNamingBox(), 3);
    work->addWidget(MakeResizeBox(), 3);
    work->addLayout(previewColumn, 2);
    work->addWidget(ProgressBar1);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(destinationBox);
    layout->addLayout(work, 1);
    layout->addWidget(StatusBar1);

    m_optionControls = {selectDestination, RadioButton1,  RadioButton2, nameOptionsBox,
                        startNumber,       resetNumber,   numberLength, Special,
                        overwriteFiles,    resizeImages,  RadioGroup3,  ScrollBar1,
                        progressive,       useForRefresh, startCopy,    backButton};
    for (int i = 0; i < 3; ++i) {
        m_optionControls.push_back(numberUp[i]);
        m_optionControls.push_back(numberDown[i]);
    }

    connect(selectDestination, &QPushButton::clicked, this, &Tcopywin::SelectDestinationClick);
    connect(startCopy, &QPushButton::clicked, this, &Tcopywin::StartClick);
    connect(backButton, &QPushButton::clicked, this, &Tcopywin::BackClick);
    connect(resetNumber, &QPushButton::clicked, this, &Tcopywin::ResetClick);
    for (QRadioButton *radio : {RadioButton1, RadioButton2, RadioButton3, RadioButton4,
                                RadioButton5, RadioButton6, downcaseNames, upcaseNames})
        connect(radio, &QRadioButton::toggled, this, [this] {
            UpdateEnabling();
            ShowExample();
        });
    connect(Special, &QGroupBox::toggled, this, &Tcopywin::ShowExample);
    connect(numberLength, &QSpinBox::valueChanged, this, [this] {
        ShowNumber();
        ShowExample();
    });
    std::string *texts[] = {&m_names.Edit1, &m_names.Edit2, &m_names.Edit3, &m_names.Edit4};
    QLineEdit *edits[] = {Edit1, Edit2, Edit3, Edit4};
    for (int i = 0; i < 4; ++i)
        connect(edits[i], &QLineEdit::textChanged, this, [this, text = texts[i]](const QString &t) {
            *text = ToEngineText(t);
            ShowExample();
        });
    connect(resizeImages, &QCheckBox::toggled, this, &Tcopywin::UpdateEnabling);
    connect(ScrollBar1, &QScrollBar::valueChanged, this, [this](int value) {
        compressionValue->setText(QString::number(value));
        ShowQualitySample();
    });
    connect(m_sampleLoader, &PictureLoader::loaded, this, [this](const QImage &image) {
        if (image.isNull())
            return;
        // A detail at its own pixels shows what the quality does; a shrunken whole hides it.
        m_sample = image.copy((image.width() - sampleWidth) / 2,
                              (image.height() - sampleHeight) / 2, sampleWidth, sampleHeight);
        sampleOriginal->setPixmap(QPixmap::fromImage(m_sample));
        ShowQualitySample();
    });

    RadioButton1->setChecked(true);
    RadioButton5->setChecked(true);
    downcaseNames->setChecked(true);
    setQuality(70);
    setSizeIndex(3);
    ShowNameTexts();
    ShowNumber();
    UpdateEnabling();
    ShowExample();
    if (!samplePicture.isEmpty())
        m_sampleLoader->Load(
            QFile::encodeName(samplePicture).toStdString(), [](PixelSize displayed) {
                return FitWithoutEnlarging(displayed, 4 * sampleWidth, 4 * sampleHeight);
            });
}

Tcopywin::~Tcopywin()
{
    m_stop = true;
    m_pool->waitForDone();
}

QWidget *Tcopywin::MakeNamingBox()
{
    auto *box = new QGroupBox(QStringLiteral("File names"), this);
    RadioButton1 = NamedRadio(QStringLiteral("Take original filenames"), "RadioButton1", box);
    RadioButton2 = NamedRadio(QStringLiteral("File name options"), "RadioButton2", box);

    nameOptionsBox = new QGroupBox(box);
    nameOptionsBox->setObjectName(QStringLiteral("nameOptionsBox"));
    RadioButton3 = NamedRadio(QStringLiteral("NEW+original filename"), "RadioButton3", box);
    RadioButton4 = NamedRadio(QStringLiteral("Original filename+NEW"), "RadioButton4", box);
    RadioButton5 = NamedRadio(QStringLiteral("NEW filename + number"), "RadioButton5", box);
    RadioButton6 = NamedRadio(QStringLiteral("Number+ NEW filename"), "RadioButton6", box);
    Edit1 = NameTextEdit("Edit1", nameOptionsBox);
    Edit2 = NameTextEdit("Edit2", nameOptionsBox);
    Edit3 = NameTextEdit("Edit3", nameOptionsBox);
    Edit4 = NameTextEdit("Edit4", nameOptionsBox);
    auto *options = new QGridLayout(nameOptionsBox);
    int row = 0;
    for (auto [radio, edit] : {std::pair{RadioButton3, Edit1}, std::pair{RadioButton4, Edit2},
                               std::pair{RadioButton5, Edit3}, std::pair{RadioButton6, Edit4}}) {
        radio->setParent(nameOptionsBox);
        options->addWidget(radio, row, 0);
        options->addWidget(edit, row++, 1);
    }

    startNumber = NamedLabel("startNumber", box);
    QFont mono = startNumber->font();
    mono.setBold(true);
    startNumber->setFont(mono);
    auto *numbers = new QGridLayout;
    numbers->addWidget(new QLabel(QStringLiteral("Startnumber:"), box), 0, 0);
    numbers->addWidget(startNumber, 0, 1);
    const char *const stepNames[] = {"1", "10", "100"};
    for (int i = 0; i < 3; ++i) {
        const int step = i == 0 ? 1 : i == 1 ? 10 : 100;
        numberUp[i] = new QToolButton(box);
        numberUp[i]->setObjectName(QStringLiteral("numberUp%1").arg(step));
        numberUp[i]->setArrowType(Qt::UpArrow);
        numberUp[i]->setToolTip(QStringLiteral("+%1").arg(step));
        numberUp[i]->setAutoRepeat(true);
        numberDown[i] = new QToolButton(box);
        numberDown[i]->setObjectName(QStringLiteral("numberDown%1").arg(step));
        numberDown[i]->setArrowType(Qt::DownArrow);
        numberDown[i]->setToolTip(QStringLiteral("-%1").arg(step));
        numberDown[i]->setAutoRepeat(true);
        connect(numberUp[i], &QToolButton::clicked, this, [this, step] { StepNumber(step); });
        connect(numberDown[i], &QToolButton::clicked, this, [this, step] { StepNumber(-step); });
        auto *pair = new QHBoxLayout;
        pair->setSpacing(0);
        pair->addWidget(numberDown[i]);
        pair->addWidget(numberUp[i]);
        numbers->addWidget(new QLabel(QString::fromLatin1(stepNames[i]), box), 1, 2 * i,
                           Qt::AlignRight);
        numbers->addLayout(pair, 1, 2 * i + 1);
    }
    resetNumber = NamedButton(QStringLiteral("Reset"), "resetNumber", box);
    numbers->addWidget(resetNumber, 0, 2, 1, 2);
    numberLength = new QSpinBox(box);
    numberLength->setObjectName(QStringLiteral("numberLength"));
    numberLength->setRange(copyNumberLengthMinimum, copyNumberLengthMaximum);
    numberLength->setValue(4);
    numberLength->setToolTip(QStringLiteral("Digits of the number"));
    numbers->addWidget(new QLabel(QStringLiteral("Digits:"), box), 0, 4, Qt::AlignRight);
    numbers->addWidget(numberLength, 0, 5);

    Special = new QGroupBox(QStringLiteral("Special"), box);
    Special->setObjectName(QStringLiteral("Special"));
    Special->setCheckable(true);
    Special->setChecked(false);
    downcaseNames = NamedRadio(QStringLiteral("Downcase filenames"), "downcaseNames", Special);
    upcaseNames = NamedRadio(QStringLiteral("Upcase filenames"), "upcaseNames", Special);
    auto *special = new QHBoxLayout(Special);
    special->addWidget(downcaseNames);
    special->addWidget(upcaseNames);

    overwriteFiles =
        NamedCheck(QStringLiteral("Overwrite file if existing"), "overwriteFiles", box);
    example = NamedLabel("example", box);

    auto *layout = new QVBoxLayout(box);
    layout->addWidget(RadioButton1);
    layout->addWidget(RadioButton2);
    layout->addWidget(nameOptionsBox);
    layout->addLayout(numbers);
    layout->addWidget(Special);
    layout->addWidget(overwriteFiles);
    auto *exampleRow = new QHBoxLayout;
    exampleRow->addWidget(new QLabel(QStringLiteral("Example:"), box));
    exampleRow->addWidget(example, 1);
    layout->addLayout(exampleRow);
    layout->addStretch(1);
    return box;
}

QWidget *Tcopywin::MakeResizeBox()
{
    auto *box = new QGroupBox(QStringLiteral("Resize"), this);
    resizeImages = NamedCheck(QStringLiteral("Resize original images to ..."), "resizeImages", box);
    RadioGroup3 = new QGroupBox(QStringLiteral("New image size"), box);
    RadioGroup3->setObjectName(QStringLiteral("RadioGroup3"));
    sizeButtons = new QButtonGroup(this);
    auto *sizes = new QGridLayout(RadioGroup3);
    int index = 0;
    for (const CopySize &size : copySizes) {
        auto *radio = new QRadioButton(QString::fromLatin1(size.caption), RadioGroup3);
        radio->setObjectName(QStringLiteral("size%1").arg(index));
        sizeButtons->addButton(radio, index);
        sizes->addWidget(radio, index % 5, index / 5);
        ++index;
    }

    ScrollBar1 = new QScrollBar(Qt::Horizontal, box);
    ScrollBar1->setObjectName(QStringLiteral("ScrollBar1"));
    ScrollBar1->setRange(1, 100);
    ScrollBar1->setPageStep(10);
    compressionValue = NamedLabel("compressionValue", box);
    progressive =
        NamedCheck(QStringLiteral("Save images with progressive encoding"), "progressive", box);
    sampleOriginal = NamedLabel("sampleOriginal", box);
    sampleCompressed = NamedLabel("sampleCompressed", box);
    for (QLabel *sample : {sampleOriginal, sampleCompressed}) {
        sample->setFixedSize(sampleWidth, sampleHeight);
        sample->setAlignment(Qt::AlignCenter);
    }

    auto *quality = new QGridLayout;
    quality->addWidget(new QLabel(QStringLiteral("Compression: %"), box), 0, 0);
    quality->addWidget(compressionValue, 0, 1);
    quality->addWidget(ScrollBar1, 1, 0, 1, 3);
    quality->addWidget(new QLabel(QStringLiteral("1% (worse)"), box), 2, 0);
    quality->addWidget(new QLabel(QStringLiteral("100% (best)"), box), 2, 2, Qt::AlignRight);
    auto *samples = new QGridLayout;
    samples->addWidget(new QLabel(QStringLiteral("Original"), box), 0, 0);
    samples->addWidget(new QLabel(QStringLiteral("At this quality"), box), 0, 1);
    samples->addWidget(sampleOriginal, 1, 0);
    samples->addWidget(sampleCompressed, 1, 1);

    auto *layout = new QVBoxLayout(box);
    layout->addWidget(resizeImages);
    layout->addWidget(RadioGroup3);
    layout->addLayout(quality);
    layout->addWidget(progressive);
    layout->addLayout(samples);
    layout->addStretch(1);
    return box;
}

void Tcopywin::ShowNameTexts()
{
    const std::string texts[] = {m_names.Edit1, m_names.Edit2, m_names.Edit3, m_names.Edit4};
    QLineEdit *edits[] = {Edit1, Edit2, Edit3, Edit4};
    for (int i = 0; i < 4; ++i) {
        const QSignalBlocker blocker(edits[i]);
        edits[i]->setText(ToQString(texts[i]));
    }
    ShowExample();
}

int Tcopywin::quality() const
{
    return ScrollBar1->value();
}

void Tcopywin::setQuality(int quality)
{
    ScrollBar1->setValue(std::clamp(quality, 1, 100));
    compressionValue->setText(QString::number(ScrollBar1->value()));
}

int Tcopywin::sizeIndex() const
{
    return std::max(0, sizeButtons->checkedId());
}

void Tcopywin::setSizeIndex(int index)
{
    if (QAbstractButton *button =
            sizeButtons->button(std::clamp(index, 0, static_cast<int>(std::size(copySizes)) - 1)))
        button->setChecked(true);
}

CopyNameOptions Tcopywin::nameOptions() const
{
    CopyNameOptions options;
    options.numberLength = numberLength->value();
    if (Special->isChecked())
        options.letterCase =
            upcaseNames->isChecked() ? CopyLetterCase::upper : CopyLetterCase::lower;
    if (RadioButton2->isChecked()) {
        if (RadioButton3->isChecked()) {
            options.naming = CopyNaming::textBase;
            options.text = ToEngineText(Edit1->text());
        } else if (RadioButton4->isChecked()) {
            options.naming = CopyNaming::baseText;
            options.text = ToEngineText(Edit2->text());
        } else if (RadioButton5->isChecked()) {
            options.naming = CopyNaming::textNumber;
            options.text = ToEngineText(Edit3->text());
        } else {
            options.naming = CopyNaming::numberText;
            options.text = ToEngineText(Edit4->text());
        }
    }
    return options;
}

void Tcopywin::setDestination(const QString &dir)
{
    m_destination = dir.endsWith(QLatin1Char('/')) ? dir : dir + QLatin1Char('/');
    destinationDir->setText(m_destination);
    destinationDir->setToolTip(m_destination);
}

void Tcopywin::Prepare(std::vector<std::string> pictures, const QString &pictureDir)
{
    m_pictures = std::move(pictures);
    m_pictureDir = pictureDir;
    m_refresh.reset();
    UpdateEnabling();
}

std::optional<QString> Tcopywin::ShowFor(std::vector<std::string> pictures,
                                         const QString &pictureDir)
{
    Prepare(std::move(pictures), pictureDir);
    exec();
    return m_refresh;
}

void Tcopywin::UpdateEnabling()
{
    if (m_copying)
        return;
    nameOptionsBox->setEnabled(RadioButton2->isChecked());
    const bool resizing = resizeImages->isChecked();
    for (QWidget *control : std::initializer_list<QWidget *>{RadioGroup3, ScrollBar1, progressive})
        control->setEnabled(resizing);
    startCopy->setText(resizing ? QStringLiteral("Copy and resize pictures")
                                : QStringLiteral("Copy pictures"));
    startCopy->setEnabled(!m_pictures.empty());
}

void Tcopywin::ShowNumber()
{
    // Before the first copy the number is 0, but the first copy will be 1.
    startNumber->setText(ToQString(
        FormatCopyNumber(std::max(m_copyNumber, copyNumberMinimum), numberLength->value())));
}

void Tcopywin::ShowExample()
{
    example->setText(ToQString(ToUtf8(
        BuildCopyName("Testname", nameOptions(), std::max(m_copyNumber, copyNumberMinimum)))));
}

void Tcopywin::StepNumber(int step)
{
    m_copyNumber = StepCopyNumber(m_copyNumber, step);
    ShowNumber();
    ShowExample();
}

void Tcopywin::ResetClick()
{
    m_copyNumber = copyNumberMinimum;
    ShowNumber();
    ShowExample();
}

void Tcopywin::ShowQualitySample()
{
    if (m_sample.isNull())
        return;
    JpegEncodeOptions options;
    options.quality = ScrollBar1->value();
    const JpegEncodeResult encoded = EncodeJpeg(ViewOf(ToRgb(m_sample)), options);
    if (!encoded)
        return;
    const JpegDecodeResult decoded = DecodeJpegBytes(encoded.jpeg);
    if (decoded.image)
        sampleCompressed->setPixmap(QPixmap::fromImage(ToQImage(*decoded.image)));
}

void Tcopywin::SelectDestinationClick()
{
    const QString chosen = FileDialog::getExistingDirectory(
        this, QStringLiteral("Select a destination directory"), m_pictureDir);
    if (!chosen.isEmpty())
        setDestination(chosen);
}

void Tcopywin::SetControlsEnabled(bool enabled)
{
    for (QWidget *control : m_optionControls)
        control->setEnabled(enabled);
    if (enabled)
        UpdateEnabling();
}

void Tcopywin::StartClick()
{
    if (m_copying || m_pictures.empty())
        return;
    const std::string question = "The destination directory of your images will be:\r\r" +
                                 ToEngineText(m_destination) + "\r\rDo you want to proceed ? ";
    if (m_prompts.show("info", question, PromptButtons::OkCancel) != PromptAnswer::Ok)
        return;

    CopyJob job;
    job.pictureDir = QFile::encodeName(m_pictureDir).toStdString();
    job.destinationDir = QFile::encodeName(m_destination).toStdString();
    job.pictures = m_pictures;
    job.naming = nameOptions();
    job.overwrite = overwriteFiles->isChecked();
    if (resizeImages->isChecked()) {
        const CopySize &size = copySizes[sizeIndex()];
        job.resize = ResizeOptions{size.width, size.height, quality(), progressive->isChecked()};
    }

    m_copying = true;
    SetControlsEnabled(false);
    ProgressBar1->setRange(0, std::max(0, static_cast<int>(m_pictures.size()) - 1));
    ProgressBar1->setValue(0);
    m_stop = false;
    const int firstNumber = m_copyNumber;
    m_pool->start([this, job = std::move(job), firstNumber] {
        int number = firstNumber;
        CopySummary summary;
        std::string clashingName;
        CopyEvents events;
        events.renamed = [&clashingName](int, const std::string &clashing, const std::string &) {
            clashingName = clashing;
        };
        events.started = [this, &job](int index, int copyNumber, const std::string &name) {
            QImage preview =
                DecodeDisplayedPicture(job.pictureDir / job.pictures[index], CopyPreviewSize);
            QMetaObject::invokeMethod(
                this,
                [this, index, copyNumber, name = ToQString(ToUtf8(name)),
                 preview = std::move(preview)] { CopyStarted(index, copyNumber, name, preview); },
                Qt::QueuedConnection);
        };
        events.resizing = [this](int) {
            QMetaObject::invokeMethod(
                this,
                [this] {
                    statusField[1]->setText(QStringLiteral("Resizing"));
                    ProgressBar2->setValue(0);
                },
                Qt::QueuedConnection);
        };
        events.encoding = [this](int, int percent) {
            QMetaObject::invokeMethod(
                this, [this, percent] { ProgressBar2->setValue(percent); }, Qt::QueuedConnection);
        };
        events.finished = [this, &job, &summary,
                           &clashingName](int index, const std::filesystem::path &destination,
                                          CopyOutcome outcome, const std::string &) {
            summary.Add({job.pictures[index], destination.filename().string(), 0,
                         std::exchange(clashingName, {})},
                        outcome);
            QMetaObject::invokeMethod(
                this,
                [this] {
                    statusField[1]->clear();
                    ProgressBar2->setValue(0);
                },
                Qt::QueuedConnection);
        };
        CopyPictures(job, number, events, &m_stop);
        QMetaObject::invokeMethod(
            this, [this, number, text = CopyEndMessage(summary)] { CopyFinished(number, text); },
            Qt::QueuedConnection);
    });
}

void Tcopywin::CopyStarted(int index, int number, const QString &name, const QImage &preview)
{
    if (UsesCopyNumber(nameOptions().naming)) {
        m_copyNumber = number;
        ShowNumber();
    }
    ProgressBar1->setValue(index);
    statusField[2]->setText(name);
    if (!preview.isNull()) {
        copyPreview->setPixmap(QPixmap::fromImage(preview));
        copyPreview->setFixedSize(preview.size());
    }
}

void Tcopywin::CopyFinished(int number, const std::string &endMessage)
{
    m_copyNumber = number;
    ShowNumber();
    ShowExample();
    statusField[2]->setText(QStringLiteral("Ready"));
    m_copying = false;
    m_prompts.show("info", endMessage, PromptButtons::Ok);
    SetControlsEnabled(true);
}

void Tcopywin::WaitForCopy()
{
    m_pool->waitForDone();
    QCoreApplication::sendPostedEvents(this);
}

void Tcopywin::BackClick()
{
    if (m_copying)
        return;
    if (useForRefresh->isChecked())
        m_refresh = m_destination;
    else
        m_refresh.reset();
    accept();
}

void Tcopywin::closeEvent(QCloseEvent *event)
{
    // The copy runs to its end; its messages need the window.
    if (m_copying) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void Tcopywin::reject()
{
    if (!m_copying)
        QDialog::reject();
}

} // namespace pagoranto

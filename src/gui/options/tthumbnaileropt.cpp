#include "gui/options/tthumbnaileropt.h"

#include "core/pictures/gradient.h"
#include "core/pictures/jpegdecoder.h"
#include "core/pictures/jpegencoder.h"
#include "gui/platform/colourdialog.h"
#include "gui/platform/filedialog.h"
#include "gui/platform/messagebox.h"
#include "gui/platform/qttext.h"
#include "gui/ui/clickablelabel.h"
#include "gui/ui/fieldlimits.h"
#include "gui/ui/namedwidgets.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPainter>
#include <QRadioButton>
#include <QVBoxLayout>
#include <array>
#include <cmath>

namespace pagoranto {

namespace {

const QString thumbnailConfigFilter = QStringLiteral("Thumbnail Config Datas (*.cct)");

struct SizePreset {
    const char *caption;
    int width;
    int height;
};

constexpr std::array<SizePreset, 12> sizePresets{{
    {"320w X 240h", 320, 240},
    {"240w X 160h", 240, 160},
    {"160w X 120h", 160, 120},
    {"100w X 100h", 100, 100},
    {"90w X 90h", 90, 90},
    {"80w X 80h", 80, 80},
    {"80w X 60h", 80, 60},
    {"70w X 70h", 70, 70},
    {"60w X 60h", 60, 60},
    {"50w X 50h", 50, 50},
    {"40w X 30h", 40, 30},
    {"20w X 15h", 20, 15},
}};
constexpr int initialPreset = 10;

constexpr std::array<const char *, 8> gradientTypes{
    "Elliptic", "Horiz. Center", "Horizontal",   "Radial 1",
    "Radial 2", "Rectangle",     "Vert. Center", "Vertical",
};

// The frame the thumbnailer draws: two rings, light at the top and left, dark below and right.
constexpr int frameRings = 2;
constexpr std::array<int, frameRings> frameLight{255, 208};
constexpr std::array<int, frameRings> frameDark{64, 128};

// Where each gradient type has its start and its end colour, as fractions of the sides.
const std::array<std::array<QPointF, 2>, 8> gradientMarks{{
    {QPointF(0.5, 0.5), QPointF(0.88, 0.88)}, // elliptic
    {QPointF(0.5, 0.5), QPointF(0.1, 0.5)},   // horizontal center
    {QPointF(0.1, 0.5), QPointF(0.9, 0.5)},   // horizontal
    {QPointF(0.5, 0.5), QPointF(0.9, 0.9)},   // radial 1
    {QPointF(0.1, 0.1), QPointF(0.9, 0.9)},   // radial 2
    {QPointF(0.5, 0.5), QPointF(0.1, 0.1)},   // rectangle
    {QPointF(0.5, 0.5), QPointF(0.5, 0.1)},   // vertical center
    {QPointF(0.5, 0.1), QPointF(0.5, 0.9)},   // vertical
}};

constexpr int previewSide = 100;
constexpr int sampleWidth = 160;
constexpr int sampleHeight = 120;

const QEvent::Type compressedEvent = static_cast<QEvent::Type>(QEvent::registerEventType());

struct CompressedSample : QEvent {
    CompressedSample(QImage picture, qsizetype bytes)
        : QEvent(compressedEvent), image(std::move(picture)), size(bytes)
    {
    }
    QImage image;
    qsizetype size;
};

QImage ToQImage(const RgbImage &image)
{
    QImage result(image.width, image.height, QImage::Format_RGB888);
    const auto rowBytes = static_cast<std::size_t>(image.width) * 3;
    for (int y = 0; y < image.height; ++y)
        std::copy_n(image.rgb.data() + y * rowBytes, rowBytes, result.scanLine(y));
    return result;
}

RgbImage ToRgbImage(const QImage &picture)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    RgbImage image;
    image.width = rgb.width();
    image.height = rgb.height();
    const auto rowBytes = static_cast<std::size_t>(image.width) * 3;
    image.rgb.resize(rowBytes * image.height);
    for (int y = 0; y < image.height; ++y)
        std::copy_n(rgb.constScanLine(y), rowBytes, image.rgb.data() + y * rowBytes);
    return image;
}

// A small scene of our own with soft areas and sharp edges, where the blocks of a low quality
// show first.
QImage MakeSample()
{
    QImage sample = ToQImage(RenderGradient(sampleWidth, sampleHeight, 0xE0A040, 0x402010,
                                            static_cast<int>(GradientType::vertical)));
    QPainter painter(&sample);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 220, 120));
    painter.drawEllipse(QPointF(118, 34), 16, 16);
    painter.setBrush(QColor(40, 90, 50));
    painter.drawPolygon(QPolygonF({QPointF(0, 120), QPointF(0, 78), QPointF(46, 52),
                                   QPointF(90, 84), QPointF(160, 70), QPointF(160, 120)}));
    painter.setBrush(QColor(200, 40, 40));
    painter.drawRect(QRectF(18, 84, 26, 22));
    painter.setBrush(QColor(240, 240, 240));
    painter.drawRect(QRectF(24, 90, 6, 6));
    painter.setPen(QColor(255, 255, 255));
    QFont font = painter.font();
    font.setPixelSize(14);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRectF(56, 92, 100, 22), Qt::AlignCenter, QStringLiteral("Abc 123"));
    return sample;
}

QString ColourStyle(const QColor &colour)
{
    return QStringLiteral("background-color: %1; border: 1px solid palette(dark);")
        .arg(colour.name());
}

} // namespace

QColor ToQColor(ColourValue colour)
{
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

ColourValue ToColourValue(const QColor &colour)
{
    return static_cast<ColourValue>(colour.red()) |
           (static_cast<ColourValue>(colour.green()) << 8) |
           (static_cast<ColourValue>(colour.blue()) << 16);
}

// ---- the gradient preview ----

GradientPreview::GradientPreview(QWidget *parent) : QWidget(parent)
{
    setFixedSize(previewSide, previewSide);
}

void GradientPreview::setColours(ColourValue start, ColourValue end)
{
    m_start = start;
    m_end = end;
    update();
}

void GradientPreview::setGradientType(int type)
{
    m_type = type;
    update();
}

void GradientPreview::setFrame(bool frame)
{
    m_frame = frame;
    update();
}

void GradientPreview::setThumbnailShown(bool shown)
{
    m_thumbnail = shown;
    update();
}

QImage GradientPreview::render() const
{
    QImage image = ToQImage(RenderGradient(width(), height(), m_start, m_end, m_type));
    QPainter painter(&image);
    // "1" where the start colour lies, "2" where the end colour does.
    const std::array<QPointF, 2> marks = gradientMarks[static_cast<std::size_t>(
        m_type >= 0 && m_type < static_cast<int>(gradientMarks.size()) ? m_type : 0)];
    QFont font = painter.font();
    font.setPixelSize(11);
    font.setBold(true);
    painter.setFont(font);
    for (int i = 0; i < 2; ++i) {
        const QColor under = ToQColor(i == 0 ? m_start : m_end);
        painter.setPen(under.lightness() > 128 ? Qt::black : Qt::white);
        const QPointF centre(marks[static_cast<std::size_t>(i)].x() * width(),
                             marks[static_cast<std::size_t>(i)].y() * height());
        painter.drawText(QRectF(centre - QPointF(7, 7), QSizeF(14, 14)), Qt::AlignCenter,
                         QString::number(i + 1));
    }
    if (m_thumbnail) {
        const QRect box((width() - 70) / 2, (height() - 60) / 2, 70, 60);
        painter.fillRect(box, QColor(255, 255, 255));
        painter.fillRect(box.adjusted(2, 2, -2, -2), QColor(150, 150, 150));
        font.setBold(false);
        font.setPixelSize(11);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(box, Qt::AlignCenter, QStringLiteral("Thumbnail"));
    }
    if (m_frame) {
        for (int ring = 0; ring < frameRings; ++ring) {
            const int right = width() - 1 - ring;
            const int bottom = height() - 1 - ring;
            const QColor light(frameLight[ring], frameLight[ring], frameLight[ring]);
            const QColor dark(frameDark[ring], frameDark[ring], frameDark[ring]);
            painter.fillRect(QRect(QPoint(ring, ring), QPoint(right, ring)), light);
            painter.fillRect(QRect(QPoint(ring, ring), QPoint(ring, bottom)), light);
            painter.fillRect(QRect(QPoint(ring, bottom), QPoint(right, bottom)), dark);
            painter.fillRect(QRect(QPoint(right, ring), QPoint(right, bottom)), dark);
        }
    }
    return image;
}

void GradientPreview::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, render());
}

// ---- the window ----

TThumbnailerOpt::TThumbnailerOpt(ThumbnailOptions &options, MessageBox &prompts,
                                 QString thumbnailConfigDirectory, QWidget *parent)
    : QDialog(parent), m_options(options), m_prompts(prompts),
      m_thumbnailConfigDirectory(std::move(thumbnailConfigDirectory)), m_sample(MakeSample())
{
    setObjectName(QStringLiteral("TThumbnailerOpt"));
    setWindowTitle(QStringLiteral("Thumbnail options"));
    m_pool.setMaxThreadCount(1);

    thumbdir = new QLineEdit(this);
    thumbdir->setObjectName(QStringLiteral("thumbdir"));
    ApplyFieldLimits(thumbdir, thumbnailFields::thumbdir);
    connect(thumbdir, &QLineEdit::textChanged, this,
            [this](const QString &text) { m_options.thumbdir = ToEngineText(text); });
    auto *dirRow = new QHBoxLayout;
    dirRow->addWidget(new QLabel(QStringLiteral("Name of the thumbnail directory"), this));
    dirRow->addWidget(thumbdir, 1);

    BitBtn3 = new QToolButton(this);
    BitBtn3->setObjectName(QStringLiteral("BitBtn3"));
    BitBtn3->setText(QStringLiteral("Load"));
    BitBtn3->setToolTip(QStringLiteral("Load hidden config datas"));
    BitBtn4 = new QToolButton(this);
    BitBtn4->setObjectName(QStringLiteral("BitBtn4"));
    BitBtn4->setText(QStringLiteral("Save"));
    BitBtn4->setToolTip(QStringLiteral("Save hidden config datas"));
    Button2 = NamedButton(QStringLiteral("Back"), "Button2", this);
    Button2->setDefault(true);
    connect(BitBtn3, &QToolButton::clicked, this, &TThumbnailerOpt::BitBtn3Click);
    connect(BitBtn4, &QToolButton::clicked, this, &TThumbnailerOpt::BitBtn4Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::accept);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(BitBtn3);
    buttons->addWidget(BitBtn4);
    buttons->addStretch();
    buttons->addWidget(Button2);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);

    auto *left = new QVBoxLayout;
    left->addWidget(MakeSizeBox());
    left->addWidget(MakeCompressionBox());
    left->addStretch();
    auto *right = new QVBoxLayout;
    right->addWidget(MakeBackgroundBox());
    right->addWidget(MakePlacementBox());
    right->addLayout(dirRow);
    right->addStretch();
    auto *columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);
    layout->addWidget(StatusBar1);
    ShowOptions();
}

TThumbnailerOpt::~TThumbnailerOpt()
{
    // The preview job posts to this window.
    m_pool.waitForDone();
}

QScrollBar *TThumbnailerOpt::AddScrollBar(const char *name, const NumberField &field, int &value,
                                          QLabel *&label, const char *labelName)
{
    auto *bar = new QScrollBar(Qt::Horizontal, this);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setRange(field.minimum, field.maximum);
    bar->setPageStep(std::max(1, (field.maximum - field.minimum) / 10));
    bar->setMinimumWidth(160);
    label = NamedLabel(labelName, this);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("0000")));
    connect(bar, &QScrollBar::valueChanged, this, [&value, label](int position) {
        value = position;
        label->setText(QString::number(position));
    });
    return bar;
}

QWidget *TThumbnailerOpt::MakeSizeBox()
{
    auto *box = new QGroupBox(QStringLiteral("Thumbnail size"), this);
    auto *presets = new QGroupBox(QStringLiteral("Size"), box);
    presets->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1 = new QButtonGroup(this);
    auto *presetGrid = new QGridLayout(presets);
    for (int i = 0; i < static_cast<int>(sizePresets.size()); ++i) {
        auto *button = new QRadioButton(
            QString::fromLatin1(sizePresets[static_cast<std::size_t>(i)].caption), presets);
        button->setObjectName(QStringLiteral("RadioGroup1_%1").arg(i));
        RadioGroup1->addButton(button, i);
        presetGrid->addWidget(button, i % 6, i / 6);
    }
    RadioGroup1->button(initialPreset)->setChecked(true);
    connect(RadioGroup1, &QButtonGroup::idClicked, this, &TThumbnailerOpt::RadioGroup1Click);

    ScrollBar2 = AddScrollBar("ScrollBar2", thumbnailFields::ScrollBar2, m_options.ScrollBar2,
                              Label7, "Label7");
    ScrollBar3 = AddScrollBar("ScrollBar3", thumbnailFields::ScrollBar3, m_options.ScrollBar3,
                              Label8, "Label8");
    auto *bars = new QGridLayout;
    bars->addWidget(new QLabel(QStringLiteral("Width:"), box), 0, 0);
    bars->addWidget(ScrollBar2, 0, 1);
    bars->addWidget(Label7, 0, 2);
    bars->addWidget(new QLabel(QStringLiteral("Height:"), box), 1, 0);
    bars->addWidget(ScrollBar3, 1, 1);
    bars->addWidget(Label8, 1, 2);
    bars->setColumnStretch(1, 1);

    CheckBox1 = new QCheckBox(QStringLiteral("Greyscaled thumbnails"), box);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    connect(CheckBox1, &QCheckBox::toggled, this, [this](bool on) {
        m_options.CheckBox1 = on;
        UpdateCompressionPreview();
    });

    auto *layout = new QVBoxLayout(box);
    layout->addWidget(presets);
    layout->addLayout(bars);
    layout->addWidget(CheckBox1);
    return box;
}

QWidget *TThumbnailerOpt::MakeCompressionBox()
{
    auto *box = new QGroupBox(QStringLiteral("Compression: %"), this);
    ScrollBar1 = AddScrollBar("ScrollBar1", thumbnailFields::ScrollBar1, m_options.ScrollBar1,
                              Label4, "Label4");
    connect(ScrollBar1, &QScrollBar::valueChanged, this,
            &TThumbnailerOpt::UpdateCompressionPreview);
    auto *ends = new QHBoxLayout;
    ends->addWidget(new QLabel(QStringLiteral("1% (worse)"), box));
    ends->addStretch();
    ends->addWidget(new QLabel(QStringLiteral("100% (best)"), box));
    auto *barRow = new QGridLayout;
    barRow->addWidget(ScrollBar1, 0, 0);
    barRow->addWidget(Label4, 0, 1);
    barRow->addLayout(ends, 1, 0);

    Image1 = NamedLabel("Image1", box);
    Image2 = NamedLabel("Image2", box);
    for (QLabel *image : {Image1, Image2}) {
        image->setFixedSize(sampleWidth, sampleHeight);
        image->setFrameShape(QFrame::Box);
    }
    Image1->setPixmap(QPixmap::fromImage(m_sample));
    compressedSize = NamedLabel("compressedSize", box);
    auto *images = new QGridLayout;
    images->addWidget(new QLabel(QStringLiteral("Uncompressed"), box), 0, 0);
    images->addWidget(new QLabel(QStringLiteral("Compressed"), box), 0, 1);
    images->addWidget(Image1, 1, 0);
    images->addWidget(Image2, 1, 1);
    images->addWidget(compressedSize, 2, 1);

    auto *layout = new QVBoxLayout(box);
    layout->addLayout(barRow);
    layout->addLayout(images);
    return box;
}

QWidget *TThumbnailerOpt::MakeBackgroundBox()
{
    auto *box = new QGroupBox(QStringLiteral("Background of the thumbnails"), this);
    Panel11 = new ClickableLabel(QString(), "Panel11", box);
    Panel12 = new ClickableLabel(QString(), "Panel12", box);
    for (QLabel *panel : {Panel11, Panel12}) {
        panel->setFixedSize(48, 22);
        panel->setCursor(Qt::PointingHandCursor);
        panel->setToolTip(QStringLiteral("Click to choose the colour"));
    }
    Panel11->setOnClick([this] { Panel11Click(); });
    Panel12->setOnClick([this] { Panel12Click(); });
    Button3 = NamedButton(QStringLiteral("Swap colors"), "Button3", box);
    Button1 = NamedButton(QStringLiteral("Select background color"), "Button1", box);
    connect(Button3, &QPushButton::clicked, this, &TThumbnailerOpt::Button3Click);
    connect(Button1, &QPushButton::clicked, this, &TThumbnailerOpt::Button1Click);
    auto *colours = new QGridLayout;
    colours->addWidget(new QLabel(QStringLiteral("1  Start color"), box), 0, 0);
    colours->addWidget(Panel11, 0, 1);
    colours->addWidget(new QLabel(QStringLiteral("2  End color"), box), 1, 0);
    colours->addWidget(Panel12, 1, 1);
    colours->addWidget(Button3, 2, 0, 1, 2);
    colours->addWidget(Button1, 3, 0, 1, 2);

    auto *types = new QGroupBox(QStringLiteral("Gradient type"), box);
    types->setObjectName(QStringLiteral("RadioGroup2"));
    RadioGroup2 = new QButtonGroup(this);
    auto *typeColumn = new QVBoxLayout(types);
    typeColumn->setSpacing(2);
    for (int i = 0; i < static_cast<int>(gradientTypes.size()); ++i) {
        auto *button = new QRadioButton(
            QString::fromLatin1(gradientTypes[static_cast<std::size_t>(i)]), types);
        button->setObjectName(QStringLiteral("RadioGroup2_%1").arg(i));
        RadioGroup2->addButton(button, i);
        typeColumn->addWidget(button);
    }
    connect(RadioGroup2, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (!checked)
            return;
        m_options.RadioGroup2 = id;
        HarmGradient1->setGradientType(id);
    });

    previewPanel = new QWidget(box);
    previewPanel->setObjectName(QStringLiteral("previewPanel"));
    previewPanel->setAutoFillBackground(true);
    HarmGradient1 = new GradientPreview(previewPanel);
    HarmGradient1->setObjectName(QStringLiteral("HarmGradient1"));
    auto *previewLayout = new QVBoxLayout(previewPanel);
    previewLayout->setContentsMargins(14, 14, 14, 14);
    previewLayout->addWidget(HarmGradient1, 0, Qt::AlignCenter);
    Drei3d_check = new QCheckBox(QStringLiteral("+ 3d frame"), box);
    Drei3d_check->setObjectName(QStringLiteral("Drei3d_check"));
    connect(Drei3d_check, &QCheckBox::toggled, this, [this](bool on) {
        m_options.Drei3d_check = on;
        HarmGradient1->setFrame(on);
    });
    CheckBox2 = new QCheckBox(QStringLiteral("Show"), box);
    CheckBox2->setObjectName(QStringLiteral("CheckBox2"));
    CheckBox2->setToolTip(QStringLiteral("Show a thumbnail on the background"));
    connect(CheckBox2, &QCheckBox::toggled, HarmGradient1, &GradientPreview::setThumbnailShown);
    auto *previewColumn = new QVBoxLayout;
    previewColumn->addWidget(previewPanel);
    previewColumn->addWidget(Drei3d_check);
    previewColumn->addWidget(CheckBox2);
    previewColumn->addStretch();

    auto *layout = new QHBoxLayout(box);
    auto *colourColumn = new QVBoxLayout;
    colourColumn->addLayout(colours);
    colourColumn->addStretch();
    layout->addLayout(colourColumn);
    layout->addWidget(types);
    layout->addLayout(previewColumn);
    return box;
}

QWidget *TThumbnailerOpt::MakePlacementBox()
{
    auto *box = new QGroupBox(QStringLiteral("Placing of the picture on the background"), this);
    ScrollBar6 = AddScrollBar("ScrollBar6", thumbnailFields::ScrollBar6, m_options.ScrollBar6,
                              Label14, "Label14");
    ScrollBar5 = AddScrollBar("ScrollBar5", thumbnailFields::ScrollBar5, m_options.ScrollBar5,
                              Label13, "Label13");
    ScrollBar4 = AddScrollBar("ScrollBar4", thumbnailFields::ScrollBar4, m_options.ScrollBar4,
                              Label10, "Label10");
    auto *grid = new QGridLayout(box);
    grid->addWidget(new QLabel(QStringLiteral("edge horiz."), box), 0, 0);
    grid->addWidget(ScrollBar6, 0, 1);
    grid->addWidget(Label14, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("edge vert."), box), 1, 0);
    grid->addWidget(ScrollBar5, 1, 1);
    grid->addWidget(Label13, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Borderwidth of the placed thumbnail:"), box), 2, 0,
                    1, 3);
    grid->addWidget(ScrollBar4, 3, 1);
    grid->addWidget(Label10, 3, 2);
    grid->addWidget(new QLabel(QStringLiteral("pixel"), box), 3, 3);
    grid->setColumnStretch(1, 1);
    return box;
}

void TThumbnailerOpt::ShowOptions()
{
    // Each control writes back into the options as it is set; set them from a copy.
    const ThumbnailOptions shown = m_options;
    ScrollBar2->setValue(shown.ScrollBar2);
    ScrollBar3->setValue(shown.ScrollBar3);
    ScrollBar1->setValue(shown.ScrollBar1);
    ScrollBar6->setValue(shown.ScrollBar6);
    ScrollBar5->setValue(shown.ScrollBar5);
    ScrollBar4->setValue(shown.ScrollBar4);
    // A bar already at the value sends no change, and its label would stay empty.
    for (auto [bar, label] : {std::pair{ScrollBar2, Label7},
                              {ScrollBar3, Label8},
                              {ScrollBar1, Label4},
                              {ScrollBar6, Label14},
                              {ScrollBar5, Label13},
                              {ScrollBar4, Label10}})
        label->setText(QString::number(bar->value()));
    CheckBox1->setChecked(shown.CheckBox1);
    Drei3d_check->setChecked(shown.Drei3d_check);
    HarmGradient1->setFrame(shown.Drei3d_check);
    if (QAbstractButton *type = RadioGroup2->button(shown.RadioGroup2))
        type->setChecked(true);
    HarmGradient1->setGradientType(shown.RadioGroup2);
    thumbdir->setText(ToQString(shown.thumbdir));
    m_options = shown;
    ShowColours();
}

void TThumbnailerOpt::ShowColours()
{
    Panel11->setStyleSheet(ColourStyle(ToQColor(m_options.Panel11)));
    Panel12->setStyleSheet(ColourStyle(ToQColor(m_options.Panel12)));
    HarmGradient1->setColours(m_options.Panel11, m_options.Panel12);
}

void TThumbnailerOpt::SetPreviewBackground(const QColor &colour)
{
    QPalette palette = previewPanel->palette();
    palette.setColor(QPalette::Window, colour);
    previewPanel->setPalette(palette);
}

QColor TThumbnailerOpt::previewBackground() const
{
    return previewPanel->palette().color(QPalette::Window);
}

int TThumbnailerOpt::ShowModal()
{
    QWidget *const promptParent = m_prompts.parentWindow();
    m_prompts.setParentWindow(this);
    const int result = exec();
    m_prompts.setParentWindow(promptParent);
    return result;
}

void TThumbnailerOpt::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    ShowColours();
    SetPreviewBackground(ToQColor(m_options.Panel11));
    UpdateCompressionPreview();
}

void TThumbnailerOpt::RadioGroup1Click(int index)
{
    if (index < 0 || index >= static_cast<int>(sizePresets.size()))
        return;
    const SizePreset &preset = sizePresets[static_cast<std::size_t>(index)];
    ScrollBar2->setEnabled(true);
    ScrollBar3->setEnabled(true);
    ScrollBar2->setValue(preset.width);
    ScrollBar3->setValue(preset.height);
}

void TThumbnailerOpt::Panel11Click()
{
    const QColor colour =
        ColourDialog::getColour(this, ToQColor(m_options.Panel11), QStringLiteral("Start color"));
    if (!colour.isValid())
        return;
    m_options.Panel11 = ToColourValue(colour);
    ShowColours();
    SetPreviewBackground(colour);
}

void TThumbnailerOpt::Panel12Click()
{
    const QColor colour =
        ColourDialog::getColour(this, ToQColor(m_options.Panel12), QStringLiteral("End color"));
    if (!colour.isValid())
        return;
    m_options.Panel12 = ToColourValue(colour);
    ShowColours();
}

void TThumbnailerOpt::Button3Click()
{
    std::swap(m_options.Panel11, m_options.Panel12);
    ShowColours();
    SetPreviewBackground(ToQColor(m_options.Panel11));
}

void TThumbnailerOpt::Button1Click()
{
    const QColor colour =
        ColourDialog::getColour(this, previewBackground(), QStringLiteral("Background color"));
    if (colour.isValid())
        SetPreviewBackground(colour);
}

QString TThumbnailerOpt::ConfigDirectory() const
{
    QDir().mkpath(m_thumbnailConfigDirectory);
    return m_thumbnailConfigDirectory;
}

bool TThumbnailerOpt::LoadThumbnailConfigData(const QString &path)
{
    ThumbnailerFile file{{}, {}, m_options};
    if (!ReadThumbnailerOptions(QFile::encodeName(path).toStdString(), file))
        return false;
    m_options = file.options;
    ShowOptions();
    return true;
}

bool TThumbnailerOpt::SaveThumbnailConfigData(const QString &path)
{
    ThumbnailerFile file = m_destination ? m_destination() : ThumbnailerFile{};
    file.options = m_options;
    return WriteThumbnailerOptions(QFile::encodeName(path).toStdString(), file);
}

void TThumbnailerOpt::BitBtn3Click()
{
    const QString file =
        FileDialog::getOpenFileName(this, QStringLiteral("LOAD thumbnail config datas"),
                                    ConfigDirectory(), thumbnailConfigFilter);
    if (file.isEmpty())
        return;
    if (!LoadThumbnailConfigData(file)) {
        m_prompts.show("ERROR",
                       "Unable to load the thumbnail config datas !\r" + ToEngineText(file),
                       PromptButtons::Ok);
        return;
    }
    StatusBar1->showMessage(QFileInfo(file).fileName());
    // Swapped twice: as loaded, with the preview and its background refreshed.
    Button3Click();
    Button3Click();
}

void TThumbnailerOpt::BitBtn4Click()
{
    const QString file = FileDialog::getSaveFileName(
        this, QStringLiteral("SAVE thumbnail config datas"), ConfigDirectory(),
        thumbnailConfigFilter, QStringLiteral("cct"));
    if (file.isEmpty())
        return;
    if (!SaveThumbnailConfigData(file)) {
        m_prompts.show("Save error",
                       "Unable to save the thumbnail config datas !\r" + ToEngineText(file),
                       PromptButtons::Ok);
        return;
    }
    StatusBar1->showMessage(QFileInfo(file).fileName());
}

void TThumbnailerOpt::UpdateCompressionPreview()
{
    if (m_compressing) {
        m_compressAgain = true;
        return;
    }
    m_compressing = true;
    m_compressAgain = false;
    JpegEncodeOptions encoding;
    encoding.quality = m_options.ScrollBar1;
    encoding.greyscale = m_options.CheckBox1;
    m_pool.start([this, sample = ToRgbImage(m_sample), encoding] {
        const JpegEncodeResult encoded = EncodeJpeg(ViewOf(sample), encoding);
        QImage shown;
        if (encoded) {
            const JpegDecodeResult decoded = DecodeJpegBytes(encoded.jpeg);
            if (decoded)
                shown = ToQImage(*decoded.image);
        }
        QCoreApplication::postEvent(
            this, new CompressedSample(shown, static_cast<qsizetype>(encoded.jpeg.size())));
    });
}

void TThumbnailerOpt::customEvent(QEvent *event)
{
    if (event->type() != compressedEvent) {
        QDialog::customEvent(event);
        return;
    }
    const auto *result = static_cast<CompressedSample *>(event);
    Image2->setPixmap(QPixmap::fromImage(result->image));
    compressedSize->setText(result->image.isNull() ? QStringLiteral("?")
                                                   : QStringLiteral("%1 bytes").arg(result->size));
    m_compressing = false;
    if (m_compressAgain)
        UpdateCompressionPreview();
}

} // namespace pagoranto

#include "gui/options/specialoptionspanel.h"

#include "core/generator/pagenames.h"
#include "gui/platform/qttext.h"
#include "gui/ui/fieldlimits.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace pagoranto {

namespace {

constexpr std::array<const char *, 8> aspectRatioCaptions = {
    "100x100", "200x200", "300x300", "400x400", "320x240", "640x480", "800x600", "1024x768"};

} // namespace

SpecialOptionsPanel::SpecialOptionsPanel(PageNameOptions &names, SpecialOptions &special,
                                         WebSizeOptions &webSizeOptions, PageCounter &counter,
                                         QWidget *parent)
    : QWidget(parent), m_names(names), m_special(special), m_counter(counter)
{
    setObjectName(QStringLiteral("Panel11"));

    auto *pageNames = new QGroupBox(QStringLiteral("Page names"), this);
    auto *nameForm = new QFormLayout(pageNames);
    ownfilename = new QLineEdit(this);
    ownfilename->setObjectName(QStringLiteral("ownfilename"));
    ApplyFieldLimits(ownfilename, pageNameFields::ownfilename);
    usedifferentfirst = new QCheckBox(QStringLiteral("Filename for the first page"), this);
    usedifferentfirst->setObjectName(QStringLiteral("usedifferentfirst"));
    differentfilename = new QLineEdit(this);
    differentfilename->setObjectName(QStringLiteral("differentfilename"));
    ApplyFieldLimits(differentfilename, pageNameFields::differentfilename);
    ScrollBar4 = new QSpinBox(this);
    ScrollBar4->setObjectName(QStringLiteral("ScrollBar4"));
    ApplyFieldLimits(ScrollBar4, pageNameFields::ScrollBar4);
    nameForm->addRow(QStringLiteral("Own page name"), ownfilename);
    nameForm->addRow(usedifferentfirst, differentfilename);
    nameForm->addRow(QStringLiteral("Length of number"), ScrollBar4);
    connect(ownfilename, &QLineEdit::textChanged, this,
            [this](const QString &text) { m_names.ownfilename = ToEngineText(text); });
    connect(differentfilename, &QLineEdit::textChanged, this,
            [this](const QString &text) { m_names.differentfilename = ToEngineText(text); });
    connect(usedifferentfirst, &QCheckBox::toggled, this, [this](bool on) {
        m_names.usedifferentfirst = on;
        differentfilename->setEnabled(on);
    });
    connect(ScrollBar4, &QSpinBox::valueChanged, this, [this](int length) {
        m_names.ScrollBar4 = length;
        ShowPageCounter();
    });

    auto *run = new QGroupBox(QStringLiteral("Creation"), this);
    auto *runColumn = new QVBoxLayout(run);
    filecopyallowed = new QCheckBox(
        QStringLiteral("Copy file list automatically into the destination directory"), this);
    filecopyallowed->setObjectName(QStringLiteral("filecopyallowed"));
    createthumbnails = new QCheckBox(this);
    createthumbnails->setObjectName(QStringLiteral("createthumbnails"));
    Label53 = new QLabel(QStringLiteral("Create thumbnails"), this);
    Label53->setObjectName(QStringLiteral("Label53"));
    Label53->setBuddy(createthumbnails);
    pagecompressor = new QCheckBox(QStringLiteral("Compress the html pages"), this);
    pagecompressor->setObjectName(QStringLiteral("pagecompressor"));
    auto *thumbnailRow = new QHBoxLayout;
    thumbnailRow->addWidget(createthumbnails);
    thumbnailRow->addWidget(Label53, 1);
    runColumn->addWidget(filecopyallowed);
    runColumn->addLayout(thumbnailRow);
    webSize = new WebSizeControls(webSizeOptions, this);
    runColumn->addWidget(webSize);
    runColumn->addWidget(pagecompressor);
    runColumn->addStretch();
    connect(filecopyallowed, &QCheckBox::toggled, this,
            [this](bool on) { m_special.filecopyallowed = on; });
    connect(createthumbnails, &QCheckBox::toggled, this,
            [this](bool on) { m_special.createthumbnails = on; });
    connect(pagecompressor, &QCheckBox::toggled, this,
            [this](bool on) { m_special.pagecompressor = on; });

    auto *layout = new QGridLayout(this);
    layout->addWidget(pageNames, 0, 0);
    layout->addWidget(MakeCounterBox(), 0, 1);
    layout->addWidget(MakePictureBox(), 1, 0);
    layout->addWidget(run, 1, 1);
    layout->setRowStretch(2, 1);
    ShowOptions();
}

QWidget *SpecialOptionsPanel::MakeCounterBox()
{
    auto *box = new QGroupBox(QStringLiteral("Page counter"), this);
    auto *column = new QVBoxLayout(box);
    Label38 = new QLabel(box);
    Label38->setObjectName(QStringLiteral("Label38"));
    Label38->setFrameShape(QFrame::StyledPanel);
    Label38->setAlignment(Qt::AlignCenter);
    QFont counterFont = Label38->font();
    counterFont.setPointSizeF(counterFont.pointSizeF() * 1.4);
    counterFont.setBold(true);
    Label38->setFont(counterFont);
    column->addWidget(Label38);
    auto *spins = new QHBoxLayout;
    AddSpinButtons(spins, CounterSpin::SpinButton3, QStringLiteral("1"), SpinButton3Up,
                   SpinButton3Down);
    AddSpinButtons(spins, CounterSpin::SpinButton2, QStringLiteral("10"), SpinButton2Up,
                   SpinButton2Down);
    AddSpinButtons(spins, CounterSpin::SpinButton1, QStringLiteral("100"), SpinButton1Up,
                   SpinButton1Down);
    column->addLayout(spins);
    Button22 = new QPushButton(QStringLiteral("Set to '1'"), box);
    Button22->setObjectName(QStringLiteral("Button22"));
    connect(Button22, &QPushButton::clicked, this, [this] {
        m_counter.setToOne();
        ShowPageCounter();
        emit pageCounterChanged();
    });
    Counterreset = new QCheckBox(QStringLiteral("Set counter on 1 after creation"), box);
    Counterreset->setObjectName(QStringLiteral("Counterreset"));
    connect(Counterreset, &QCheckBox::toggled, this,
            [this](bool on) { m_names.Counterreset = on; });
    column->addWidget(Button22);
    column->addWidget(Counterreset);
    return box;
}

void SpecialOptionsPanel::AddSpinButtons(QLayout *row, CounterSpin spin, const QString &step,
                                         QToolButton *&up, QToolButton *&down)
{
    const QString names[] = {QStringLiteral("SpinButton3"), QStringLiteral("SpinButton2"),
                             QStringLiteral("SpinButton1")};
    const QString name = names[static_cast<int>(spin)];
    up = new QToolButton(this);
    up->setObjectName(name + QStringLiteral("Up"));
    up->setText(QStringLiteral("+") + step);
    down = new QToolButton(this);
    down->setObjectName(name + QStringLiteral("Down"));
    down->setText(QStringLiteral("-") + step);
    row->addWidget(up);
    row->addWidget(down);
    connect(up, &QToolButton::clicked, this, [this, spin] {
        if (m_counter.stepUp(spin)) {
            ShowPageCounter();
            emit pageCounterChanged();
        }
    });
    connect(down, &QToolButton::clicked, this, [this, spin] {
        if (m_counter.stepDown(spin)) {
            ShowPageCounter();
            emit pageCounterChanged();
        }
    });
}

QWidget *SpecialOptionsPanel::MakePictureBox()
{
    auto *box = new QGroupBox(QStringLiteral("Picture size of $PIC$"), this);
    auto *grid = new QGridLayout(box);
    AspectRatio = new QCheckBox(QStringLiteral("Calculate aspect ratio for the pictures"), box);
    AspectRatio->setObjectName(QStringLiteral("AspectRatio"));
    grid->addWidget(AspectRatio, 0, 0, 1, 4);
    aspectRatioBoxes = new QButtonGroup(box);
    for (int i = 0; i < static_cast<int>(aspectRatioCaptions.size()); ++i) {
        auto *button = new QRadioButton(QString::fromLatin1(aspectRatioCaptions[i]), box);
        button->setObjectName(QStringLiteral("AspectRatioBox%1").arg(i + 1));
        aspectRatioBoxes->addButton(button, i);
        grid->addWidget(button, 1 + i / 4, i % 4);
    }
    connect(AspectRatio, &QCheckBox::toggled, this, [this](bool on) {
        m_special.AspectRatio = on;
        for (QAbstractButton *button : aspectRatioBoxes->buttons())
            button->setEnabled(on);
    });
    connect(aspectRatioBoxes, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            m_special.aspectRatioBox = static_cast<AspectRatioBox>(id);
    });
    return box;
}

void SpecialOptionsPanel::ShowOptions()
{
    const PageNameOptions names = m_names;
    const SpecialOptions special = m_special;
    ownfilename->setText(ToQString(names.ownfilename));
    differentfilename->setText(ToQString(names.differentfilename));
    usedifferentfirst->setChecked(names.usedifferentfirst);
    differentfilename->setEnabled(names.usedifferentfirst);
    ScrollBar4->setValue(names.ScrollBar4);
    Counterreset->setChecked(names.Counterreset);
    AspectRatio->setChecked(special.AspectRatio);
    aspectRatioBoxes->button(static_cast<int>(special.aspectRatioBox))->setChecked(true);
    for (QAbstractButton *button : aspectRatioBoxes->buttons())
        button->setEnabled(special.AspectRatio);
    filecopyallowed->setChecked(special.filecopyallowed);
    createthumbnails->setChecked(special.createthumbnails);
    pagecompressor->setChecked(special.pagecompressor);
    webSize->ShowOptions();
    ShowPageCounter();
}

void SpecialOptionsPanel::ShowPageCounter()
{
    Label38->setText(ToQString(FormatPageNumber(m_counter.value(), m_names.ScrollBar4)));
}

void SpecialOptionsPanel::DisableThumbnailCreation()
{
    createthumbnails->setChecked(false);
    createthumbnails->setEnabled(false);
    Label53->setEnabled(false);
}

} // namespace pagoranto

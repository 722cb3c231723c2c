#include "gui/options/thiddenoptwindow.h"

#include "core/options/hiddenoptionsfile.h"
#include "gui/options/tbefehlsinfofenster.h"
#include "gui/platform/filedialog.h"
#include "gui/platform/messagebox.h"
#include "gui/platform/qttext.h"
#include "gui/ui/fieldlimits.h"
#include "gui/ui/namedwidgets.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace pagoranto {

namespace {

const QString hiddenConfigFilter = QStringLiteral("Hidden Config Datas (*.chd)");

constexpr TextField addressField{
    .maxLength = 200,
    .allowed = "-./0123456789:ABCDEFGHIJKLMNOPQRSTUVWXYZ_abcdefghijklmnopqrstuvwxyz"};

constexpr std::string_view showHint =
    "If you like to use one of the following options:\r\r"
    "Show filename, Show dimensions, Show filesize, Show comment\r\r"
    "then please recognize,\r"
    "that you should place the $tpic$-commands in cells of a table,\r"
    "otherwise you're about to create an very unsatisfying gallery ! ;-)";

std::string EmptyEntryMessage(std::string_view command)
{
    return "You want to use the hidden command: " + std::string(command) +
           ",\rbut your entry is empty.\rThis option will be deactivated !";
}

void CheckRadio(QButtonGroup *group, int id)
{
    if (QAbstractButton *button = group->button(id))
        button->setChecked(true);
}

} // namespace

Thiddenoptwindow::Thiddenoptwindow(HiddenOptions &options, MessageBox &prompts,
                                   QString hiddenConfigDirectory, QWidget *parent)
    : QDialog(parent), m_options(options), m_prompts(prompts),
      m_hiddenConfigDirectory(std::move(hiddenConfigDirectory))
{
    setObjectName(QStringLiteral("Thiddenoptwindow"));
    setWindowTitle(QStringLiteral("Hidden options"));

    auto *hint = new QLabel(
        QStringLiteral(" (maybe insert --> $count$ , $total$ , $freetext$, $time$, $dateeng$, "
                       "$datenger$)"),
        this);
    hint->setObjectName(QStringLiteral("hintLabel"));
    tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("PageControl1"));
    tabs->addTab(CreateCommandsTab(), QStringLiteral("Hidden commands"));
    tabs->addTab(CreateThumbnailTab(), QStringLiteral("Alternative texts and thumbnail info"));
    tabs->addTab(CreateLinksTab(), QStringLiteral("Special links"));
    tabs->addTab(CreateHtmlTab(), QStringLiteral("$Html0$ .. $Html9$"));

    SpeedButton1 = NamedButton(QStringLiteral("Activate options"), "SpeedButton1", this);
    SpeedButton2 = NamedButton(QStringLiteral("Deactivate options"), "SpeedButton2", this);
    Button2 = NamedButton(QStringLiteral("Navigate,page,date,time"), "Button2", this);
    Button2->setToolTip(QStringLiteral("Options of the navigation bar, page, date and time"));
    BitBtn3 = new QToolButton(this);
    BitBtn3->setObjectName(QStringLiteral("BitBtn3"));
    BitBtn3->setText(QStringLiteral("Load"));
    BitBtn3->setToolTip(QStringLiteral("Load hidden config datas"));
    BitBtn4 = new QToolButton(this);
    BitBtn4->setObjectName(QStringLiteral("BitBtn4"));
    BitBtn4->setText(QStringLiteral("Save"));
    BitBtn4->setToolTip(QStringLiteral("Save hidden config datas"));
    Label5 = NamedLabel("Label5", this);
    Button1 = NamedButton(QStringLiteral("Back"), "Button1", this);
    // Enter in a field means "Back", whichever button had the focus last.
    for (QPushButton *button : findChildren<QPushButton *>())
        button->setAutoDefault(false);
    Button1->setDefault(true);
    connect(SpeedButton1, &QPushButton::clicked, this, &Thiddenoptwindow::SpeedButton1Click);
    connect(SpeedButton2, &QPushButton::clicked, this, &Thiddenoptwindow::SpeedButton2Click);
    connect(Button2, &QPushButton::clicked, this, &Thiddenoptwindow::navigationBarOptionsRequested);
    connect(BitBtn3, &QToolButton::clicked, this, &Thiddenoptwindow::BitBtn3Click);
    connect(BitBtn4, &QToolButton::clicked, this, &Thiddenoptwindow::BitBtn4Click);
    connect(Button1, &QPushButton::clicked, this, &Thiddenoptwindow::Button1Click);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(SpeedButton1);
    buttons->addWidget(SpeedButton2);
    buttons->addWidget(Button2);
    buttons->addSpacing(16);
    buttons->addWidget(BitBtn3);
    buttons->addWidget(BitBtn4);
    buttons->addWidget(Label5, 1);
    buttons->addWidget(Button1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addWidget(tabs, 1);
    layout->addLayout(buttons);
    resize(760, 560);
    ShowOptions();
}

QWidget *Thiddenoptwindow::CreateCommandsTab()
{
    auto *tab = new QWidget(this);
    auto *grid = new QGridLayout(tab);
    int row = 0;
    const auto addRow = [&](QCheckBox *use, QWidget *field, QToolButton *help) {
        grid->addWidget(use, row++, 0, 1, 2);
        grid->addWidget(field, row, 0);
        grid->addWidget(help, row++, 1);
    };
    usecommentcommand = AddUseBox("usecommentcommand", QStringLiteral("Enter your comment"),
                                  m_options.usecommentcommand);
    hcomment = AddCheckedText("hcomment", hiddenFields::hcomment, m_options.hcomment,
                              HiddenTextField::hcomment);
    addRow(usecommentcommand, hcomment, AddHelpButton(3, "comment"));
    useauthorcommand = AddUseBox("useauthorcommand",
                                 QStringLiteral("Enter author name and copyright informations"),
                                 m_options.useauthorcommand);
    hauthor = AddCheckedText("hauthor", hiddenFields::hauthor, m_options.hauthor,
                             HiddenTextField::hauthor);
    addRow(useauthorcommand, hauthor, AddHelpButton(4, "author"));
    usekeywordscommand =
        AddUseBox("usekeywordscommand",
                  QStringLiteral(
                      "Enter your keywords for the search engines (keywords separated with comma)"),
                  m_options.usekeywordscommand);
    hkeywords = AddCheckedText("hkeywords", hiddenFields::hkeywords, m_options.hkeywords,
                               HiddenTextField::hkeywords);
    addRow(usekeywordscommand, hkeywords, AddHelpButton(5, "keywords"));
    usepagecommand = AddUseBox("usepagecommand", QStringLiteral("Enter your page title"),
                               m_options.usepagecommand);
    hpagetitle = AddCheckedText("hpagetitle", hiddenFields::hpagetitle, m_options.hpagetitle,
                                HiddenTextField::hpagetitle);
    addRow(usepagecommand, hpagetitle, AddHelpButton(6, "title"));

    usetargetcommand =
        AddUseBox("usetargetcommand", QStringLiteral("Enter $TPIC$ target (Usefull for frames)"),
                  m_options.usetargetcommand);
    htarget = AddCheckedText("htarget", hiddenFields::htarget, m_options.htarget,
                             HiddenTextField::htarget);
    ComboBox1 = new QComboBox(tab);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->addItems({QStringLiteral("_self"), QStringLiteral("_blank"),
                         QStringLiteral("_parent"), QStringLiteral("_top")});
    ComboBox1->setCurrentIndex(-1);
    ComboBox1->setPlaceholderText(QStringLiteral("Targets"));
    connect(ComboBox1, &QComboBox::activated, this, [this](int index) {
        const QString item = ComboBox1->itemText(index);
        // Focus has left the field, so there is rarely a selection left to replace; adding
        // the item to the old target would make a name no browser knows.
        if (htarget->hasSelectedText())
            htarget->insert(item);
        else
            htarget->setText(item);
        htarget->setFocus();
    });
    auto *target = new QWidget(tab);
    auto *targetRow = new QHBoxLayout(target);
    targetRow->setContentsMargins(0, 0, 0, 0);
    targetRow->addWidget(htarget, 1);
    targetRow->addWidget(ComboBox1);
    addRow(usetargetcommand, target, AddHelpButton(7, "target"));
    grid->setRowStretch(row, 1);
    return tab;
}

QWidget *Thiddenoptwindow::CreateThumbnailTab()
{
    auto *tab = new QWidget(this);
    auto *layout = new QGridLayout(tab);
    const QStringList alternatives = {QStringLiteral("Filename as alternative text"),
                                      QStringLiteral("Own alternative text")};
    QWidget *thumbBox = nullptr;
    radioalternative =
        AddRadioGroup("radioalternative", QStringLiteral("Alternative text for $TPIC$"),
                      alternatives, m_options.radioalternative, thumbBox);
    alternativetext = AddCheckedText("alternativetext", hiddenFields::alternativetext,
                                     m_options.alternativetext, HiddenTextField::alternativetext);
    thumbBox->layout()->addWidget(alternativetext);
    QWidget *picBox = nullptr;
    radioPICalternative =
        AddRadioGroup("radioPICalternative", QStringLiteral("Alternative text for $PIC$"),
                      alternatives, m_options.radioPICalternative, picBox);
    alternativePPIICCtext =
        AddCheckedText("alternativePPIICCtext", hiddenFields::alternativePPIICCtext,
                       m_options.alternativePPIICCtext, HiddenTextField::alternativePPIICCtext);
    picBox->layout()->addWidget(alternativePPIICCtext);
    layout->addWidget(thumbBox, 0, 0);
    layout->addWidget(AddHelpButton(8, "alternative"), 0, 1, Qt::AlignTop);
    layout->addWidget(picBox, 1, 0);

    auto *info = new QGroupBox(QStringLiteral("Extended information under the thumbnails"), tab);
    auto *infoGrid = new QGridLayout(info);
    showfilename = AddFlag("showfilename", QStringLiteral("Show filename"), m_options.showfilename);
    showfilenamewithextension =
        AddFlag("showfilenamewithextension", QStringLiteral("with extension"),
                m_options.showfilenamewithextension);
    showdimensions = AddFlag("showdimensions", QStringLiteral("Show dimensions [WxH]"),
                             m_options.showdimensions);
    showfilesize =
        AddFlag("showfilesize", QStringLiteral("Show filesize in kb"), m_options.showfilesize);
    showcomment = AddFlag("showcomment", QStringLiteral("Show descrip."), m_options.showcomment);
    showfullcomment =
        AddFlag("showfullcomment", QStringLiteral("full descrip."), m_options.showfullcomment);
    infoGrid->addWidget(showfilename, 0, 0);
    infoGrid->addWidget(showfilenamewithextension, 0, 1);
    infoGrid->addWidget(showdimensions, 1, 0);
    infoGrid->addWidget(showfilesize, 2, 0);
    infoGrid->addWidget(showcomment, 3, 0);
    infoGrid->addWidget(showfullcomment, 3, 1);
    layout->addWidget(info, 2, 0);
    layout->addWidget(AddHelpButton(9, "information"), 2, 1, Qt::AlignTop);
    layout->setRowStretch(3, 1);
    return tab;
}

QWidget *Thiddenoptwindow::CreateLinksTab()
{
    auto *tab = new QWidget(this);
    auto *layout = new QGridLayout(tab);
    QWidget *picBox = nullptr;
    RadioGroup1 = AddRadioGroup("RadioGroup1", QStringLiteral("$PIC$ special"),
                                {QStringLiteral("Link to original image (..if only $pic$ found)"),
                                 QStringLiteral("Link to http-adress")},
                                m_options.RadioGroup1, picBox);
    Edit2 = AddText("Edit2", addressField, m_options.Edit2);
    picspecial = AddFlag("picspecial", QStringLiteral("Use $pic$ special"), m_options.picspecial);
    picBox->layout()->addWidget(Edit2);
    picBox->layout()->addWidget(picspecial);
    QWidget *tpicBox = nullptr;
    RadioGroup2 =
        AddRadioGroup("RadioGroup2", QStringLiteral("$TPIC$ special"),
                      {QStringLiteral("Don't link to original pictures (..if only $tpic$ found)"),
                       QStringLiteral("Link to http-adress")},
                      m_options.RadioGroup2, tpicBox);
    Edit1 = AddText("Edit1", addressField, m_options.Edit1);
    tpicspecial =
        AddFlag("tpicspecial", QStringLiteral("Use $tpic$ special"), m_options.tpicspecial);
    tpicBox->layout()->addWidget(Edit1);
    tpicBox->layout()->addWidget(tpicspecial);
    layout->addWidget(picBox, 0, 0);
    layout->addWidget(tpicBox, 1, 0);
    layout->setRowStretch(2, 1);
    return tab;
}

QWidget *Thiddenoptwindow::CreateHtmlTab()
{
    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setWidgetResizable(true);
    auto *fields = new QWidget(ScrollBox1);
    auto *grid = new QGridLayout(fields);
    for (std::size_t i = 0; i < editfield_html.size(); ++i) {
        const QByteArray name = "editfield_html" + QByteArray::number(static_cast<int>(i));
        editfield_html[i] =
            AddText(name.constData(), hiddenFields::editfield_html[i], m_options.editfield_html[i]);
        const int row = static_cast<int>(i) * 2;
        grid->addWidget(
            new QLabel(QStringLiteral("Enter the html tags for the $Html%1$ tag").arg(i), fields),
            row, 0);
        grid->addWidget(editfield_html[i], row + 1, 0);
    }
    grid->addWidget(AddHelpButton(10, "html"), 0, 1);
    grid->setRowStretch(static_cast<int>(editfield_html.size()) * 2, 1);
    ScrollBox1->setWidget(fields);
    return ScrollBox1;
}

QCheckBox *Thiddenoptwindow::AddUseBox(const char *name, const QString &caption, bool &value)
{
    QCheckBox *box = AddFlag(name, caption, value);
    connect(box, &QCheckBox::toggled, this, &Thiddenoptwindow::useCommandsChanged);
    return box;
}

QCheckBox *Thiddenoptwindow::AddFlag(const char *name, const QString &caption, bool &value)
{
    auto *box = new QCheckBox(caption, this);
    box->setObjectName(QString::fromLatin1(name));
    connect(box, &QCheckBox::toggled, this, [&value](bool on) { value = on; });
    return box;
}

QLineEdit *Thiddenoptwindow::AddText(const char *name, const TextField &limits, std::string &value)
{
    auto *edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(name));
    ApplyFieldLimits(edit, limits);
    connect(edit, &QLineEdit::textChanged, this, [edit, &value](const QString &text) {
        value = ToEngineText(text);
        edit->setToolTip(text);
    });
    return edit;
}

QLineEdit *Thiddenoptwindow::AddCheckedText(const char *name, const TextField &limits,
                                            std::string &value, HiddenTextField field)
{
    auto *edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(name));
    ApplyFieldLimits(edit, limits);
    connect(edit, &QLineEdit::textChanged, this, [this, edit, &value, field](const QString &text) {
        std::string checked = ToEngineText(text);
        const bool changed = CheckForbiddenTexts(field, checked, m_prompts);
        value = checked;
        edit->setToolTip(ToQString(checked));
        // Setting the corrected text is a change of its own and is checked again, so
        // every occurrence goes in the end.
        if (changed)
            edit->setText(ToQString(checked));
    });
    return edit;
}

QButtonGroup *Thiddenoptwindow::AddRadioGroup(const char *name, const QString &title,
                                              const QStringList &items, int &value, QWidget *&box)
{
    auto *group = new QGroupBox(title, this);
    group->setObjectName(QString::fromLatin1(name) + QStringLiteral("Box"));
    auto *column = new QVBoxLayout(group);
    auto *buttons = new QButtonGroup(this);
    buttons->setObjectName(QString::fromLatin1(name));
    for (int i = 0; i < items.size(); ++i) {
        auto *radio = new QRadioButton(items[i], group);
        radio->setObjectName(QString::fromLatin1(name) + QString::number(i));
        buttons->addButton(radio, i);
        column->addWidget(radio);
    }
    connect(buttons, &QButtonGroup::idToggled, this, [&value](int id, bool on) {
        if (on)
            value = id;
    });
    box = group;
    return buttons;
}

QToolButton *Thiddenoptwindow::AddHelpButton(int number, const char *topic)
{
    auto *button = new QToolButton(this);
    button->setObjectName(QStringLiteral("SpeedButton%1").arg(number));
    button->setText(QStringLiteral("?"));
    button->setToolTip(QStringLiteral("Dynamic use of the hidden commands"));
    const QString anchor = QString::fromLatin1(topic);
    connect(button, &QToolButton::clicked, this, [this, anchor] {
        if (m_help)
            m_help->ShowTopic(anchor);
    });
    helpButtons[static_cast<std::size_t>(number - 3)] = button;
    return button;
}

void Thiddenoptwindow::ShowOptions()
{
    const HiddenOptions shown = m_options;
    usecommentcommand->setChecked(shown.usecommentcommand);
    hcomment->setText(ToQString(shown.hcomment));
    useauthorcommand->setChecked(shown.useauthorcommand);
    hauthor->setText(ToQString(shown.hauthor));
    usekeywordscommand->setChecked(shown.usekeywordscommand);
    hkeywords->setText(ToQString(shown.hkeywords));
    usepagecommand->setChecked(shown.usepagecommand);
    hpagetitle->setText(ToQString(shown.hpagetitle));
    usetargetcommand->setChecked(shown.usetargetcommand);
    htarget->setText(ToQString(shown.htarget));
    CheckRadio(radioalternative, shown.radioalternative);
    alternativetext->setText(ToQString(shown.alternativetext));
    CheckRadio(radioPICalternative, shown.radioPICalternative);
    alternativePPIICCtext->setText(ToQString(shown.alternativePPIICCtext));
    showfilename->setChecked(shown.showfilename);
    showdimensions->setChecked(shown.showdimensions);
    showfilesize->setChecked(shown.showfilesize);
    showcomment->setChecked(shown.showcomment);
    showfilenamewithextension->setChecked(shown.showfilenamewithextension);
    showfullcomment->setChecked(shown.showfullcomment);
    CheckRadio(RadioGroup1, shown.RadioGroup1);
    CheckRadio(RadioGroup2, shown.RadioGroup2);
    Edit1->setText(ToQString(shown.Edit1));
    Edit2->setText(ToQString(shown.Edit2));
    tpicspecial->setChecked(shown.tpicspecial);
    picspecial->setChecked(shown.picspecial);
    for (std::size_t i = 0; i < editfield_html.size(); ++i)
        editfield_html[i]->setText(ToQString(shown.editfield_html[i]));
    // The tool tips show the texts even where the text did not change.
    for (QLineEdit *edit : findChildren<QLineEdit *>())
        edit->setToolTip(edit->text());
}

void Thiddenoptwindow::SetUseBoxes(bool on)
{
    for (QCheckBox *box : {usecommentcommand, useauthorcommand, usekeywordscommand, usepagecommand,
                           usetargetcommand})
        box->setChecked(on);
}

void Thiddenoptwindow::SpeedButton1Click()
{
    SetUseBoxes(true);
}

void Thiddenoptwindow::SpeedButton2Click()
{
    SetUseBoxes(false);
}

void Thiddenoptwindow::Button1Click()
{
    if (showfilename->isChecked() || showdimensions->isChecked() || showfilesize->isChecked())
        m_prompts.show("Hint", showHint, PromptButtons::Ok);
    struct Entry {
        QCheckBox *use;
        QLineEdit *text;
        std::string_view command;
    };
    const Entry entries[] = {
        {usecommentcommand, hcomment, "<!--COMMENT-->"},
        {useauthorcommand, hauthor, "<!--metaauthor-->"},
        {usekeywordscommand, hkeywords, "<!--metakeywords-->"},
        {usepagecommand, hpagetitle, "<!--title-->"},
        {usetargetcommand, htarget, "target for the $tpic$-thumbnails"},
    };
    bool error = false;
    for (const Entry &entry : entries) {
        if (!entry.use->isChecked() || !entry.text->text().isEmpty())
            continue;
        m_prompts.show("Hidden command error", EmptyEntryMessage(entry.command), PromptButtons::Ok);
        entry.use->setChecked(false);
        error = true;
    }
    if (!error)
        accept();
}

void Thiddenoptwindow::BitBtn3Click()
{
    QDir().mkpath(m_hiddenConfigDirectory);
    const QString file =
        FileDialog::getOpenFileName(this, QStringLiteral("LOAD hidden config datas"),
                                    m_hiddenConfigDirectory, hiddenConfigFilter);
    if (file.isEmpty())
        return;
    if (!LoadHiddenConfigData(file.toStdString(), m_options)) {
        m_prompts.show("Load error",
                       "Unable to load the hidden config datas !\r" + file.toStdString(),
                       PromptButtons::Ok);
        return;
    }
    ShowOptions();
    Label5->setText(QFileInfo(file).fileName());
}

void Thiddenoptwindow::BitBtn4Click()
{
    QDir().mkpath(m_hiddenConfigDirectory);
    const QString file = FileDialog::getSaveFileName(
        this, QStringLiteral("SAVE hidden config datas"), m_hiddenConfigDirectory,
        hiddenConfigFilter, QStringLiteral("chd"));
    if (file.isEmpty())
        return;
    if (!SaveHiddenConfigData(file.toStdString(), m_options)) {
        m_prompts.show("Save error",
                       "Unable to save the hidden config datas !\r" + file.toStdString(),
                       PromptButtons::Ok);
        return;
    }
    Label5->setText(QFileInfo(file).fileName());
}

bool Thiddenoptwindow::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::Show)
        ScrollHtmlToTop();
    return QDialog::event(event);
}

void Thiddenoptwindow::ScrollHtmlToTop()
{
    ScrollBox1->verticalScrollBar()->setValue(0);
}

} // namespace pagoranto

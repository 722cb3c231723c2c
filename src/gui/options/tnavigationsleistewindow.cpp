#include "gui/options/tnavigationsleistewindow.h"

#include "core/generator/navigationbar.h"
#include "core/generator/navigationpagenames.h"
#include "core/platform/clock.h"
#include "gui/platform/qttext.h"
#include "gui/ui/namedwidgets.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

namespace pagoranto {

namespace {

constexpr int spinStep = 2;
// The example gallery: twenty pages, shown from the tenth.
constexpr int examplePages = 20;
constexpr int examplePage = 9;

constexpr std::array<const char *, 7> fontSizes{"8", "10", "12", "14", "18", "24", "36"};

constexpr std::array<const char *, 11> dateFormats{
    "dd.mm.yyyy", "dddd, d. mmmm yyyy", "d. mmmm yyyy", "dd.mm.yy", "yyyy-mm-dd", "d-mmm-yy",
    "dd/mm/yyyy", "d. MMM. yy",         "dd/MM/yy",     "MMMM yy",  "MMM-yy",
};

constexpr std::array<const char *, 12> timeFormats{
    "h:mm",        "h:mm AM/PM",        "hh:mm",        "hh:mm AM/PM",
    "h:mm:ss",     "h:mm:ss AM/PM",     "hh:mm:ss",     "hh:mm:ss AM/PM",
    "h:mm:ss:zzz", "h:mm:ss:zzz AM/PM", "hh:mm:ss:zzz", "hh:mm:ss:zzz AM/PM",
};

constexpr std::array<const char *, 3> pageCommands{"$apage$", "$npage$", "$ppage$"};

std::vector<std::string> ExamplePageNames()
{
    std::vector<std::string> names;
    for (int i = 1; i <= examplePages; ++i)
        names.push_back(
            QStringLiteral("page%1.html").arg(i, 4, 10, QLatin1Char('0')).toStdString());
    return names;
}

} // namespace

Tnavigationsleistewindow::Tnavigationsleistewindow(NavigationOptions &options,
                                                   DateTimeFormats &formats, Clock &clock,
                                                   QWidget *parent)
    : QDialog(parent), m_options(options), m_formats(formats), m_clock(clock)
{
    setObjectName(QStringLiteral("Tnavigationsleistewindow"));
    setWindowTitle(QStringLiteral("Options for $navigate$, $apage$, $npage$ and $ppage$"));
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->addTab(MakeNavigateTab(), QStringLiteral("$NAVIGATE$ command options"));
    PageControl1->addTab(MakePageNameTab(),
                         QStringLiteral("$APAGE$, $NPAGE$, $PPAGE$ command options"));
    PageControl1->addTab(MakeDateTimeTab(), QStringLiteral("$dateneng$, $dateger$, $time$"));
    QHBoxLayout *buttons = BackButtonRow(this, Button1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(PageControl1, 1);
    layout->addLayout(buttons);
    ShowOptions();
    ShowDateTime();
    // The example bar on one line, and every tab caption in sight.
    setMinimumWidth(std::max(860, sizeHint().width()));
}

QLineEdit *Tnavigationsleistewindow::AddText(const char *name, std::string &field)
{
    auto *edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(name));
    connect(edit, &QLineEdit::textChanged, this, [this, &field](const QString &text) {
        field = ToEngineText(text);
        ShowExamples();
    });
    return edit;
}

QCheckBox *Tnavigationsleistewindow::AddFlag(const char *name, const QString &caption, bool &field)
{
    auto *box = new QCheckBox(caption, this);
    box->setObjectName(QString::fromLatin1(name));
    connect(box, &QCheckBox::toggled, this, [this, &field](bool on) {
        field = on;
        ShowExamples();
    });
    return box;
}

QWidget *Tnavigationsleistewindow::MakeNavigateTab()
{
    auto *tab = new QWidget(this);
    auto *example = new QGroupBox(QStringLiteral("Example"), tab);
    exampleBar = NamedLabel("exampleBar", example);
    exampleBar->setTextFormat(Qt::RichText);
    exampleBar->setTextInteractionFlags(Qt::NoTextInteraction);
    exampleBar->setMinimumHeight(56);
    exampleBar->setAlignment(Qt::AlignCenter);
    auto *legend = new QLabel(
        QStringLiteral("1 first, 2 previous, 3 the page numbers, 4 next, 5 last, 6 how many "
                       "links, 7 separator"),
        example);
    legend->setWordWrap(true);
    auto *exampleLayout = new QVBoxLayout(example);
    exampleLayout->addWidget(exampleBar);
    exampleLayout->addWidget(legend);

    nav_edit_first = AddText("nav_edit_first", m_options.nav_edit_first);
    nav_edit_prev = AddText("nav_edit_prev", m_options.nav_edit_prev);
    nav_edit_next = AddText("nav_edit_next", m_options.nav_edit_next);
    nav_edit_last = AddText("nav_edit_last", m_options.nav_edit_last);
    nav_edit_linkseparator = AddText("nav_edit_linkseparator", m_options.nav_edit_linkseparator);
    const QString use = QStringLiteral("show");
    nav_use_first = AddFlag("nav_use_first", use, m_options.nav_use_first);
    nav_use_prev = AddFlag("nav_use_prev", use, m_options.nav_use_prev);
    nav_use_next = AddFlag("nav_use_next", use, m_options.nav_use_next);
    nav_use_last = AddFlag("nav_use_last", use, m_options.nav_use_last);

    ScrollBar1 = new QScrollBar(Qt::Horizontal, tab);
    ScrollBar1->setObjectName(QStringLiteral("ScrollBar1"));
    ScrollBar1->setRange(navigationFields::ScrollBar1.minimum,
                         navigationFields::ScrollBar1.maximum);
    ScrollBar1->hide();
    Label21 = NamedLabel("Label21", tab);
    connect(ScrollBar1, &QScrollBar::valueChanged, this, [this](int position) {
        m_options.ScrollBar1 = position;
        Label21->setText(QStringLiteral("max. %1 links").arg(position + spinStep));
        ShowExamples();
    });
    SpinButton1Up = new QToolButton(tab);
    SpinButton1Up->setObjectName(QStringLiteral("SpinButton1Up"));
    SpinButton1Up->setArrowType(Qt::UpArrow);
    SpinButton1Down = new QToolButton(tab);
    SpinButton1Down->setObjectName(QStringLiteral("SpinButton1Down"));
    SpinButton1Down->setArrowType(Qt::DownArrow);
    connect(SpinButton1Up, &QToolButton::clicked, this,
            &Tnavigationsleistewindow::SpinButton1UpClick);
    connect(SpinButton1Down, &QToolButton::clicked, this,
            &Tnavigationsleistewindow::SpinButton1DownClick);

    auto *symbols = new QGroupBox(QStringLiteral("Symbols and page links"), tab);
    auto *grid = new QGridLayout(symbols);
    const auto addRow = [&](int row, const QString &number, const QString &caption, QWidget *edit,
                            QWidget *extra) {
        grid->addWidget(new QLabel(number, symbols), row, 0);
        grid->addWidget(new QLabel(caption, symbols), row, 1);
        grid->addWidget(edit, row, 2);
        if (extra)
            grid->addWidget(extra, row, 3);
    };
    addRow(0, QStringLiteral("1"), QStringLiteral("Link to the first page/picture"), nav_edit_first,
           nav_use_first);
    addRow(1, QStringLiteral("2"), QStringLiteral("Link to the previous page/picture"),
           nav_edit_prev, nav_use_prev);
    addRow(2, QStringLiteral("4"), QStringLiteral("Link to the next page/picture"), nav_edit_next,
           nav_use_next);
    addRow(3, QStringLiteral("5"), QStringLiteral("Link to the last page/picture"), nav_edit_last,
           nav_use_last);
    addRow(4, QStringLiteral("7"), QStringLiteral("Separator between the links"),
           nav_edit_linkseparator, nullptr);
    auto *spin = new QHBoxLayout;
    spin->setSpacing(2);
    spin->addWidget(SpinButton1Down);
    spin->addWidget(SpinButton1Up);
    spin->addSpacing(8);
    spin->addWidget(Label21);
    spin->addStretch();
    grid->addWidget(new QLabel(QStringLiteral("6"), symbols), 5, 0);
    grid->addWidget(new QLabel(QStringLiteral("Number of page links"), symbols), 5, 1);
    grid->addLayout(spin, 5, 2, 1, 2);
    grid->setColumnStretch(2, 1);

    auto *sizes = new QGroupBox(QStringLiteral("Font size middle indicator"), tab);
    sizes->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1 = new QButtonGroup(this);
    auto *sizeRow = new QHBoxLayout(sizes);
    for (int i = 0; i < static_cast<int>(fontSizes.size()); ++i) {
        auto *button = new QRadioButton(QString::fromLatin1(fontSizes[i]), sizes);
        button->setObjectName(QStringLiteral("RadioGroup1_%1").arg(i));
        RadioGroup1->addButton(button, i);
        sizeRow->addWidget(button);
    }
    sizeRow->addStretch();
    connect(RadioGroup1, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (!checked)
            return;
        m_options.RadioGroup1 = id;
        ShowExamples();
    });

    auto *layout = new QVBoxLayout(tab);
    layout->addWidget(example);
    layout->addWidget(symbols);
    layout->addWidget(sizes);
    layout->addStretch();
    return tab;
}

QWidget *Tnavigationsleistewindow::MakePageNameTab()
{
    auto *tab = new QWidget(this);
    auto *layout = new QVBoxLayout(tab);
    bool *plainFields[] = {&m_options.plain1, &m_options.plain2, &m_options.plain3};
    bool *showFields[] = {&m_options.show1, &m_options.show2, &m_options.show3};
    for (std::size_t i = 0; i < pageCommands.size(); ++i) {
        auto *box = new QGroupBox(QString::fromLatin1(pageCommands[i]), tab);
        const QByteArray plainName = QByteArray("plain") + QByteArray::number(int(i + 1));
        const QByteArray showName = QByteArray("show") + QByteArray::number(int(i + 1));
        m_plain[i] = AddFlag(plainName.constData(),
                             QStringLiteral("as plain text (if not checked, then the pagename will "
                                            "be inserted as link)"),
                             *plainFields[i]);
        m_show[i] =
            AddFlag(showName.constData(), QStringLiteral("show fileextension"), *showFields[i]);
        pageNameExamples[i] = NamedLabel(
            QByteArray("pageNameExample" + QByteArray::number(int(i + 1))).constData(), box);
        pageNameExamples[i]->setTextFormat(Qt::RichText);
        pageNameExamples[i]->setTextInteractionFlags(Qt::NoTextInteraction);
        auto *boxLayout = new QVBoxLayout(box);
        boxLayout->addWidget(m_plain[i]);
        boxLayout->addWidget(m_show[i]);
        boxLayout->addWidget(pageNameExamples[i]);
        layout->addWidget(box);
    }
    plain1 = m_plain[0];
    plain2 = m_plain[1];
    plain3 = m_plain[2];
    show1 = m_show[0];
    show2 = m_show[1];
    show3 = m_show[2];
    layout->addStretch();
    return tab;
}

QWidget *Tnavigationsleistewindow::MakeDateTimeTab()
{
    auto *tab = new QWidget(this);
    ComboBox2 = new QComboBox(tab);
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    for (const char *format : dateFormats)
        ComboBox2->addItem(QString::fromLatin1(format));
    ComboBox2->setCurrentIndex(-1);
    ComboBox1 = new QComboBox(tab);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    for (const char *format : timeFormats)
        ComboBox1->addItem(QString::fromLatin1(format));
    ComboBox1->setCurrentIndex(-1);
    connect(ComboBox2, &QComboBox::activated, this, &Tnavigationsleistewindow::ComboBox2Change);
    connect(ComboBox1, &QComboBox::activated, this, &Tnavigationsleistewindow::ComboBox1Change);
    Label45 = NamedLabel("Label45", tab);
    Label46 = NamedLabel("Label46", tab);
    Label47 = NamedLabel("Label47", tab);

    auto *date = new QGroupBox(QStringLiteral("Date format"), tab);
    auto *dateForm = new QFormLayout(date);
    dateForm->addRow(QStringLiteral("Format:"), ComboBox2);
    dateForm->addRow(QStringLiteral("Today:"), Label45);
    dateForm->addRow(QStringLiteral("Today with the time:"), Label46);
    auto *time = new QGroupBox(QStringLiteral("Time format ($time$)"), tab);
    auto *timeForm = new QFormLayout(time);
    timeForm->addRow(QStringLiteral("Format:"), ComboBox1);
    timeForm->addRow(QStringLiteral("Now:"), Label47);
    auto *note = new QLabel(
        QStringLiteral("The formats chosen here hold until Pagoranto is closed; at the next "
                       "start the formats of the system are used again."),
        tab);
    note->setWordWrap(true);
    auto *layout = new QVBoxLayout(tab);
    layout->addWidget(date);
    layout->addWidget(time);
    layout->addWidget(note);
    layout->addStretch();
    return tab;
}

void Tnavigationsleistewindow::ShowOptions()
{
    const NavigationOptions shown = m_options;
    nav_edit_first->setText(ToQString(shown.nav_edit_first));
    nav_edit_prev->setText(ToQString(shown.nav_edit_prev));
    nav_edit_next->setText(ToQString(shown.nav_edit_next));
    nav_edit_last->setText(ToQString(shown.nav_edit_last));
    nav_edit_linkseparator->setText(ToQString(shown.nav_edit_linkseparator));
    nav_use_first->setChecked(shown.nav_use_first);
    nav_use_prev->setChecked(shown.nav_use_prev);
    nav_use_next->setChecked(shown.nav_use_next);
    nav_use_last->setChecked(shown.nav_use_last);
    ScrollBar1->setValue(shown.ScrollBar1);
    Label21->setText(QStringLiteral("max. %1 links").arg(ScrollBar1->value() + spinStep));
    if (QAbstractButton *size = RadioGroup1->button(shown.RadioGroup1))
        size->setChecked(true);
    const bool plains[] = {shown.plain1, shown.plain2, shown.plain3};
    const bool shows[] = {shown.show1, shown.show2, shown.show3};
    for (std::size_t i = 0; i < m_plain.size(); ++i) {
        m_plain[i]->setChecked(plains[i]);
        m_show[i]->setChecked(shows[i]);
    }
    m_options = shown;
    ShowExamples();
}

void Tnavigationsleistewindow::ShowExamples()
{
    // Called while the controls are being made.
    if (!exampleBar || !pageNameExamples[2])
        return;
    const std::vector<std::string> names = ExamplePageNames();
    exampleBar->setText(ToQString(BuildNavigationBar(names, examplePage, m_options)));
    const bool plains[] = {m_options.plain1, m_options.plain2, m_options.plain3};
    const bool shows[] = {m_options.show1, m_options.show2, m_options.show3};
    const PageNameKind kinds[] = {PageNameKind::A, PageNameKind::N, PageNameKind::P};
    for (std::size_t i = 0; i < pageNameExamples.size(); ++i)
        pageNameExamples[i]->setText(
            QStringLiteral("Example: ") +
            ToQString(PageNameText(PageNameAt(names, examplePage, kinds[i]), plains[i], shows[i])));
}

void Tnavigationsleistewindow::SpinButton1UpClick()
{
    ScrollBar1->setValue(ScrollBar1->value() + spinStep);
}

void Tnavigationsleistewindow::SpinButton1DownClick()
{
    ScrollBar1->setValue(ScrollBar1->value() - spinStep);
}

void Tnavigationsleistewindow::ComboBox2Change(int index)
{
    const QString format = ComboBox2->itemText(index);
    if (format.isEmpty())
        return;
    m_formats.shortDateFormat = ToEngineText(format);
    ShowDateTime();
}

void Tnavigationsleistewindow::ComboBox1Change(int index)
{
    const QString format = ComboBox1->itemText(index);
    if (format.isEmpty())
        return;
    m_formats.longTimeFormat = ToEngineText(format);
    ShowDateTime();
}

void Tnavigationsleistewindow::ShowDateTime()
{
    const DateTime now = m_clock.now();
    Label45->setText(ToQString(FormatDate(now, m_formats)));
    Label46->setText(ToQString(FormatDateTime("c", now, m_formats)));
    Label47->setText(ToQString(FormatTime(now, m_formats)));
}

int Tnavigationsleistewindow::ShowModal()
{
    ShowDateTime();
    return exec();
}

void Tnavigationsleistewindow::reject()
{
    accept();
}

} // namespace pagoranto

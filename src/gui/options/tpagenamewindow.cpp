#include "gui/options/tpagenamewindow.h"

#include "core/generator/pagenames.h"
#include "gui/platform/qttext.h"
#include "gui/ui/namedwidgets.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>
#include <array>

namespace pagoranto {

namespace {

constexpr std::int32_t exampleNumber = 777;
// The name goes back into the page-name field: a longer one would be cut there unseen.
constexpr int pageNameLength = static_cast<int>(pageNameFields::ownfilename.maxLength);

constexpr std::array<const char *, 15> examplePatterns{
    "WELCOME_$NB$$NH$$NB$", "$ND$$NB$$ND$",     "$NH$$NH$$NH$$NH$$NH$", "page$nd$",
    "gallery_$nd$",         "photo-$nh$",       "$nd$_holiday",         "album$nd$_$nh$",
    "binary_$nb$",          "summer-$nd$-$nh$", "$nd$-$nh$-$nb$",       "Picture_$ND$",
    "travel_$nh$_$nd$",     "no$nd$of_many",    "HEX$NH$DEC$ND$",
};

} // namespace

Tpagenamewindow::Tpagenamewindow(QLineEdit *ownfilename, const PageNameOptions &names,
                                 QWidget *parent)
    : QDialog(parent), m_ownfilename(ownfilename), m_names(names)
{
    setObjectName(QStringLiteral("Tpagenamewindow"));
    setWindowTitle(QStringLiteral("Pagename info"));

    auto *intro = new QLabel(
        QStringLiteral(
            "There are three new commands that can be placed in the editfield of the "
            "pagename. Each of them is replaced by the number of the page when the gallery is "
            "made, so the number can stand anywhere in the file name, and in the form you "
            "like. The commands can be combined and repeated, and their letters may be "
            "written in small or capital letters."),
        this);
    intro->setObjectName(QStringLiteral("Panel1"));
    intro->setWordWrap(true);
    intro->setFrameShape(QFrame::StyledPanel);
    intro->setMargin(8);

    auto *commands = new QGroupBox(QStringLiteral("The commands"), this);
    auto *commandGrid = new QGridLayout(commands);
    const std::array<std::pair<const char *, const char *>, 3> explanations{{
        {"$nd$", "Add the number in decimal format."},
        {"$nb$", "Add the number in binary format"},
        {"$nh$", "Add the number in hexadecimal format"},
    }};
    for (int row = 0; row < 3; ++row) {
        auto *command = new QLabel(QString::fromLatin1(explanations[row].first), commands);
        QFont bold = command->font();
        bold.setBold(true);
        command->setFont(bold);
        commandGrid->addWidget(command, row, 0);
        commandGrid->addWidget(new QLabel(QString::fromLatin1(explanations[row].second), commands),
                               row, 1);
    }
    commandGrid->setColumnStretch(1, 1);

    auto *trial = new QGroupBox(QStringLiteral("Example: (default value 777)"), this);
    Edit1 = new QLineEdit(trial);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(pageNameLength);
    const QString allowed =
        QString::fromLatin1(pageNameFields::ownfilename.allowed.data(),
                            static_cast<qsizetype>(pageNameFields::ownfilename.allowed.size()));
    Edit1->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[") + QRegularExpression::escape(allowed) +
                           QStringLiteral("]*")),
        Edit1));
    Button1 = NamedButton(QStringLiteral("Click for a result"), "Button1", trial);
    Label8 = NamedLabel("Label8", trial);
    Label8->setText(QStringLiteral("?"));
    Label8->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Button5 = NamedButton(QStringLiteral("RESTORE THE OLD PAGE NAME"), "Button5", trial);
    connect(Button1, &QPushButton::clicked, this, &Tpagenamewindow::Button1Click);
    connect(Button5, &QPushButton::clicked, this, &Tpagenamewindow::Button5Click);
    auto *editRow = new QHBoxLayout;
    editRow->addWidget(Edit1, 1);
    editRow->addWidget(Button1);
    auto *resultRow = new QHBoxLayout;
    resultRow->addWidget(new QLabel(QStringLiteral("The result:"), trial));
    resultRow->addWidget(Label8, 1);
    auto *trialLayout = new QVBoxLayout(trial);
    trialLayout->addWidget(new QLabel(QStringLiteral("Pagename:"), trial));
    trialLayout->addLayout(editRow);
    trialLayout->addLayout(resultRow);
    trialLayout->addWidget(Button5, 0, Qt::AlignLeft);

    auto *examples = new QGroupBox(QStringLiteral("Examples (double-click to take one)"), this);
    ListBox1 = new QListWidget(examples);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    for (const char *pattern : examplePatterns)
        ListBox1->addItem(QString::fromLatin1(pattern));
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &Tpagenamewindow::ListBox1DblClick);
    auto *exampleLayout = new QVBoxLayout(examples);
    exampleLayout->addWidget(ListBox1);

    Button2 = NamedButton(QStringLiteral("Back"), "Button2", this);
    connect(Button2, &QPushButton::clicked, this, &QDialog::accept);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button2);

    auto *left = new QVBoxLayout;
    left->addWidget(intro);
    left->addWidget(commands);
    left->addWidget(trial);
    left->addStretch();
    auto *columns = new QHBoxLayout;
    columns->addLayout(left, 3);
    columns->addWidget(examples, 2);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);
    resize(720, 460);
}

void Tpagenamewindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_oldPageName = m_ownfilename->text();
    Edit1->setText(m_oldPageName);
}

void Tpagenamewindow::Button1Click()
{
    Label8->setText(ToQString(
        ApplyPageNamePlaceholders(ToEngineText(Edit1->text()), exampleNumber, m_names.ScrollBar4)));
}

void Tpagenamewindow::Button5Click()
{
    Edit1->setText(m_oldPageName);
}

void Tpagenamewindow::ListBox1DblClick(QListWidgetItem *item)
{
    if (!item)
        return;
    Edit1->setText(item->text());
    Button1Click();
}

void Tpagenamewindow::done(int result)
{
    m_ownfilename->setText(Edit1->text());
    QDialog::done(result);
}

} // namespace pagoranto

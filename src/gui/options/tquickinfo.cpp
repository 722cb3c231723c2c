#include "gui/options/tquickinfo.h"

#include "gui/ui/clickablelabel.h"
#include "gui/ui/namedwidgets.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace pagoranto {

namespace {

// A sample drawn as the main window draws the symbol, and what it means.
struct Entry {
    QWidget *sample;
    const char *meaning;
};

QLabel *Led(bool lit, QWidget *parent)
{
    auto *led = new QLabel(parent);
    led->setFixedSize(12, 12);
    led->setStyleSheet(lit ? QStringLiteral("background: #2ecc40; border-radius: 6px;")
                           : QStringLiteral("background: #555; border-radius: 6px;"));
    return led;
}

QLabel *Caption(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

QGroupBox *Legend(const QString &title, const std::vector<Entry> &entries, QWidget *parent)
{
    auto *box = new QGroupBox(title, parent);
    auto *grid = new QGridLayout(box);
    grid->setHorizontalSpacing(14);
    int row = 0;
    for (const Entry &entry : entries) {
        entry.sample->setParent(box);
        grid->addWidget(entry.sample, row, 0, Qt::AlignLeft | Qt::AlignVCenter);
        auto *meaning = new QLabel(QString::fromUtf8(entry.meaning), box);
        meaning->setWordWrap(true);
        // Wrapped labels in a grid get too little height unless their width is fixed.
        meaning->setFixedWidth(340);
        meaning->setMinimumHeight(meaning->heightForWidth(340));
        grid->addWidget(meaning, row, 1);
        ++row;
    }
    grid->setColumnStretch(1, 1);
    return box;
}

QWidget *LedPair(QWidget *parent)
{
    auto *pair = new QWidget(parent);
    auto *row = new QHBoxLayout(pair);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(Led(true, pair));
    row->addWidget(Led(false, pair));
    row->addStretch();
    return pair;
}

} // namespace

TQuickinfo::TQuickinfo(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TQuickinfo"));
    setWindowTitle(QStringLiteral("Symbol quickinfo"));

    const auto indicator = [this](const char *text) {
        auto *label = new ClickableLabel(QString::fromLatin1(text), "", this);
        label->setCursor(Qt::ArrowCursor);
        return label;
    };
    QGroupBox *layout = Legend(
        QStringLiteral("Beside the name of the selected layout"),
        {
            {indicator(" Template contains needed files "),
             "The layout needs further files beside the pages (style sheets, buttons). After "
             "the pages are made, Pagoranto offers to copy them. Click the sign for the list."},
            {indicator(" $tpic$ "),
             "The layout holds thumbnail commands: its pages show thumbnails, so choose their "
             "size and look in \"Thumbnail options\" and let them be made."},
            {indicator(" $pic$ "),
             "The layout holds the picture command: every ticked picture gets a page of its "
             "own."},
        },
        this);

    QGroupBox *run =
        Legend(QStringLiteral("While a gallery is made"),
               {
                   {Caption(QStringLiteral("Next page number: 0001"), this),
                    "The number the next page gets, with as many digits as \"Length of number\" "
                    "asks for."},
                   {Caption(QStringLiteral("Pages: 12"), this), "How many pages the run makes."},
                   {Caption(QStringLiteral("Making page: 3"), this), "The page being made now."},
                   {Caption(QStringLiteral("Compressing pages"), this),
                    "Shown while the pages are compressed (\"Special options\")."},
                   {Caption(QStringLiteral("12 pages/30 sec"), this),
                    "The pace of the run, below the picture list."},
                   {Caption(QStringLiteral("Stop"), this),
                    "The Create button while a run goes: a click stops it after the current page."},
               },
               this);

    QGroupBox *elsewhere = Legend(
        QStringLiteral("Pictures and the picture list window"),
        {
            {Caption(QStringLiteral("\u2611 picture.jpg"), this),
             "A ticked thumbnail in the picture list: the picture is published."},
            {LedPair(this),
             "The lights of the picture list window: green when the layout holds that hidden "
             "command, or when the hidden option is in use; grey when not."},
            {Caption(QStringLiteral("Pictures / Layout"), this),
             "The buttons beside Create show the picture list or the selected layout again."},
            {Caption(QStringLiteral("Directory levels"), this),
             "Where the pages go: into the picture directory or one of its two parents."},
            {Caption(QStringLiteral("00:00:00"), this), "The clock in the status bar."},
        },
        this);

    QHBoxLayout *buttons = BackButtonRow(this, Button1);

    auto *columns = new QHBoxLayout;
    auto *left = new QVBoxLayout;
    left->addWidget(layout);
    left->addWidget(elsewhere);
    left->addStretch();
    auto *right = new QVBoxLayout;
    right->addWidget(run);
    right->addStretch();
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);
    auto *main = new QVBoxLayout(this);
    main->addLayout(columns, 1);
    main->addLayout(buttons);
    main->setSizeConstraint(QLayout::SetMinimumSize);
}

} // namespace pagoranto

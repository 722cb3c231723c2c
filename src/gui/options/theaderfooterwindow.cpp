#include "gui/options/theaderfooterwindow.h"

#include "core/generator/headerfootermemo.h"
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
#include <QPixmap>
#include <QTextCursor>
#include <QVBoxLayout>

namespace pagoranto {

namespace {

constexpr int memoMaxLength = 1000;

const QString listFilter = QStringLiteral("Header and Footer lists (*.header *.footer)");

const char *const headerSamples[] = {
    "<p align=\"center\"><a href=\"../index.html\">Back to the overview</a></p>",
    "<p align=\"center\"><a href=\"../../index.html\">Home</a></p>",
    "<h1 align=\"center\">My photo gallery</h1>",
    "<h2 align=\"center\">Holiday pictures</h2>",
    "<p align=\"center\"><b>Welcome to my pictures !</b></p>",
    "<div align=\"center\"><img src=\"banner.jpg\" alt=\"Banner\"></div>",
    "<p align=\"center\"><a href=\"../index.html\">Galleries</a> | <a "
    "href=\"mailto:me@example.com\">Mail</a></p>",
    "<p align=\"right\"><small>Made on $dateeng$</small></p>",
    "<hr>",
    "<p align=\"center\"><i>Click on a picture for the full view</i></p>",
};

const char *const footerSamples[] = {
    "<p align=\"center\"><a href=\"../index.html\">Back to the overview</a></p>",
    "<hr><p align=\"center\"><small>All pictures: all rights reserved</small></p>",
    "<p align=\"center\"><small>Made with Pagoranto</small></p>",
    "<p align=\"center\"><a href=\"#top\">Top of the page</a></p>",
    "<p align=\"center\"><a href=\"mailto:me@example.com\">Write to me</a></p>",
    "<p align=\"center\"><small>Last change: $dateeng$</small></p>",
    "<p align=\"center\"><small>Letzte Änderung: $datenger$</small></p>",
    "<hr>",
    "<p align=\"center\"><a href=\"../../index.html\">Home</a> | <a "
    "href=\"../index.html\">Galleries</a></p>",
    "<p align=\"center\"><small>Page $count$ of $total$</small></p>",
};

const char *const helpHtml = R"(
<p>A header and a footer are lines of your own HTML that every page of the gallery gets, whatever
the template holds: the header right after the line with the <tt>&lt;body</tt> tag, the footer
right before <tt>&lt;/body&gt;</tt>. Tick "Use header insertion" or "Use footer insertion" for
the next gallery; the switches are off at every start, the lines are kept.</p>
<p><b>The memo</b> helps to write a longer line: write the HTML over as many lines as you like,
then "Memofield to header line" joins the lines (without their leading and trailing blanks)
into one. The buttons beside the lines bring a line back into the memo, whole ("t-&gt;m") or one
tag a line.</p>
<p><b>The lists</b> keep lines you like. Double-click an entry to make it the header or the footer
line. "Save Header/Footer list" writes the header list into a file ending in ".header" and the
footer list into one ending in ".footer"; "Load Header/Footer list" puts a file's lines into the
list its ending names. The files hold one line of HTML a line.</p>
<p><b>Header/Footer Test</b> puts the two lines into the HTML of the memo as a gallery page would
get them, so paste a page into the memo first to see where they go.</p>
)";

} // namespace

THeaderFooterWindow::THeaderFooterWindow(HeaderFooterOptions &options, MessageBox &prompts,
                                         QString listDirectory, const QString &examplePicture,
                                         QWidget *parent)
    : QDialog(parent), m_options(options), m_prompts(prompts),
      m_listDirectory(std::move(listDirectory))
{
    setObjectName(QStringLiteral("THeaderFooterWindow"));
    setWindowTitle(QStringLiteral("Header and footer configuration"));
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->addTab(CreateMainTab(), QStringLiteral("Header and footer"));
    PageControl1->addTab(CreateHelpTab(examplePicture), QStringLiteral("Help"));
    Button9 = NamedButton(QStringLiteral("Back"), "Button9", this);
    // Enter in a line closes the window instead of overwriting the line from the memo.
    for (QPushButton *button : findChildren<QPushButton *>())
        button->setAutoDefault(false);
    Button9->setDefault(true);
    connect(Button9, &QPushButton::clicked, this, &QDialog::accept);
    auto *bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(Button9);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(PageControl1, 1);
    layout->addLayout(bottom);
    for (const char *sample : headerSamples)
        headerlist->addItem(QString::fromUtf8(sample));
    for (const char *sample : footerSamples)
        footerlist->addItem(QString::fromUtf8(sample));
    resize(1000, 680);
    ShowOptions();
}

QToolButton *THeaderFooterWindow::AddToolButton(const char *name, const QString &caption,
                                                const QString &hint)
{
    auto *button = new QToolButton(this);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(caption);
    button->setToolTip(hint);
    return button;
}

QWidget *THeaderFooterWindow::CreateMainTab()
{
    auto *tab = new QWidget(this);

    auto *lines = new QGroupBox(QStringLiteral("Header and footer line"), tab);
    auto *lineGrid = new QGridLayout(lines);
    HeaderUse = new QCheckBox(QStringLiteral("Use header insertion"), lines);
    HeaderUse->setObjectName(QStringLiteral("HeaderUse"));
    headeredit = new QLineEdit(lines);
    headeredit->setObjectName(QStringLiteral("headeredit"));
    ApplyFieldLimits(headeredit, headerFooterFields::headeredit);
    FooterUse = new QCheckBox(QStringLiteral("Use footer insertion"), lines);
    FooterUse->setObjectName(QStringLiteral("FooterUse"));
    footeredit = new QLineEdit(lines);
    footeredit->setObjectName(QStringLiteral("footeredit"));
    ApplyFieldLimits(footeredit, headerFooterFields::footeredit);
    connect(HeaderUse, &QCheckBox::toggled, this, [this](bool on) { m_options.HeaderUse = on; });
    connect(FooterUse, &QCheckBox::toggled, this, [this](bool on) { m_options.FooterUse = on; });
    connect(headeredit, &QLineEdit::textChanged, this,
            [this](const QString &text) { m_options.headeredit = ToEngineText(text); });
    connect(footeredit, &QLineEdit::textChanged, this,
            [this](const QString &text) { m_options.footeredit = ToEngineText(text); });
    const QString splitHint = QStringLiteral("Transfer editfield to memofield");
    const QString wholeHint = QStringLiteral("t->m: the whole line into the memofield");
    SpeedButton9 = AddToolButton("SpeedButton9", QStringLiteral("<>"), splitHint);
    SpeedButton12 = AddToolButton("SpeedButton12", QStringLiteral("t->m"), wholeHint);
    SpeedButton10 = AddToolButton("SpeedButton10", QStringLiteral("<>"), splitHint);
    SpeedButton13 = AddToolButton("SpeedButton13", QStringLiteral("t->m"), wholeHint);
    connect(SpeedButton9, &QToolButton::clicked, this, [this] { LineToMemoSplit(headeredit); });
    connect(SpeedButton10, &QToolButton::clicked, this, [this] { LineToMemoSplit(footeredit); });
    connect(SpeedButton12, &QToolButton::clicked, this, [this] { LineToMemo(headeredit); });
    connect(SpeedButton13, &QToolButton::clicked, this, [this] { LineToMemo(footeredit); });
    lineGrid->addWidget(HeaderUse, 0, 0, 1, 3);
    lineGrid->addWidget(headeredit, 1, 0);
    lineGrid->addWidget(SpeedButton9, 1, 1);
    lineGrid->addWidget(SpeedButton12, 1, 2);
    lineGrid->addWidget(FooterUse, 2, 0, 1, 3);
    lineGrid->addWidget(footeredit, 3, 0);
    lineGrid->addWidget(SpeedButton10, 3, 1);
    lineGrid->addWidget(SpeedButton13, 3, 2);

    auto *memoBox = new QGroupBox(QStringLiteral("Memofield"), tab);
    Memo1 = new QPlainTextEdit(memoBox);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    connect(Memo1, &QPlainTextEdit::textChanged, this, [this] {
        // The limit is the user's: what the buttons put into the memo is shown whole.
        if (m_fillingMemo || Memo1->document()->characterCount() - 1 <= memoMaxLength)
            return;
        QTextCursor cursor(Memo1->document());
        cursor.setPosition(memoMaxLength);
        cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    });
    Button1 = NamedButton(QStringLiteral("Memofield to header line"), "Button1", memoBox);
    Button2 = NamedButton(QStringLiteral("Memofield to footer line"), "Button2", memoBox);
    Button3 = NamedButton(QStringLiteral("Memofield to header list"), "Button3", memoBox);
    Button4 = NamedButton(QStringLiteral("Memofield to footer list"), "Button4", memoBox);
    Button7 = NamedButton(QStringLiteral("Header/Footer Test"), "Button7", memoBox);
    Button7->setToolTip(
        QStringLiteral("Insert the header and the footer line into the HTML of the memofield"));
    SpeedButton11 = AddToolButton("SpeedButton11", QStringLiteral("Clear memofield"), QString());
    connect(Button1, &QPushButton::clicked, this, [this] { MemoToLine(headeredit); });
    connect(Button2, &QPushButton::clicked, this, [this] { MemoToLine(footeredit); });
    connect(Button3, &QPushButton::clicked, this, [this] { MemoToList(headerlist); });
    connect(Button4, &QPushButton::clicked, this, [this] { MemoToList(footerlist); });
    connect(Button7, &QPushButton::clicked, this, &THeaderFooterWindow::TestHeaderAndFooter);
    connect(SpeedButton11, &QToolButton::clicked, this, &THeaderFooterWindow::ClearMemo);
    auto *memoButtons = new QVBoxLayout;
    for (QWidget *button : std::initializer_list<QWidget *>{Button1, Button2, Button3, Button4,
                                                            Button7, SpeedButton11})
        memoButtons->addWidget(button);
    memoButtons->addStretch();
    auto *memoRow = new QHBoxLayout(memoBox);
    memoRow->addWidget(Memo1, 1);
    memoRow->addLayout(memoButtons);

    Button5 = NamedButton(QStringLiteral("Load Header/Footer list"), "Button5", tab);
    Button6 = NamedButton(QStringLiteral("Save Header/Footer list"), "Button6", tab);
    Button6->setToolTip(QStringLiteral(
        "A name ending in \".footer\" saves the footer list, any other the header list"));
    connect(Button5, &QPushButton::clicked, this, &THeaderFooterWindow::LoadList);
    connect(Button6, &QPushButton::clicked, this, &THeaderFooterWindow::SaveList);
    auto *lists = new QHBoxLayout;
    lists->addWidget(CreateListColumn(false), 1);
    lists->addWidget(CreateListColumn(true), 1);
    auto *listFiles = new QHBoxLayout;
    listFiles->addWidget(Button5);
    listFiles->addWidget(Button6);
    listFiles->addStretch();

    auto *layout = new QVBoxLayout(tab);
    layout->addWidget(lines);
    layout->addWidget(memoBox, 1);
    layout->addLayout(lists, 1);
    layout->addLayout(listFiles);
    return tab;
}

QWidget *THeaderFooterWindow::CreateListColumn(bool footer)
{
    auto *box =
        new QGroupBox(footer ? QStringLiteral("Footer list") : QStringLiteral("Header list"), this);
    auto *list = new QListWidget(box);
    list->setObjectName(footer ? QStringLiteral("footerlist") : QStringLiteral("headerlist"));
    auto *counter = NamedLabel(footer ? "Label8" : "Label7", box);
    const QString other = footer ? QStringLiteral("header") : QStringLiteral("footer");
    QToolButton *toMemo =
        AddToolButton(footer ? "SpeedButton8" : "SpeedButton7", QStringLiteral("t->m"),
                      QStringLiteral("The marked entry into the memofield"));
    QToolButton *remove =
        AddToolButton(footer ? "SpeedButton2" : "SpeedButton1", QStringLiteral("Delete"),
                      QStringLiteral("Delete the marked entry"));
    QToolButton *move = AddToolButton(
        footer ? "SpeedButton5" : "SpeedButton3", QStringLiteral("Move to %1 list").arg(other),
        QStringLiteral("Move the marked entry to the %1 list").arg(other));
    QToolButton *moveAll =
        AddToolButton(footer ? "SpeedButton6" : "SpeedButton4", QStringLiteral("Move all"),
                      QStringLiteral("Move all entries to the %1 list").arg(other));
    QToolButton *doubles =
        AddToolButton(footer ? "SpeedButton15" : "SpeedButton14", QStringLiteral("Delete doubles"),
                      QStringLiteral("Delete double entries"));
    if (footer) {
        footerlist = list;
        Label8 = counter;
        SpeedButton8 = toMemo;
        SpeedButton2 = remove;
        SpeedButton5 = move;
        SpeedButton6 = moveAll;
        SpeedButton15 = doubles;
    } else {
        headerlist = list;
        Label7 = counter;
        SpeedButton7 = toMemo;
        SpeedButton1 = remove;
        SpeedButton3 = move;
        SpeedButton4 = moveAll;
        SpeedButton14 = doubles;
    }
    connect(list, &QListWidget::itemDoubleClicked, this, [this, footer](QListWidgetItem *item) {
        (footer ? footeredit : headeredit)->setText(item->text());
    });
    connect(toMemo, &QToolButton::clicked, this, [this, list] { ListEntryToMemo(list); });
    connect(remove, &QToolButton::clicked, this, [this, list] { DeleteEntry(list); });
    connect(move, &QToolButton::clicked, this, [this, footer] {
        footer ? MoveEntry(footerlist, headerlist) : MoveEntry(headerlist, footerlist);
    });
    connect(moveAll, &QToolButton::clicked, this, [this, footer] {
        footer ? MoveAllEntries(footerlist, headerlist, false)
               : MoveAllEntries(headerlist, footerlist, true);
    });
    connect(doubles, &QToolButton::clicked, this,
            [this, list, footer] { DeleteDoubles(list, !footer); });

    auto *counterRow = new QHBoxLayout;
    counterRow->addWidget(new QLabel(QStringLiteral("Entries:"), box));
    counterRow->addWidget(counter);
    counterRow->addStretch();
    auto *buttons = new QHBoxLayout;
    for (QToolButton *button : {toMemo, remove, move, moveAll, doubles})
        buttons->addWidget(button);
    buttons->addStretch();
    auto *column = new QVBoxLayout(box);
    column->addWidget(list, 1);
    column->addLayout(counterRow);
    column->addLayout(buttons);
    return box;
}

QWidget *THeaderFooterWindow::CreateHelpTab(const QString &examplePicture)
{
    auto *tab = new QWidget(this);
    auto *caption = new QLabel(QStringLiteral("Example webpage"), tab);
    exampleImage = NamedLabel("exampleImage", tab);
    exampleImage->setAlignment(Qt::AlignCenter);
    const QPixmap picture(examplePicture);
    if (picture.isNull())
        exampleImage->setText(QStringLiteral("(The example picture is missing.)"));
    else
        exampleImage->setPixmap(picture);
    helpText = new QTextBrowser(tab);
    helpText->setObjectName(QStringLiteral("helpText"));
    helpText->setHtml(QString::fromUtf8(helpHtml));
    auto *pictureColumn = new QVBoxLayout;
    pictureColumn->addWidget(caption);
    pictureColumn->addWidget(exampleImage);
    pictureColumn->addStretch();
    auto *layout = new QHBoxLayout(tab);
    layout->addLayout(pictureColumn);
    layout->addWidget(helpText, 1);
    return tab;
}

void THeaderFooterWindow::ShowOptions()
{
    const HeaderFooterOptions shown = m_options;
    HeaderUse->setChecked(shown.HeaderUse);
    headeredit->setText(ToQString(shown.headeredit));
    FooterUse->setChecked(shown.FooterUse);
    footeredit->setText(ToQString(shown.footeredit));
    UpdateCounters();
}

ByteLines THeaderFooterWindow::memoLines() const
{
    ByteLines lines;
    const QString text = Memo1->toPlainText();
    if (text.isEmpty())
        return lines;
    for (const QString &line : text.split(QLatin1Char('\n')))
        lines.push_back(ToEngineText(line));
    return lines;
}

void THeaderFooterWindow::setMemoLines(const ByteLines &lines)
{
    QStringList text;
    for (const std::string &line : lines)
        text.push_back(ToQString(line));
    m_fillingMemo = true;
    Memo1->setPlainText(text.join(QLatin1Char('\n')));
    m_fillingMemo = false;
}

void THeaderFooterWindow::MemoToLine(QLineEdit *line)
{
    ByteLines memo = memoLines();
    const std::string joined = JoinMemoLines(memo);
    setMemoLines(memo);
    if (!joined.empty())
        line->setText(ToQString(joined));
}

void THeaderFooterWindow::MemoToList(QListWidget *list)
{
    ByteLines memo = memoLines();
    const std::string joined = JoinMemoLines(memo);
    setMemoLines(memo);
    if (!joined.empty()) {
        list->addItem(ToQString(joined));
        list->setCurrentRow(list->count() - 1);
    }
    UpdateCounters();
}

void THeaderFooterWindow::LineToMemoSplit(QLineEdit *line)
{
    const std::string text = TrimBlanks(ToEngineText(line->text()));
    if (!text.empty())
        setMemoLines(SplitAfterTags(text));
}

void THeaderFooterWindow::LineToMemo(QLineEdit *line)
{
    const std::string text = TrimBlanks(ToEngineText(line->text()));
    if (!text.empty())
        setMemoLines({text});
}

void THeaderFooterWindow::ListEntryToMemo(QListWidget *list)
{
    if (QListWidgetItem *item = list->currentItem(); item && item->isSelected())
        setMemoLines({ToEngineText(item->text())});
}

bool THeaderFooterWindow::Confirm(std::string_view question, std::string_view second)
{
    return m_prompts.confirm("", std::string(question) + "\r\n" + std::string(second)) ==
           PromptAnswer::Yes;
}

void THeaderFooterWindow::ClearMemo()
{
    if (Confirm("You're about to clear the memofield !",
                "Do you really want to clear the memofield ?"))
        Memo1->clear();
}

void THeaderFooterWindow::DeleteEntry(QListWidget *list)
{
    QListWidgetItem *item = list->currentItem();
    if (!item || !item->isSelected())
        return;
    if (Confirm("You're about to delete the marked entry in the headerlist !",
                "Do you really want to delete the marked entry ?"))
        delete list->takeItem(list->row(item));
    UpdateCounters();
}

void THeaderFooterWindow::MoveEntry(QListWidget *from, QListWidget *to)
{
    QListWidgetItem *item = from->currentItem();
    if (!item || !item->isSelected())
        return;
    to->addItem(from->takeItem(from->row(item)));
    to->setCurrentRow(to->count() - 1);
    UpdateCounters();
}

void THeaderFooterWindow::MoveAllEntries(QListWidget *from, QListWidget *to, bool fromHeader)
{
    if (from->count() == 0)
        return;
    const char *question = fromHeader ? "You're about to move all entries of the headerlist to the "
                                        "footerlist !"
                                      : "You're about to move all entries of the footerlist to the "
                                        "headerlist !";
    if (Confirm(question, "Do you really want to move all entries ?"))
        while (from->count() > 0)
            to->addItem(from->takeItem(0));
    UpdateCounters();
}

void THeaderFooterWindow::DeleteDoubles(QListWidget *list, bool header)
{
    if (!Confirm(header ? "You're about to delete double entries in the header list !"
                        : "You're about to delete double entries in the footer list !",
                 "Do you really want to delete all double entries ?")) {
        UpdateCounters();
        return;
    }
    ByteLines entries;
    for (int i = 0; i < list->count(); ++i)
        entries.push_back(ToEngineText(list->item(i)->text()));
    RemoveDoubleEntries(entries);
    list->clear();
    for (const std::string &entry : entries)
        list->addItem(ToQString(entry));
    UpdateCounters();
}

void THeaderFooterWindow::LoadList()
{
    QDir().mkpath(m_listDirectory);
    const QString file = FileDialog::getOpenFileName(
        this, QStringLiteral("Load Header and Footer list"), m_listDirectory, listFilter);
    if (file.isEmpty())
        return;
    const std::optional<ByteLines> entries = ReadHeaderFooterList(file.toStdString());
    if (!entries) {
        m_prompts.show("Load error", "Unable to load the list !\r" + file.toStdString(),
                       PromptButtons::Ok);
        return;
    }
    QListWidget *list = IsFooterListFile(file.toStdString()) ? footerlist : headerlist;
    list->clear();
    for (const std::string &entry : *entries)
        list->addItem(ToQString(entry));
    UpdateCounters();
}

void THeaderFooterWindow::SaveList()
{
    QDir().mkpath(m_listDirectory);
    const QString file =
        FileDialog::getSaveFileName(this, QStringLiteral("Save Header and Footer list"),
                                    m_listDirectory, listFilter, QStringLiteral("header"));
    if (file.isEmpty())
        return;
    const QListWidget *list = IsFooterListFile(file.toStdString()) ? footerlist : headerlist;
    ByteLines entries;
    for (int i = 0; i < list->count(); ++i)
        entries.push_back(ToEngineText(list->item(i)->text()));
    if (!WriteHeaderFooterList(file.toStdString(), entries))
        m_prompts.show("Save error", "Unable to save the list !\r" + file.toStdString(),
                       PromptButtons::Ok);
    UpdateCounters();
}

void THeaderFooterWindow::TestHeaderAndFooter()
{
    setMemoLines(WithHeaderAndFooter(memoLines(), m_options));
}

void THeaderFooterWindow::UpdateCounters()
{
    Label7->setText(QString::number(headerlist->count()));
    Label8->setText(QString::number(footerlist->count()));
}

bool THeaderFooterWindow::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::Show)
        UpdateCounters();
    return QDialog::event(event);
}

} // namespace pagoranto

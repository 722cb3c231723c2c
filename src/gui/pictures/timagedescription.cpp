#include "gui/pictures/timagedescription.h"

#include "core/pictures/filemask.h"
#include "core/text/bytetext.h"
#include "core/text/textencoding.h"
#include "gui/pictures/directorychooser.h"
#include "gui/pictures/pictureloader.h"
#include "gui/platform/encodedsave.h"
#include "gui/platform/qttext.h"
#include "gui/ui/namedwidgets.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QTextCursor>
#include <QVBoxLayout>

namespace pagoranto {

namespace {

constexpr int memoMaxLength = 1024;

// Items keep the name's bytes: file names need not be UTF-8.
constexpr int nameRole = Qt::UserRole;

void Fill(QListWidget *list, const std::vector<std::string> &names)
{
    list->clear();
    for (const std::string &name : names) {
        auto *item = new QListWidgetItem(ToQString(ToUtf8(name)), list);
        item->setData(nameRole, QByteArray::fromStdString(name));
    }
}

QListWidget *NamedList(const char *name, QWidget *parent)
{
    auto *list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    return list;
}

QGroupBox *Titled(const QString &title, QWidget *content, QWidget *parent)
{
    auto *box = new QGroupBox(title, parent);
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(content);
    return box;
}

} // namespace

Timagedescription::Timagedescription(DescriptionStore &store, MessageBox &prompts, QWidget *parent)
    : QDialog(parent), m_store(store), m_prompts(prompts), m_loader(new PictureLoader(this))
{
    setObjectName(QStringLiteral("Timagedescription"));
    setWindowTitle(QStringLiteral("Image description window"));
    setModal(true);

    // Left: where the pictures are.
    auto *left = new QWidget(this);
    directoryChooser = new DirectoryChooser("DriveComboBox1", "DirectoryListBox1", left);
    Edit1 = new QLineEdit(m_mask, left);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setToolTip(QStringLiteral("File mask: press Enter to apply"));
    FileListBox1 = NamedList("FileListBox1", left);
    ListBox1 = NamedList("ListBox1", left);
    FileListBox2 = NamedList("FileListBox2", left);
    auto *leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(directoryChooser, 3);
    leftLayout->addWidget(Edit1);
    auto *lists = new QHBoxLayout;
    lists->addWidget(Titled(QStringLiteral(" Complete image list "), FileListBox1, left));
    lists->addWidget(Titled(QStringLiteral(" Marked thumbnail list "), ListBox1, left));
    leftLayout->addLayout(lists, 4);
    auto *descFiles = Titled(QStringLiteral("*.desc"), FileListBox2, left);
    descFiles->setMaximumHeight(90);
    leftLayout->addWidget(descFiles);

    // Right: the picture and its description.
    auto *right = new QWidget(this);
    picname = new QLabel(right);
    picname->setObjectName(QStringLiteral("picname"));
    QFont bold = picname->font();
    bold.setBold(true);
    picname->setFont(bold);
    picname->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Memo1 = new QPlainTextEdit(right);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setMaximumHeight(120);
    Memo1->setToolTip(QStringLiteral("Every line becomes a line of the description"));

    auto *commands = new QGridLayout;
    const char *const captions[] = {"$dateeng$", "$time$",  "$count$", "$total$", "$freetext$",
                                    "$html1$",   "$html2$", "$html3$", "$html4$"};
    int column = 0;
    for (const char *caption : captions) {
        const QString text = QString::fromLatin1(caption);
        QPushButton *button = NamedButton(
            text, ("insert" + QString(text).remove(QLatin1Char('$'))).toLatin1().constData(),
            right);
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QPushButton::clicked, this, [this, text] { InsertCommand(text); });
        commands->addWidget(button, 0, column++);
        insertButtons.push_back(button);
    }

    Image1 = new QLabel;
    Image1->setObjectName(QStringLiteral("Image1"));
    ScrollBox1 = new QScrollArea(right);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setWidget(Image1);
    ScrollBox1->setAlignment(Qt::AlignCenter);
    ScrollBox1->setBackgroundRole(QPalette::Dark);

    note = new QLabel(
        QStringLiteral("You can activate the image description for your gallery, if you place the "
                       "command $pcomment$ or $pcommentfl$ in your template. [Hidden command]"),
        right);
    note->setObjectName(QStringLiteral("note"));
    note->setWordWrap(true);
    Button1 = NamedButton(QStringLiteral("Back"), "Button1", right);

    auto *rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addWidget(picname);
    rightLayout->addWidget(Memo1);
    rightLayout->addLayout(commands);
    rightLayout->addWidget(ScrollBox1, 1);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(note, 1);
    bottom->addWidget(Button1, 0, Qt::AlignBottom);
    rightLayout->addLayout(bottom);

    auto *splitter = new QSplitter(this);
    splitter->addWidget(left);
    splitter->addWidget(right);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(splitter);
    resize(1100, 720);

    connect(directoryChooser, &DirectoryChooser::directoryChanged, this,
            &Timagedescription::DirectoryChanged);
    connect(Edit1, &QLineEdit::returnPressed, this, &Timagedescription::Edit1Enter);
    connect(FileListBox1, &QListWidget::itemClicked, this, &Timagedescription::ListClicked);
    connect(ListBox1, &QListWidget::itemClicked, this, &Timagedescription::ListClicked);
    connect(Memo1, &QPlainTextEdit::textChanged, this, &Timagedescription::MemoChanged);
    connect(Button1, &QPushButton::clicked, this, &Timagedescription::BackClick);
    connect(m_loader, &PictureLoader::loaded, this, [this](const QImage &image) {
        Image1->setPixmap(QPixmap::fromImage(image));
        Image1->adjustSize();
    });
}

void Timagedescription::Prepare(const QString &mask, const QString &dir,
                                const std::vector<std::string> &marked)
{
    m_mask = mask;
    Edit1->setText(mask);
    if (WithTrailingSlash(dir) == directory())
        DirectoryChanged(directory()); // the store may hold another directory's lines by now
    else
        setDirectory(dir);
    m_current.clear();
    picname->clear();
    Fill(ListBox1, marked);
}

void Timagedescription::ShowFor(const QString &mask, const QString &dir,
                                const std::vector<std::string> &marked)
{
    Prepare(mask, dir, marked);
    exec();
}

QString Timagedescription::directory() const
{
    return directoryChooser->directory();
}

void Timagedescription::setDirectory(const QString &dir)
{
    directoryChooser->setDirectory(dir);
}

void Timagedescription::DirectoryChanged(const QString &dir)
{
    if (m_returningToDirectory)
        return;
    // The description being written belongs to the directory being left, and is kept there.
    if (!SaveCurrentDescription()) {
        m_returningToDirectory = true;
        setDirectory(m_storeDirectory);
        m_returningToDirectory = false;
        return;
    }
    m_current.clear();
    picname->clear();
    Memo1->clear();
    Image1->clear();
    m_storeDirectory = dir;
    m_store.LoadFromDirectory(QFile::encodeName(dir).toStdString());
    FillLists();
}

void Timagedescription::FillLists()
{
    const std::string dir = QFile::encodeName(directory()).toStdString();
    Fill(FileListBox1, ListFilesMatching(dir, ToEngineText(m_mask)));
    Fill(FileListBox2, ListFilesMatching(dir, "*.desc"));
}

void Timagedescription::Edit1Enter()
{
    m_mask = ToQString(JpgFileMask(ToEngineText(Edit1->text())));
    Edit1->setText(m_mask);
    FillLists();
}

void Timagedescription::ListClicked(QListWidgetItem *item)
{
    if (item)
        ChoosePicture(item->data(nameRole).toByteArray().toStdString());
}

void Timagedescription::ChoosePicture(const std::string &name)
{
    if (!SaveCurrentDescription())
        return;
    Image1->clear();
    m_loader->Load(std::filesystem::path(QFile::encodeName(directory()).toStdString()) / name);
    Memo1->clear();
    m_current = name;
    picname->setText(ToQString(ToUtf8(name)));
    QStringList lines;
    for (const std::string &line : m_store.DescriptionLines(name))
        lines << ToQString(DecodeText(line, m_store.encoding()));
    Memo1->setPlainText(lines.join(QLatin1Char('\n')));
}

bool Timagedescription::SaveCurrentDescription()
{
    if (m_current.empty())
        return true;
    ByteLines memoLines;
    const QString text = Memo1->toPlainText();
    // An empty memo has no lines at all.
    if (!text.isEmpty())
        for (const QString &line : text.split(QLatin1Char('\n')))
            memoLines.push_back(ToEngineText(line));
    const QString file = m_storeDirectory + ToQString(DescriptionStore::fileName);
    if (const std::string unheld = m_store.UnheldCharacters(memoLines); !unheld.empty()) {
        if (!ConfirmSaveAsUtf8(m_prompts, file, unheld))
            return false;
        m_store.ConvertToUtf8();
    }
    m_store.StoreDescription(m_current, memoLines);
    m_store.Save(QFile::encodeName(file).toStdString());
    return true;
}

void Timagedescription::MemoChanged()
{
    if (m_fixingMemo)
        return;
    // A "|" would split the line into fields, also when pasted; the memo holds 1024 characters.
    QString text = Memo1->toPlainText();
    if (!text.contains(QLatin1Char('|')) && text.size() <= memoMaxLength)
        return;
    m_fixingMemo = true;
    QTextCursor cursor = Memo1->textCursor();
    const int before = cursor.position();
    const int removedBefore = Memo1->toPlainText().left(before).count(QLatin1Char('|'));
    text.remove(QLatin1Char('|'));
    text.truncate(memoMaxLength);
    Memo1->setPlainText(text);
    cursor.setPosition(std::min(before - removedBefore, static_cast<int>(text.size())));
    Memo1->setTextCursor(cursor);
    m_fixingMemo = false;
}

void Timagedescription::InsertCommand(const QString &command)
{
    Memo1->insertPlainText(command);
    Memo1->setFocus();
}

void Timagedescription::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_current.clear();
    picname->clear();
    Memo1->clear();
    m_loader->Cancel();
    Image1->clear();
    Image1->resize(0, 0);
}

void Timagedescription::BackClick()
{
    close();
}

void Timagedescription::closeEvent(QCloseEvent *event)
{
    if (!SaveCurrentDescription()) {
        event->ignore();
        return;
    }
    m_current.clear();
    QDialog::closeEvent(event);
}

void Timagedescription::reject()
{
    if (!SaveCurrentDescription())
        return;
    m_current.clear();
    QDialog::reject();
}

void Timagedescription::WaitForPicture()
{
    m_loader->WaitForIdle();
    QCoreApplication::sendPostedEvents(m_loader);
}

} // namespace pagoranto

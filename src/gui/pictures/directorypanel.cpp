#include "gui/pictures/directorypanel.h"

#include "core/pictures/filemask.h"
#include "core/pictures/listedfiledeletion.h"
#include "core/pictures/picturedirectorytexts.h"
#include "core/text/bytetext.h"
#include "gui/platform/filedialog.h"
#include "gui/platform/qttext.h"
#include "gui/platform/reentry.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace pagoranto {

namespace {

constexpr int nameRole = Qt::UserRole;

QString WithTrailingSlash(QString dir)
{
    dir = QDir::cleanPath(dir);
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir;
}

QString HomeDrive()
{
    return WithTrailingSlash(QDir::homePath());
}

QLabel *WorkingPanel(const QString &name, QWidget *parent)
{
    auto *panel = new QLabel(ToQString(workingText), parent);
    panel->setObjectName(name);
    panel->setAlignment(Qt::AlignCenter);
    panel->setWordWrap(true);
    panel->setFrameShape(QFrame::StyledPanel);
    return panel;
}

// A control with its working panel in the same place.
QStackedWidget *Covered(QWidget *control, QLabel *panel, QWidget *parent)
{
    auto *stack = new QStackedWidget(parent);
    stack->addWidget(control);
    stack->addWidget(panel);
    return stack;
}

QListWidget *FileList(const QString &name, QWidget *parent)
{
    auto *list = new QListWidget(parent);
    list->setObjectName(name);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    return list;
}

std::vector<std::string> Names(const QListWidget *list)
{
    std::vector<std::string> names;
    names.reserve(std::size_t(list->count()));
    for (int i = 0; i < list->count(); ++i)
        names.push_back(list->item(i)->data(nameRole).toByteArray().toStdString());
    return names;
}

} // namespace

DirectoryPanel::DirectoryPanel(MessageBox &prompts, Shell &shell, QWidget *parent)
    : QWidget(parent), m_prompts(prompts), m_shell(shell)
{
    setObjectName(QStringLiteral("Panel10"));
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(MakeTreeArea(), 3);
    layout->addWidget(MakeJpgArea(), 2);
    layout->addWidget(MakeOtherListsArea(), 2);
    setPictureDir(HomeDrive());
}

QWidget *DirectoryPanel::MakeTreeArea()
{
    auto *area = new QGroupBox(QStringLiteral("Picture directory"), this);
    DriveComboBox1 = new QComboBox(area);
    DriveComboBox1->setObjectName(QStringLiteral("DriveComboBox1"));
    DriveComboBox1->addItem(QStringLiteral("/"));
    if (HomeDrive() != QStringLiteral("/"))
        DriveComboBox1->addItem(HomeDrive());
    selectDirectory = new QToolButton(area);
    selectDirectory->setObjectName(QStringLiteral("selectDirectory"));
    selectDirectory->setText(QStringLiteral("Select a directory with jpg pictures"));
    selectDirectory->setToolTip(selectDirectory->text());

    m_tree = new QFileSystemModel(this);
    m_tree->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_tree->setRootPath(QStringLiteral("/"));
    DirectoryListBox1 = new QTreeView(area);
    DirectoryListBox1->setObjectName(QStringLiteral("DirectoryListBox1"));
    DirectoryListBox1->setModel(m_tree);
    DirectoryListBox1->setHeaderHidden(true);
    for (int column = 1; column < m_tree->columnCount(); ++column)
        DirectoryListBox1->hideColumn(column);
    DirectoryListBox1->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    DirectoryListBox1->header()->setStretchLastSection(false);
    Panel6 = WorkingPanel(QStringLiteral("Panel6"), area);
    m_treeStack = Covered(DirectoryListBox1, Panel6, area);

    auto *top = new QHBoxLayout;
    top->addWidget(DriveComboBox1, 1);
    top->addWidget(selectDirectory);
    auto *layout = new QVBoxLayout(area);
    layout->addLayout(top);
    layout->addWidget(m_treeStack, 1);

    connect(DriveComboBox1, &QComboBox::activated, this, &DirectoryPanel::DriveComboBox1Change);
    // The tree reports a click while it handles the mouse press; the directory change lets
    // messages run and would have the press finish on rows that moved meanwhile.
    connect(DirectoryListBox1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] {
                if (!m_syncingTree)
                    RunAfterCurrentEvent(this, [this] { DirectoryListBox1Change(); });
            });
    // The model reads directories in the background: a directory set from outside can be
    // scrolled to only once its parents are read.
    connect(m_tree, &QFileSystemModel::directoryLoaded, this, [this](const QString &path) {
        const QString wanted = QDir::cleanPath(m_pictureDir);
        if (!m_reveal || !wanted.startsWith(path))
            return;
        if (wanted == QDir::cleanPath(path))
            m_reveal = false;
        QTimer::singleShot(0, this, &DirectoryPanel::RevealInTree);
    });
    connect(selectDirectory, &QToolButton::clicked, this, &DirectoryPanel::SelectDirectoryClick);
    return area;
}

QWidget *DirectoryPanel::MakeJpgArea()
{
    auto *area = new QGroupBox(QStringLiteral(" List of found jpg pictures "), this);
    Edit1 = new QLineEdit(m_jpgMask, area);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    FileListBox1 = FileList(QStringLiteral("FileListBox1"), area);
    Panel4 = WorkingPanel(QStringLiteral("Panel4"), area);
    m_jpgStack = Covered(FileListBox1, Panel4, area);
    deleteJpgFiles = new QPushButton(QStringLiteral("Delete all found jpg files"), area);
    deleteJpgFiles->setObjectName(QStringLiteral("deleteJpgFiles"));

    auto *layout = new QVBoxLayout(area);
    layout->addWidget(Edit1);
    layout->addWidget(m_jpgStack, 1);
    layout->addWidget(deleteJpgFiles);

    connect(Edit1, &QLineEdit::returnPressed, this, &DirectoryPanel::Edit1Enter);
    connect(FileListBox1, &QListWidget::itemDoubleClicked, this, &DirectoryPanel::OpenListedFile);
    connect(deleteJpgFiles, &QPushButton::clicked, this, &DirectoryPanel::DeleteJpgFilesClick);
    return area;
}

QWidget *DirectoryPanel::MakeOtherListsArea()
{
    auto *area = new QWidget(this);
    auto *html = new QGroupBox(QStringLiteral("Found html files"), area);
    FileListBox2 = FileList(QStringLiteral("FileListBox2"), html);
    Panel5 = WorkingPanel(QStringLiteral("Panel5"), html);
    m_htmlStack = Covered(FileListBox2, Panel5, html);
    deleteHtmlFiles = new QPushButton(QStringLiteral("Delete all found html files"), html);
    deleteHtmlFiles->setObjectName(QStringLiteral("deleteHtmlFiles"));
    auto *htmlLayout = new QVBoxLayout(html);
    htmlLayout->addWidget(m_htmlStack, 1);
    htmlLayout->addWidget(deleteHtmlFiles);

    auto *sorting = new QGroupBox(QStringLiteral("Found sorting lists"), area);
    FileListBox3 = FileList(QStringLiteral("FileListBox3"), sorting);
    sortinglistFound = new QPushButton(ToQString(sortingListFoundText), sorting);
    sortinglistFound->setObjectName(QStringLiteral("sortinglistFound"));
    sortinglistFound->setFlat(true);
    sortinglistFound->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold;"));
    auto *sortingLayout = new QVBoxLayout(sorting);
    sortingLayout->addWidget(FileListBox3, 1);
    sortingLayout->addWidget(sortinglistFound);

    auto *layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(html);
    layout->addWidget(sorting);

    connect(FileListBox2, &QListWidget::itemDoubleClicked, this, &DirectoryPanel::OpenListedFile);
    connect(deleteHtmlFiles, &QPushButton::clicked, this, &DirectoryPanel::DeleteHtmlFilesClick);
    connect(FileListBox3, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *item) {
        emit sortingListActivated(
            QString::fromStdString(item->data(nameRole).toByteArray().toStdString()));
    });
    connect(sortinglistFound, &QPushButton::clicked, this, &DirectoryPanel::SortingListFoundClick);
    return area;
}

void DirectoryPanel::setPictureDir(const QString &dir)
{
    const QString directory = WithTrailingSlash(dir);
    ShowDriveOf(directory);
    m_reveal = true;
    ShowInTree(directory);
    ApplyDirectory(directory);
}

void DirectoryPanel::ShowDriveOf(const QString &dir)
{
    const QString home = HomeDrive();
    const int drive = DriveComboBox1->findText(dir.startsWith(home) ? home : QStringLiteral("/"));
    if (drive >= 0)
        DriveComboBox1->setCurrentIndex(drive);
}

void DirectoryPanel::RevealInTree()
{
    const QModelIndex index = m_tree->index(QDir::cleanPath(m_pictureDir));
    if (!index.isValid())
        return;
    // Rows that arrived since the last paint are not laid out yet.
    DirectoryListBox1->doItemsLayout();
    m_syncingTree = true;
    DirectoryListBox1->setCurrentIndex(index);
    m_syncingTree = false;
    DirectoryListBox1->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

void DirectoryPanel::ShowInTree(const QString &dir)
{
    m_syncingTree = true;
    const QString drive = DriveComboBox1->currentText();
    DirectoryListBox1->setRootIndex(
        m_tree->index(drive == QStringLiteral("/") ? drive : QDir::cleanPath(drive)));
    const QModelIndex index = m_tree->index(QDir::cleanPath(dir));
    if (index.isValid()) {
        DirectoryListBox1->setCurrentIndex(index);
        DirectoryListBox1->scrollTo(index);
    }
    m_syncingTree = false;
}

void DirectoryPanel::DriveComboBox1Change(int index)
{
    emit driveChanged();
    const QString drive = DriveComboBox1->itemText(index);
    m_reveal = false;
    ShowInTree(drive);
    ApplyDirectory(drive);
}

void DirectoryPanel::DirectoryListBox1Change()
{
    const QModelIndex index = DirectoryListBox1->currentIndex();
    if (!index.isValid())
        return;
    // The user's choice: the tree stays where the user is looking.
    m_reveal = false;
    const QString directory = WithTrailingSlash(m_tree->filePath(index));
    ShowDriveOf(directory);
    ApplyDirectory(directory);
}

void DirectoryPanel::ApplyDirectory(const QString &dir)
{
    if (dir == m_pictureDir)
        return;
    m_pictureDir = dir;
    RefreshFileLists();
    emit directoryChanged();
}

void DirectoryPanel::SelectDirectoryClick()
{
    const QString chosen = FileDialog::getExistingDirectory(
        this, QStringLiteral("Select a directory with jpg pictures"), m_pictureDir);
    if (!chosen.isEmpty())
        setPictureDir(chosen);
}

void DirectoryPanel::Edit1Enter()
{
    m_jpgMask = ToQString(JpgFileMask(ToEngineText(Edit1->text())));
    Edit1->setText(m_jpgMask);
    RefreshFileLists();
    emit refreshRequested();
}

void DirectoryPanel::ApplyMaskField()
{
    if (Edit1->text() == m_jpgMask)
        return;
    m_jpgMask = Edit1->text();
    FillList(FileListBox1, m_jpgMask);
    UpdateEnabling();
    emit jpgListChanged();
}

void DirectoryPanel::FillList(QListWidget *list, const QString &mask)
{
    list->clear();
    const std::string dir = QFile::encodeName(m_pictureDir).toStdString();
    for (const std::string &name : ListFilesMatching(dir, ToEngineText(mask))) {
        auto *item = new QListWidgetItem(ToQString(ToUtf8(name)), list);
        item->setData(nameRole, QByteArray::fromStdString(name));
    }
}

void DirectoryPanel::RefreshFileLists()
{
    FillList(FileListBox1, m_jpgMask);
    FillList(FileListBox2, QStringLiteral("*.html"));
    FillList(FileListBox3, QStringLiteral("*.qvlist"));
    sortinglistFound->setVisible(FileListBox3->count() > 0);
    UpdateEnabling();
    emit jpgListChanged();
    emit htmlListChanged();
}

std::vector<std::string> DirectoryPanel::jpgFileNames() const
{
    return Names(FileListBox1);
}

std::vector<std::string> DirectoryPanel::htmlFileNames() const
{
    return Names(FileListBox2);
}

std::vector<std::string> DirectoryPanel::sortingListNames() const
{
    return Names(FileListBox3);
}

void DirectoryPanel::setInputsEnabled(bool enabled)
{
    m_inputsEnabled = enabled;
    for (QWidget *control : std::initializer_list<QWidget *>{
             DriveComboBox1, DirectoryListBox1, selectDirectory, Edit1, FileListBox1, FileListBox2,
             FileListBox3, sortinglistFound})
        control->setEnabled(enabled);
    UpdateEnabling();
}

void DirectoryPanel::UpdateEnabling()
{
    const bool free = m_inputsEnabled && !m_deleting;
    deleteJpgFiles->setEnabled(free && FileListBox1->count() > 0);
    deleteHtmlFiles->setEnabled(free && FileListBox2->count() > 0);
}

void DirectoryPanel::ShowWorkingPanels()
{
    for (QStackedWidget *stack : {m_jpgStack, m_htmlStack, m_treeStack})
        stack->setCurrentIndex(1);
}

void DirectoryPanel::HideWorkingPanels()
{
    for (QStackedWidget *stack : {m_jpgStack, m_htmlStack, m_treeStack})
        stack->setCurrentIndex(0);
}

void DirectoryPanel::OpenListedFile(QListWidgetItem *item)
{
    const std::string name = item->data(nameRole).toByteArray().toStdString();
    m_shell.openDocument(QFile::encodeName(m_pictureDir).toStdString() + name);
}

void DirectoryPanel::DeleteJpgFilesClick()
{
    DeleteListedFiles(FileListBox1, deleteJpgQuestion, deletableJpgExtension);
}

void DirectoryPanel::DeleteHtmlFilesClick()
{
    DeleteListedFiles(FileListBox2, deleteHtmlQuestion, deletableHtmlExtension);
}

void DirectoryPanel::DeleteListedFiles(QListWidget *list, std::string_view question,
                                       std::string_view upperExtension)
{
    if (m_deleting)
        return;
    if (m_prompts.show(deleteQuestionTitle, question, PromptButtons::OkCancel) != PromptAnswer::Ok)
        return;
    m_deleting = true;
    UpdateEnabling();
    // The lists may be re-read while the loop lets events run; it works on what was asked.
    const std::vector<std::string> names = Names(list);
    const std::string dir = QFile::encodeName(m_pictureDir).toStdString();
    emit deleteStarting();
    ShowWorkingPanels();
    bool alive = true;
    const ListedDeletionResult result = pagoranto::DeleteListedFiles(
        dir, names, upperExtension, [this, &alive](const std::string &text) {
            alive = alive && ProcessMessagesFor(this);
            if (alive)
                Panel4->setText(ToQString(text));
        });
    if (!alive)
        return;
    if (!result.withoutTrash.empty())
        OfferPermanentDeletion(dir, result.withoutTrash);
    RefreshFileLists();
    HideWorkingPanels();
    Panel4->setText(ToQString(workingText));
    m_deleting = false;
    UpdateEnabling();
    emit deleteFinished();
}

// A file system without a trash (a card, a network share) would make "delete" mean "gone for
// good" unnoticed: the user decides, and a hasty Enter keeps the files.
void DirectoryPanel::OfferPermanentDeletion(const std::string &dir,
                                            const std::vector<std::string> &names)
{
    const std::string question =
        PermanentDeletionQuestion(ToEngineText(QFile::decodeName(dir.c_str())), names.size());
    if (m_prompts.confirm(noTrashTitle, question) == PromptAnswer::Yes)
        DeleteFilesPermanently(dir, names);
}

void DirectoryPanel::SortingListFoundClick()
{
    m_prompts.show(sortingListHintTitle, sortingListHintText, PromptButtons::Ok);
}

} // namespace pagoranto

#include "gui/pictures/tdestinationwin.h"

#include "core/pictures/bulkrename.h"
#include "core/pictures/copyname.h"
#include "core/pictures/filemask.h"
#include "core/text/bytetext.h"
#include "gui/pictures/directorychooser.h"
#include "gui/platform/qttext.h"
#include "gui/platform/reentry.h"
#include "gui/ui/namedwidgets.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <filesystem>

namespace pagoranto {

namespace {

constexpr int nameRole = Qt::UserRole;

constexpr std::string_view extensionQuestion =
    "Do you really like to change the fileextensions \".jpe\" or \".jpeg\"\rto \".jpg\" ?";
constexpr std::string_view downcaseQuestion =
    "Do you really like to change downcase all found filenames ? ";

struct Filter {
    const char *caption;
    const char *masks;
};
constexpr Filter filters[] = {{"All jpg files", "*.jpg;*.jpe;*.jpeg"},
                              {"Jpg files", "*.jpg"},
                              {"Jpe files", "*.jpe"},
                              {"Jpeg files", "*.jpeg"}};

std::vector<std::string> Subdirectories(const std::string &dir)
{
    std::vector<std::string> names;
    std::error_code error;
    for (const auto &entry : std::filesystem::directory_iterator(dir, error))
        if (entry.is_directory(error))
            names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end(), [](const std::string &a, const std::string &b) {
        return AsciiUpperCase(a) < AsciiUpperCase(b);
    });
    return names;
}

} // namespace

Tdestinationwin::Tdestinationwin(Prompts &prompts, const QString &initialDir, QWidget *parent)
    : QDialog(parent), m_prompts(prompts)
{
    setObjectName(QStringLiteral("Tdestinationwin"));
    setWindowTitle(QStringLiteral("Select your destination directory for the pictures"));
    setModal(true);

    directoryChooser = new DirectoryChooser("DriveComboBox1", "DirectoryListBox1", this);
    currentDirectory = NamedLabel("currentDirectory", this);
    currentDirectory->setTextInteractionFlags(Qt::TextSelectableByMouse);
    currentDirectory->setWordWrap(true);
    DirectoryList = new QListWidget(this);
    DirectoryList->setObjectName(QStringLiteral("DirectoryList"));
    DirectoryList->setToolTip(QStringLiteral("Double-click opens a directory"));
    FileListBox1 = new QListWidget(this);
    FileListBox1->setObjectName(QStringLiteral("FileListBox1"));
    FilterComboBox1 = new QComboBox(this);
    FilterComboBox1->setObjectName(QStringLiteral("FilterComboBox1"));
    for (const Filter &filter : filters)
        FilterComboBox1->addItem(QStringLiteral("%1 (%2)").arg(QString::fromLatin1(filter.caption),
                                                               QString::fromLatin1(filter.masks)),
                                 QString::fromLatin1(filter.masks));

    createDirectory = NamedButton(QStringLiteral("Create directory"), "createDirectory", this);
    newDirectoryName = new QLineEdit(this);
    newDirectoryName->setObjectName(QStringLiteral("newDirectoryName"));
    newDirectoryName->setPlaceholderText(QStringLiteral("Name of the new directory, then Enter"));
    newDirectoryName->hide();
    changeExtensions =
        NamedButton(QStringLiteral("Change filextension to \".jpg\""), "changeExtensions", this);
    downcaseNames = NamedButton(QStringLiteral("Downcase filenames"), "downcaseNames", this);
    closeButton = NamedButton(QStringLiteral("Close"), "closeButton", this);
    closeButton->setDefault(true);

    auto *notes = new QLabel(
        QStringLiteral("Only files with the extension \".jpg\" are taken for a gallery.\n"
                       "Web servers distinguish upper and lower case in file names: rename your "
                       "pictures before you make galleries and sorting lists of them."),
        this);
    notes->setObjectName(QStringLiteral("notes"));
    notes->setWordWrap(true);

    auto *treeBox = new QGroupBox(QStringLiteral("Destination directory"), this);
    auto *treeLayout = new QVBoxLayout(treeBox);
    treeLayout->addWidget(directoryChooser, 1);
    treeLayout->addWidget(currentDirectory);
    treeLayout->addWidget(createDirectory);
    treeLayout->addWidget(newDirectoryName);

    auto *listsBox = new QGroupBox(QStringLiteral("Contents"), this);
    auto *listsLayout = new QGridLayout(listsBox);
    listsLayout->addWidget(new QLabel(QStringLiteral("Subdirectories"), listsBox), 0, 0);
    listsLayout->addWidget(new QLabel(QStringLiteral("Pictures"), listsBox), 0, 1);
    listsLayout->addWidget(DirectoryList, 1, 0);
    listsLayout->addWidget(FileListBox1, 1, 1);
    listsLayout->addWidget(FilterComboBox1, 2, 1);
    listsLayout->addWidget(changeExtensions, 3, 1);
    listsLayout->addWidget(downcaseNames, 4, 1);

    auto *columns = new QHBoxLayout;
    columns->addWidget(treeBox, 1);
    columns->addWidget(listsBox, 1);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(notes, 1);
    bottom->addWidget(closeButton, 0, Qt::AlignBottom);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(bottom);
    resize(860, 560);

    connect(directoryChooser, &DirectoryChooser::directoryChanged, this, &Tdestinationwin::Refresh);
    connect(DirectoryList, &QListWidget::itemDoubleClicked, this,
            &Tdestinationwin::OpenSubdirectory);
    connect(FilterComboBox1, &QComboBox::currentIndexChanged, this, &Tdestinationwin::Refresh);
    connect(createDirectory, &QPushButton::clicked, this, &Tdestinationwin::CreateDirectoryClick);
    connect(newDirectoryName, &QLineEdit::returnPressed, this, &Tdestinationwin::NewDirectoryEnter);
    connect(changeExtensions, &QPushButton::clicked, this, &Tdestinationwin::ChangeExtensionsClick);
    connect(downcaseNames, &QPushButton::clicked, this, &Tdestinationwin::DowncaseClick);
    connect(closeButton, &QPushButton::clicked, this, &Tdestinationwin::CloseClick);

    setDirectory(initialDir);
}

QString Tdestinationwin::directory() const
{
    return directoryChooser->directory();
}

void Tdestinationwin::setDirectory(const QString &dir)
{
    directoryChooser->setDirectory(dir);
    Refresh();
}

std::vector<std::string> Tdestinationwin::fileNames() const
{
    std::vector<std::string> names;
    for (int row = 0; row < FileListBox1->count(); ++row)
        names.push_back(FileListBox1->item(row)->data(nameRole).toByteArray().toStdString());
    return names;
}

void Tdestinationwin::Refresh()
{
    const std::string dir = QFile::encodeName(directory()).toStdString();
    currentDirectory->setText(directory());
    currentDirectory->setToolTip(directory());
    DirectoryList->clear();
    if (directory() != QStringLiteral("/"))
        DirectoryList->addItem(QStringLiteral(".."));
    for (const std::string &name : Subdirectories(dir))
        DirectoryList->addItem(QFile::decodeName(QByteArray::fromStdString(name)));
    FileListBox1->clear();
    const std::string masks = FilterComboBox1->currentData().toString().toStdString();
    for (const std::string &name : ListFilesMatching(dir, masks)) {
        auto *item = new QListWidgetItem(ToQString(ToUtf8(name)), FileListBox1);
        item->setData(nameRole, QByteArray::fromStdString(name));
    }
}

void Tdestinationwin::OpenSubdirectory(QListWidgetItem *item)
{
    if (!item)
        return;
    const QString target = item->text() == QStringLiteral("..")
                               ? QDir(directory() + QStringLiteral("..")).absolutePath()
                               : directory() + item->text();
    setDirectory(QDir::cleanPath(target));
}

void Tdestinationwin::CreateDirectoryClick()
{
    newDirectoryName->clear();
    newDirectoryName->show();
    newDirectoryName->setFocus();
}

void Tdestinationwin::NewDirectoryEnter()
{
    const QString name = newDirectoryName->text().trimmed();
    newDirectoryName->hide();
    // A name, not a path: the directory is made here and nowhere else.
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name == QStringLiteral(".") ||
        name == QStringLiteral(".."))
        return;
    if (QDir(directory()).mkdir(name))
        setDirectory(directory() + name);
}

void Tdestinationwin::RenameListed(std::string_view question,
                                   const std::function<std::string(const std::string &)> &newName,
                                   QPushButton *button)
{
    const std::vector<std::string> names = fileNames();
    if (names.empty())
        return;
    if (m_prompts.show("info", question, PromptButtons::YesNo) != PromptAnswer::Yes)
        return;
    button->setEnabled(false);
    bool alive = true;
    const RenameOutcome outcome =
        RenameListedFiles(QFile::encodeName(directory()).toStdString(), names, newName,
                          [this, &alive] { return alive = ProcessMessagesFor(this); });
    if (!alive)
        return;
    button->setEnabled(true);
    Refresh();
    if (!outcome.refused.empty()) {
        std::string text = "These files were left as they were, because a file of the new name "
                           "exists already:\r";
        for (const std::string &name : outcome.refused)
            text += "\r" + ToUtf8(name);
        m_prompts.show("info", text, PromptButtons::Ok);
    }
}

void Tdestinationwin::ChangeExtensionsClick()
{
    RenameListed(extensionQuestion, JpgExtensionName, changeExtensions);
}

void Tdestinationwin::DowncaseClick()
{
    RenameListed(
        downcaseQuestion, [](const std::string &name) { return DowncaseFileName(name); },
        downcaseNames);
}

void Tdestinationwin::CloseClick()
{
    emit destinationChosen(directory());
    accept();
}

} // namespace pagoranto

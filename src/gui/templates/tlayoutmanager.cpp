#include "gui/templates/tlayoutmanager.h"

#include "core/options/toolsfile.h"
#include "core/platform/shell.h"
#include "core/templates/templatecompanions.h"
#include "core/templates/templatedirectory.h"
#include "core/text/bytetext.h"
#include "gui/platform/filedialog.h"
#include "gui/platform/messagebox.h"
#include "gui/platform/qttext.h"
#include "gui/templates/companionfiles.h"
#include "gui/templates/templatemessages.h"
#include "gui/templates/twinrichedit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QSplitter>
#include <QVBoxLayout>

namespace pagoranto {

namespace {

std::string Path(const QString &text)
{
    return ToEngineText(text);
}

} // namespace

TLayoutmanager::TLayoutmanager(MessageBox &prompts, Events &events, Shell &shell,
                               const WebToolOptions &webTools, Twinrichedit *editor,
                               QString defaultTemplateDir, QWidget *parent)
    : QDialog(parent), m_prompts(prompts), m_events(events), m_shell(shell), m_webTools(webTools),
      m_editor(editor),
      m_defaultTemplateDir(ToQString(WithTrailingSeparator(Path(defaultTemplateDir))))
{
    setObjectName(QStringLiteral("TLayoutmanager"));
    setWindowTitle(QStringLiteral("Layout-Manager"));
    resize(1100, 720);

    auto *splitter = new QSplitter(this);
    splitter->addWidget(CreateDirectoryColumn());
    splitter->addWidget(CreateListColumn());
    splitter->addWidget(CreatePreviewTabs());
    splitter->setStretchFactor(2, 1);
    splitter->setSizes({230, 230, 640});

    auto *back = new QPushButton(QStringLiteral("Back"), this);
    back->setObjectName(QStringLiteral("BackButton"));
    connect(back, &QPushButton::clicked, this, &QDialog::accept);
    auto *bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(back);

    auto *layout = new QVBoxLayout(this);
    CreateMenu();
    layout->addWidget(splitter, 1);
    layout->addLayout(bottom);
}

QWidget *TLayoutmanager::CreateDirectoryColumn()
{
    auto *box = new QGroupBox(QStringLiteral("Template directory"), this);
    DriveComboBox1 = new QComboBox(box);
    DriveComboBox1->setObjectName(QStringLiteral("DriveComboBox1"));
    DriveComboBox1->addItem(QStringLiteral("/"));
    DriveComboBox1->addItem(QDir::homePath());
    m_directories = new QFileSystemModel(this);
    m_directories->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    m_directories->setRootPath(QStringLiteral("/"));
    DirectoryListBox1 = new QTreeView(box);
    DirectoryListBox1->setObjectName(QStringLiteral("DirectoryListBox1"));
    DirectoryListBox1->setModel(m_directories);
    DirectoryListBox1->setHeaderHidden(true);
    for (int column = 1; column < m_directories->columnCount(); ++column)
        DirectoryListBox1->hideColumn(column);
    // The tree fills in the background; the current directory is brought into view once it is.
    connect(m_directories, &QFileSystemModel::directoryLoaded, this,
            [this] { DirectoryListBox1->scrollTo(DirectoryListBox1->currentIndex()); });
    connect(DriveComboBox1, &QComboBox::activated, this,
            [this](int index) { setTemplateDir(DriveComboBox1->itemText(index)); });
    connect(DirectoryListBox1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) {
                const QString directory = m_directories->filePath(current);
                if (!directory.isEmpty() &&
                    ToQString(WithTrailingSeparator(Path(directory))) != m_templateDir)
                    setTemplateDir(directory);
            });

    auto *SpeedButton1 = new QToolButton(box);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setText(QStringLiteral("Choose directory ..."));
    SpeedButton1->setToolTip(QStringLiteral("Select an other directory with templates"));
    auto *SpeedButton2 = new QToolButton(box);
    SpeedButton2->setObjectName(QStringLiteral("SpeedButton2"));
    SpeedButton2->setText(QStringLiteral("Default directory"));
    SpeedButton2->setToolTip(QStringLiteral("Go to the layouts of the program"));
    connect(SpeedButton1, &QToolButton::clicked, this, &TLayoutmanager::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TLayoutmanager::SpeedButton2Click);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(SpeedButton1);
    buttons->addWidget(SpeedButton2);

    auto *column = new QVBoxLayout(box);
    column->addWidget(DriveComboBox1);
    column->addWidget(DirectoryListBox1, 1);
    column->addLayout(buttons);
    return box;
}

QWidget *TLayoutmanager::CreateListColumn()
{
    auto *column = new QWidget(this);
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    const auto addList = [&](const char *title, const char *name, const char *countName,
                             QLabel *&count) {
        auto *box = new QGroupBox(QString::fromLatin1(title), column);
        auto *list = new QListWidget(box);
        list->setObjectName(QString::fromLatin1(name));
        list->setToolTip(QStringLiteral("Doubleclick on a template for a preview !"));
        count = new QLabel(QStringLiteral("0"), box);
        count->setObjectName(QString::fromLatin1(countName));
        auto *boxLayout = new QVBoxLayout(box);
        boxLayout->addWidget(list, 1);
        auto *countRow = new QHBoxLayout;
        countRow->addWidget(new QLabel(QStringLiteral("Templates:"), box));
        countRow->addWidget(count, 1);
        boxLayout->addLayout(countRow);
        layout->addWidget(box, 1);
        connect(list, &QListWidget::itemDoubleClicked, this,
                [this](QListWidgetItem *item) { SelectTemplate(item->text()); });
        return list;
    };
    normaltemplatelist = addList("Normal templates (without needed files list)",
                                 "normaltemplatelist", "normalcount", normalcount);
    neededfiletemplatelist = addList("Templates with needed files", "neededfiletemplatelist",
                                     "neededcount", neededcount);
    return column;
}

QWidget *TLayoutmanager::CreatePreviewTabs()
{
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));

    auto *preview = new QWidget(PageControl1);
    selectionlabel = new QLabel(preview);
    selectionlabel->setObjectName(QStringLiteral("selectionlabel"));
    selectionlabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *reloadlayout = new QToolButton(preview);
    reloadlayout->setObjectName(QStringLiteral("reloadlayout"));
    reloadlayout->setText(QStringLiteral("Reload"));
    reloadlayout->setToolTip(QStringLiteral("Show the selected template again"));
    connect(reloadlayout, &QToolButton::clicked, this, &TLayoutmanager::reloadlayoutClick);
    auto *top = new QHBoxLayout;
    top->addWidget(selectionlabel, 1);
    top->addWidget(reloadlayout);

    WebBrowser1 = new DeferredWebView(QStringLiteral("WebBrowser1"), preview);

    piccount = new QLabel(QStringLiteral("0"), preview);
    piccount->setObjectName(QStringLiteral("piccount"));
    tpiccount = new QLabel(QStringLiteral("0"), preview);
    tpiccount->setObjectName(QStringLiteral("tpiccount"));
    picfound = new QLabel(
        QStringLiteral("$PIC$ command found (template/layout contains original images)"), preview);
    picfound->setObjectName(QStringLiteral("picfound"));
    tpicfound = new QLabel(
        QStringLiteral("$TPIC$ command found (template/layout contains thumbnail images)"),
        preview);
    tpicfound->setObjectName(QStringLiteral("tpicfound"));
    picfound->hide();
    tpicfound->hide();
    auto *facts = new QGridLayout;
    facts->addWidget(new QLabel(QStringLiteral("$PIC$ found:"), preview), 0, 0);
    facts->addWidget(piccount, 0, 1);
    facts->addWidget(picfound, 0, 2);
    facts->addWidget(new QLabel(QStringLiteral("$TPIC$ found:"), preview), 1, 0);
    facts->addWidget(tpiccount, 1, 1);
    facts->addWidget(tpicfound, 1, 2);
    facts->setColumnMinimumWidth(1, 40);
    facts->setColumnStretch(2, 1);

    auto *previewLayout = new QVBoxLayout(preview);
    previewLayout->addLayout(top);
    previewLayout->addWidget(WebBrowser1, 1);
    previewLayout->addLayout(facts);
    PageControl1->addTab(preview, QStringLiteral("Template preview"));

    auto *companions = new QWidget(PageControl1);
    auto *descriptionBox = new QGroupBox(QStringLiteral("Template description"), companions);
    descriptionmemo = new QPlainTextEdit(descriptionBox);
    descriptionmemo->setObjectName(QStringLiteral("descriptionmemo"));
    auto *saveDescription = new QPushButton(QStringLiteral("Save new description"), descriptionBox);
    saveDescription->setObjectName(QStringLiteral("savedescription"));
    connect(saveDescription, &QPushButton::clicked, this, &TLayoutmanager::SaveNewDescriptionClick);
    auto *descriptionLayout = new QVBoxLayout(descriptionBox);
    descriptionLayout->addWidget(descriptionmemo, 1);
    descriptionLayout->addWidget(saveDescription, 0, Qt::AlignRight);

    auto *neededBox = new QGroupBox(QStringLiteral("Needed files"), companions);
    neededfiles = new QListWidget(neededBox);
    neededfiles->setObjectName(QStringLiteral("neededfiles"));
    neededfiles->setToolTip(QStringLiteral("Doubleclick on a file to open it"));
    connect(neededfiles, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *item) {
        m_shell.openDocument(Path(m_templateDir + item->text()));
    });
    auto *add = new QPushButton(QStringLiteral("Add files"), neededBox);
    add->setObjectName(QStringLiteral("addfiles"));
    auto *remove = new QPushButton(QStringLiteral("Remove marked item"), neededBox);
    remove->setObjectName(QStringLiteral("removemarkeditem"));
    auto *clear = new QPushButton(QStringLiteral("Clear list"), neededBox);
    clear->setObjectName(QStringLiteral("clearlist"));
    connect(add, &QPushButton::clicked, this, &TLayoutmanager::AddFilesClick);
    connect(remove, &QPushButton::clicked, this, &TLayoutmanager::RemoveMarkedItemClick);
    connect(clear, &QPushButton::clicked, this, &TLayoutmanager::ClearListClick);
    auto *neededButtons = new QHBoxLayout;
    neededButtons->addWidget(add);
    neededButtons->addWidget(remove);
    neededButtons->addWidget(clear);
    auto *neededLayout = new QVBoxLayout(neededBox);
    neededLayout->addWidget(neededfiles, 1);
    neededLayout->addLayout(neededButtons);

    auto *companionLayout = new QVBoxLayout(companions);
    companionLayout->addWidget(descriptionBox, 3);
    companionLayout->addWidget(neededBox, 2);
    PageControl1->addTab(companions, QStringLiteral("Description and needed files"));
    return PageControl1;
}

void TLayoutmanager::CreateMenu()
{
    auto *menus = new QMenuBar(this);
    layout()->setMenuBar(menus);
    QMenu *webtools = menus->addMenu(QStringLiteral("&Webtools"));
    webtools->setObjectName(QStringLiteral("Webtools1"));
    for (int i = 0; i < 3; ++i) {
        webeditor[i] = webtools->addAction(QStringLiteral("?"));
        webeditor[i]->setObjectName(QStringLiteral("webeditor%1").arg(i + 1) + QLatin1Char('1'));
        connect(webeditor[i], &QAction::triggered, this, [this, i] { WebToolClick(i + 1); });
    }
    webtools->addSeparator();
    InternalEditor1 = webtools->addAction(QStringLiteral("Internal Editor"));
    InternalEditor1->setObjectName(QStringLiteral("InternalEditor1"));
    connect(InternalEditor1, &QAction::triggered, this, &TLayoutmanager::InternalEditor1Click);
    connect(webtools, &QMenu::aboutToShow, this, &TLayoutmanager::UpdateWebToolCaptions);
    QAction *hint = menus->addAction(QStringLiteral("Doubleclick on a template for a preview !"));
    hint->setObjectName(QStringLiteral("Doubleclickonatemplateforapreview1"));
    hint->setEnabled(false);
    UpdateWebToolCaptions();
}

void TLayoutmanager::UpdateWebToolCaptions()
{
    const std::array<const std::string *, 3> paths = {
        &m_webTools.webtool1_label, &m_webTools.webtool2_label, &m_webTools.webtool3_label};
    for (int i = 0; i < 3; ++i)
        webeditor[i]->setText(ToQString(ToolMenuCaption(*paths[i])));
}

void TLayoutmanager::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    UpdateWebToolCaptions();
    if (m_activatedOnce)
        return;
    m_activatedOnce = true;
    setTemplateDir(m_defaultTemplateDir);
}

void TLayoutmanager::setTemplateDir(const QString &directory)
{
    m_templateDir = ToQString(WithTrailingSeparator(Path(directory)));
    ShowDirectoryInTree(m_templateDir);
    DirectoryScan();
}

void TLayoutmanager::ShowDirectoryInTree(const QString &directory)
{
    QString root = DriveComboBox1->itemText(0);
    for (int i = DriveComboBox1->count() - 1; i >= 0; --i) {
        const QString drive = ToQString(WithTrailingSeparator(Path(DriveComboBox1->itemText(i))));
        if (directory.startsWith(drive)) {
            DriveComboBox1->setCurrentIndex(i);
            root = DriveComboBox1->itemText(i);
            break;
        }
    }
    DirectoryListBox1->setRootIndex(m_directories->index(root));
    const QModelIndex index = m_directories->index(QDir::cleanPath(directory));
    if (index.isValid()) {
        const QSignalBlocker quiet(DirectoryListBox1->selectionModel());
        DirectoryListBox1->setCurrentIndex(index);
        DirectoryListBox1->scrollTo(index);
    }
}

void TLayoutmanager::DirectoryScan()
{
    const TemplateDirectoryScan scan = ScanTemplateDirectory(Path(m_templateDir));
    const auto fill = [](QListWidget *list, const std::vector<std::string> &names) {
        list->clear();
        for (const std::string &name : names)
            list->addItem(ToQString(name));
    };
    fill(normaltemplatelist, scan.normaltemplatelist);
    fill(neededfiletemplatelist, scan.neededfiletemplatelist);
    ShowCounts();
}

void TLayoutmanager::ShowCounts()
{
    normalcount->setText(QString::number(normaltemplatelist->count()));
    neededcount->setText(QString::number(neededfiletemplatelist->count()));
}

void TLayoutmanager::SpeedButton1Click()
{
    const QString directory = FileDialog::getDirectoryMaybeNew(
        this, QStringLiteral("Select a directory with templates"), m_templateDir);
    if (directory.isEmpty())
        return;
    if (!QFileInfo(directory).isDir()) {
        const std::string question = "The directory\r" + directory.toStdString() +
                                     "\rdoes not exist.\r\rDo you want to create it ?";
        if (m_prompts.confirm("Question", question) != PromptAnswer::Yes)
            return;
        if (!QDir().mkpath(directory)) {
            m_prompts.inform("ERROR", "The directory\r" + directory.toStdString() +
                                          "\rcould not be created.");
            return;
        }
    }
    setTemplateDir(directory);
}

void TLayoutmanager::SpeedButton2Click()
{
    setTemplateDir(m_defaultTemplateDir);
}

void TLayoutmanager::AnalyseSelection()
{
    m_analysis = AnalyseLayout(Path(m_managerSelection), m_events);
    if (m_analysis.total == 0)
        m_prompts.show("ERROR", templatemessages::withoutCommands, PromptButtons::Ok);
    piccount->setText(QString::number(m_analysis.picCount()));
    tpiccount->setText(QString::number(m_analysis.tpicCount()));
    picfound->setVisible(m_analysis.picCount() > 0);
    tpicfound->setVisible(m_analysis.tpicCount() > 0);
}

void TLayoutmanager::SelectTemplate(const QString &name)
{
    PageControl1->setCurrentIndex(0);
    m_managerSelection = m_templateDir + name;
    selectionlabel->setText(m_managerSelection);
    WebBrowser1->setToolTip(m_managerSelection);
    WebBrowser1->load(QUrl::fromLocalFile(m_managerSelection));
    AnalyseSelection();
    if (m_analysis.total == 0) {
        m_managerSelection.clear();
        return;
    }
    const DecodedText description = LoadWholeTemplateDescription(Path(m_managerSelection));
    m_descriptionEncoding = description.encoding;
    descriptionmemo->setPlainText(ToQString(description.text));
    neededfiles->clear();
    for (const std::string &entry : LoadNeededFiles(NeededFilesListPath(Path(m_managerSelection))))
        AddNeededFileEntry(neededfiles, entry);
}

void TLayoutmanager::reloadlayoutClick()
{
    if (m_managerSelection.isEmpty())
        return;
    PageControl1->setCurrentIndex(0);
    WebBrowser1->load(QUrl::fromLocalFile(m_managerSelection));
}

void TLayoutmanager::SaveNeededFileList()
{
    SaveNeededFiles(Path(m_managerSelection), NeededFileEntries(neededfiles));
}

void TLayoutmanager::AddFilesClick()
{
    if (m_managerSelection.isEmpty())
        return;
    const QString file = FileDialog::getOpenFileName(
        this, QStringLiteral("Add files to the list of needed files"),
        QFileInfo(m_managerSelection).path(),
        QStringLiteral("All files (*);;jpg files (*.jpg *.jpe *jpeg);;gif files (*.gif);;html "
                       "files (*.html *.htm)"));
    if (file.isEmpty())
        return;
    if (!LiesInTemplateDirectory(Path(m_managerSelection), Path(file))) {
        m_prompts.showError("Problem", templatemessages::otherDirectory);
        return;
    }
    AddNeededFileEntry(neededfiles, QFile::encodeName(QFileInfo(file).fileName()).toStdString());
    SaveNeededFileList();
}

void TLayoutmanager::RemoveMarkedItemClick()
{
    if (m_managerSelection.isEmpty())
        return;
    if (QListWidgetItem *item = neededfiles->currentItem(); item && item->isSelected()) {
        delete item;
        SaveNeededFileList();
    }
}

void TLayoutmanager::ClearListClick()
{
    if (m_managerSelection.isEmpty())
        return;
    if (m_prompts.show("info", templatemessages::clearNeededFiles, PromptButtons::OkCancel) !=
        PromptAnswer::Ok)
        return;
    neededfiles->clear();
    SaveNeededFileList();
}

void TLayoutmanager::SaveNewDescriptionClick()
{
    if (m_managerSelection.isEmpty())
        return;
    SaveDescriptionMemo(m_prompts, Path(m_managerSelection), descriptionmemo->toPlainText(),
                        m_descriptionEncoding);
}

void TLayoutmanager::WebToolClick(int index)
{
    UpdateWebToolCaptions();
    if (webeditor[index - 1]->text() == QLatin1String("?") || m_managerSelection.isEmpty()) {
        m_prompts.show("ERROR", templatemessages::noLayoutForEditing, PromptButtons::Ok);
        return;
    }
    emit webToolRequested(index, m_managerSelection);
}

void TLayoutmanager::InternalEditor1Click()
{
    if (m_managerSelection.isEmpty()) {
        m_prompts.show("ERROR", templatemessages::noTemplateToShow, PromptButtons::Ok);
        return;
    }
    if (m_editor)
        m_editor->EditTemplate(m_managerSelection);
    // "Save as" may have added a template to the directory.
    DirectoryScan();
    reloadlayoutClick();
    AnalyseSelection();
    if (m_analysis.total == 0)
        m_managerSelection.clear();
}

} // namespace pagoranto

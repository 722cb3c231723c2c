#include "gui/options/tform1.h"

#include "core/generator/directorylevels.h"
#include "core/generator/pagenames.h"
#include "core/options/commandhelp.h"
#include "core/options/externalbrowser.h"
#include "core/options/startupoptions.h"
#include "core/pictures/sortinglist.h"
#include "core/text/localeformats.h"
#include "core/thumbnailer/thumbnailerlink.h"
#include "gui/generator/tcreationwindow.h"
#include "gui/generator/tendstatus.h"
#include "gui/options/browserpanel.h"
#include "gui/options/commandhelppanel.h"
#include "gui/options/directorylevelspanel.h"
#include "gui/options/linktextspanel.h"
#include "gui/options/protocolpanel.h"
#include "gui/options/specialoptionspanel.h"
#include "gui/options/tform1messages.h"
#include "gui/options/tinfofenster.h"
#include "gui/options/tnavigationsleistewindow.h"
#include "gui/options/tpagenamewindow.h"
#include "gui/options/tquickinfo.h"
#include "gui/options/tthreegalleries.h"
#include "gui/options/tthumbnaileropt.h"
#include "gui/options/wizardpanel.h"
#include "gui/pictures/directorypanel.h"
#include "gui/pictures/tcopywin.h"
#include "gui/pictures/tdestinationwin.h"
#include "gui/pictures/tfilelistwindow.h"
#include "gui/pictures/thumbnaillist.h"
#include "gui/pictures/thumbnaillistsettings.h"
#include "gui/pictures/thumbnailpanel.h"
#include "gui/pictures/timagedescription.h"
#include "gui/pictures/tshowfullpicture.h"
#include "gui/platform/filedialog.h"
#include "gui/platform/qttext.h"
#include "gui/platform/reentry.h"
#include "gui/publish/publishwindow.h"
#include "gui/templates/templateinfopanel.h"
#include "gui/ui/clickablelabel.h"
#include "gui/ui/deferredwebview.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLocale>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QUrl>
#include <QVBoxLayout>
#include <filesystem>

namespace pagoranto {

namespace {

constexpr std::uint8_t historyEntries = 15;

} // namespace

TForm1::TForm1(StartupPaths paths, InformationTimes times, QWidget *parent)
    : QMainWindow(parent), m_times(times), m_view(*this),
      m_run(m_setup, m_settings, m_descriptions,
            RunServices{m_prompts, m_events, m_clock, m_dateTimeFormats, m_shell, m_view})
{
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("Pagoranto"));
    m_prompts.setParentWindow(this);
    // Dates and times start in the user's own formats; the C locale has none of its own.
    if (const QLocale locale = QLocale::system(); locale.language() != QLocale::C)
        m_dateTimeFormats = FormatsFromLocale(ToEngineText(locale.dateFormat(QLocale::ShortFormat)),
                                              ToEngineText(locale.timeFormat(QLocale::LongFormat)));
    m_setup.programDirectory = paths.programDirectory;
    m_setup.installDirectory = paths.installDirectory;

    std::error_code ignored;
    std::filesystem::create_directory(SettingsFile("temp"), ignored);
    m_thumbnailerPresent = thumbnailerPresent(m_setup.installDirectory);
    m_usedPaths.setMaxEntries(historyEntries);
    m_usedTemplates.setMaxEntries(historyEntries);
    m_usedPaths.LoadFromFile(SettingsFile(usedPathsFileName));
    m_usedTemplates.LoadFromFile(SettingsFile(usedTemplatesFileName));

    CreateMenus();
    addToolBar(CreateToolBar());
    Panel21 = new WizardPanel(this);
    auto *work = new QSplitter(Qt::Vertical, this);
    work->addWidget(CreateViewArea());
    work->addWidget(CreateOptionTabs());
    work->setStretchFactor(0, 3);
    work->setStretchFactor(1, 2);
    auto *right = new QWidget(this);
    auto *rightColumn = new QVBoxLayout(right);
    rightColumn->setContentsMargins(0, 0, 0, 0);
    rightColumn->addWidget(CreateTopRow());
    rightColumn->addWidget(work, 1);
    auto *central = new QWidget(this);
    auto *columns = new QHBoxLayout(central);
    columns->addWidget(Panel21);
    columns->addWidget(right, 1);
    setCentralWidget(central);
    Uhrzeit = new QLabel(QStringLiteral("00:00:00"), this);
    Uhrzeit->setObjectName(QStringLiteral("Uhrzeit"));
    statusBar()->addPermanentWidget(Uhrzeit);

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    Timer1->start();
    Timer2 = new QTimer(this);
    Timer2->setInterval(30000);
    connect(Timer2, &QTimer::timeout, this, &TForm1::Timer2Timer);

    CreateWindows();
    ConnectPanels();
    ConnectOptionWindows();
    ShowPageCounter(m_run.pageCounter().value());
    SetTemplateButtonsEnabled(false);
    RebuildHistoryMenu(m_usedPathsMenu, m_usedPaths, true);
    RebuildHistoryMenu(m_usedTemplatesMenu, m_usedTemplates, false);
    resize(1200, 860);

    // The first build of the thumbnail list runs once the event loop does, so that a large
    // directory does not hold back the window.
    Panel10->blockSignals(true);
    SelectPictureDirectory(paths.pictureDir.isEmpty() ? QDir::currentPath() : paths.pictureDir);
    Panel10->blockSignals(false);
    QTimer::singleShot(0, this, &TForm1::DirectoryListBox1Change);
}

TForm1::~TForm1() = default;

void TForm1::AddCommands(QWidget *target, std::initializer_list<Command> commands)
{
    for (const Command &command : commands) {
        auto *action = new QAction(target);
        if (!command.caption) {
            action->setSeparator(true);
        } else {
            action->setText(QString::fromUtf8(command.caption));
            if (command.objectName)
                action->setObjectName(QString::fromLatin1(command.objectName));
            connect(action, &QAction::triggered, this, command.run);
        }
        target->addAction(action);
    }
}

void TForm1::CreateMenus()
{
    // The Functions menu works on the source directory, so it shows that tab first.
    const auto onSourceTab = [this](std::function<void()> action) {
        return [this, action] {
            SelectTab(OptionTab::sourceDirectory);
            action();
        };
    };
    const auto selectDirectory = [this] { Panel10->SelectDirectoryClick(); };
    const auto thumbnails = [this] { return thumbnail->ListView1; };

    m_fileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    AddCommands(m_fileMenu, {
                                {"Select a directory with jpg pictures", selectDirectory},
                                {},
                                {"Publish the gallery...", [this] { PublishClick(); }, "Publish1"},
                                {},
                                {"Close", [this] { close(); }, "Close1"},
                            });
    m_layoutMenu = menuBar()->addMenu(QStringLiteral("&Layout control"));
    AddCommands(
        m_layoutMenu,
        {
            {"Select page layout", [this] { Selectpagelayout1Click(); }},
            {"Show template info (needed files)", [this] { ShowTemplateInfo(); }},
            {"Show template protocol (found commands)", [this] { ShowLayoutProtocol(); }},
            {"Show template (internal browser)", [this] { ShowLayout(); }},
            {"Show full template in default browser", [this] { ShowFullLayoutInBrowser(); }},
            {"Show all layouts in defined browser",
             [this] { ShowInChosenBrowser(InstallFile("Start.htm")); }},
        });
    m_functionsMenu = menuBar()->addMenu(QStringLiteral("F&unctions"));
    AddCommands(
        m_functionsMenu,
        {
            {"Select a directory with jpg pictures", onSourceTab(selectDirectory)},
            {"Refresh thumbnails", onSourceTab([this] { Refreshthumbnails1Click(); })},
            {},
            {"Select all pictures", onSourceTab([=] { thumbnails()->SelectAllPictures(); })},
            {"Unselect all pictures", onSourceTab([=] { thumbnails()->UnselectAllPictures(); })},
            {"Invert image selection", onSourceTab([=] { thumbnails()->InvertImageSelection(); })},
            {},
            {"Delete all found jpg files", onSourceTab([this] { Panel10->DeleteJpgFilesClick(); })},
            {"Delete all found html files",
             onSourceTab([this] { Panel10->DeleteHtmlFilesClick(); })},
            {},
            {"Show image description window", [this] { ImageDescriptionClick(); },
             "Showimagedescriptionwindow1"},
            {"Select a destination directory for the pictures (if you like to copy them to an "
             "other directory)",
             [this] { destinationwin->exec(); }, "Selectadestinationdirectory1"},
            {"Copy all selected pictures to the destination directory (if you like to copy them "
             "to an other directory)",
             [this] { CopyPicturesClick(); }, "Copyallselectedpictures1"},
        });
    CreateOptionsMenu();
    AddOptionWindowCommands(m_optionsMenu);
    m_historyMenu = menuBar()->addMenu(QStringLiteral("&History"));
    m_usedPathsMenu = m_historyMenu->addMenu(QStringLiteral("Used image paths"));
    m_usedTemplatesMenu = m_historyMenu->addMenu(QStringLiteral("Used templates"));
    CreateToolMenus();
    QMenu *help = menuBar()->addMenu(QStringLiteral("&Help"));
    AddHelpDocumentCommands(help);
    AddHelpWindowCommands(help);
    AddCommands(help, {
                          {"StepByStep", [this] { StepByStepClick(); }, "StepByStep1"},
                          {"Information", [this] { infofenster->ShowFor(m_times.atStart); }},
                          {"Galleryassistant", [this] { WebAssistent1Click(); }, "WebAssistent1"},
                      });
}

QToolBar *TForm1::CreateToolBar()
{
    m_toolBar = new QToolBar(QStringLiteral("Tools"), this);
    m_toolBar->setObjectName(QStringLiteral("ToolBar1"));
    m_toolBar->setMovable(false);
    AddCommands(m_toolBar, {
                               {"Picture directory", [this] { Panel10->SelectDirectoryClick(); }},
                               {"Select page layout", [this] { Selectpagelayout1Click(); }},
                           });
    // Short captions; the hints say what they do.
    const auto addTool = [this](const char *caption, const char *hint, const char *name,
                                std::function<void()> run) {
        QAction *action = m_toolBar->addAction(QString::fromUtf8(caption));
        action->setObjectName(QString::fromLatin1(name));
        action->setToolTip(QString::fromUtf8(hint));
        connect(action, &QAction::triggered, this, run);
    };
    addTool("Descriptions", "Show image description window", "ToolButtonDescriptions",
            [this] { ImageDescriptionClick(); });
    addTool("Destination",
            "Select a destination directory for the pictures (if you like to copy them to an "
            "other directory)",
            "ToolButtonDestination", [this] { destinationwin->exec(); });
    addTool("Copy/resize",
            "Copy/resize all selected pictures to the destination directory (if you like to copy "
            "them to an other directory",
            "ToolButtonCopy", [this] { CopyPicturesClick(); });
    addTool("Publish", "Send the gallery to your web server or a folder, only what changed",
            "ToolButtonPublish", [this] { PublishClick(); });
    ToolButton3 = new QToolButton(m_toolBar);
    ToolButton3->setObjectName(QStringLiteral("ToolButton3"));
    ToolButton3->setText(QStringLiteral("Directory levels"));
    ToolButton3->setToolTip(
        QStringLiteral("Select the directory level (Where to create the pages)"));
    connect(ToolButton3, &QToolButton::clicked, this, &TForm1::ToolButton3Click);
    m_toolBar->addWidget(ToolButton3);
    return m_toolBar;
}

QWidget *TForm1::CreateTopRow()
{
    auto *row = new QWidget(this);
    auto *grid = new QGridLayout(row);
    grid->setContentsMargins(0, 0, 0, 0);

    Label6 = new QLabel(QStringLiteral("None layout selected"), row);
    Label6->setObjectName(QStringLiteral("Label6"));
    QFont nameFont = Label6->font();
    nameFont.setBold(true);
    Label6->setFont(nameFont);
    neededfilesindicator = new ClickableLabel(QStringLiteral(" Template contains needed files "),
                                              "neededfilesindicator", row);
    tpicindicator = new ClickableLabel(QStringLiteral(" $tpic$ "), "tpicindicator", row);
    picindicator = new ClickableLabel(QStringLiteral(" $pic$ "), "picindicator", row);
    for (QLabel *indicator : {neededfilesindicator, tpicindicator, picindicator})
        indicator->hide();
    neededfilesindicator->setOnClick(
        [this] { m_prompts.show("INFO", tform1messages::neededFilesInfo, PromptButtons::Ok); });
    tpicindicator->setOnClick(
        [this] { m_prompts.show("INFO", tform1messages::tpicInfo, PromptButtons::Ok); });
    picindicator->setOnClick(
        [this] { m_prompts.show("INFO", tform1messages::picInfo, PromptButtons::Ok); });
    auto *nameRow = new QHBoxLayout;
    nameRow->addWidget(new QLabel(QStringLiteral("Layout:"), row));
    nameRow->addWidget(Label6, 1);
    nameRow->addWidget(neededfilesindicator);
    nameRow->addWidget(tpicindicator);
    nameRow->addWidget(picindicator);

    layoutprotocolbutton = new QPushButton(QStringLiteral("Show layout protocol"), row);
    layoutprotocolbutton->setObjectName(QStringLiteral("layoutprotocolbutton"));
    layoutinfobutton = new QPushButton(QStringLiteral("Show layout info"), row);
    layoutinfobutton->setObjectName(QStringLiteral("layoutinfobutton"));
    Button9 = new QPushButton(QStringLiteral("Show full layout in browser"), row);
    Button9->setObjectName(QStringLiteral("Button9"));
    Button21 = new QPushButton(QStringLiteral("Show layout"), row);
    Button21->setObjectName(QStringLiteral("Button21"));
    connect(layoutprotocolbutton, &QPushButton::clicked, this, &TForm1::ShowLayoutProtocol);
    connect(layoutinfobutton, &QPushButton::clicked, this, &TForm1::ShowTemplateInfo);
    connect(Button9, &QPushButton::clicked, this, &TForm1::ShowFullLayoutInBrowser);
    connect(Button21, &QPushButton::clicked, this, &TForm1::ShowLayout);
    Button17 = new QPushButton(QStringLiteral("StepByStep"), row);
    Button17->setObjectName(QStringLiteral("Button17"));
    connect(Button17, &QPushButton::clicked, this, &TForm1::StepByStepClick);
    Button5 = new QPushButton(QStringLiteral("Close"), row);
    Button5->setObjectName(QStringLiteral("Button5"));
    connect(Button5, &QPushButton::clicked, this, &TForm1::Button5Click);
    auto *templateButtons = new QHBoxLayout;
    for (QPushButton *button : {layoutprotocolbutton, layoutinfobutton, Button9, Button21})
        templateButtons->addWidget(button);
    templateButtons->addStretch();
    templateButtons->addWidget(CreateHelpButtons(row));
    templateButtons->addWidget(Button17);
    templateButtons->addWidget(Button5);

    Button3 = new QPushButton(QStringLiteral("Create"), row);
    Button3->setObjectName(QStringLiteral("Button3"));
    QFont createFont = Button3->font();
    createFont.setBold(true);
    createFont.setPointSizeF(createFont.pointSizeF() * 1.3);
    Button3->setFont(createFont);
    Button3->setMinimumWidth(120);
    connect(Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
    reloadthumbnails = new QToolButton(row);
    reloadthumbnails->setObjectName(QStringLiteral("reloadthumbnails"));
    reloadthumbnails->setText(QStringLiteral("Pictures"));
    reloadthumbnails->setToolTip(
        QStringLiteral("Show the picture directory and the thumbnail list"));
    connect(reloadthumbnails, &QToolButton::clicked, this, &TForm1::reloadthumbnailsClick);
    reloadlayout = new QToolButton(row);
    reloadlayout->setObjectName(QStringLiteral("reloadlayout"));
    reloadlayout->setText(QStringLiteral("Layout"));
    reloadlayout->setToolTip(QStringLiteral("Show the selected layout"));
    connect(reloadlayout, &QToolButton::clicked, this, &TForm1::ShowLayout);

    Label42 = new QLabel(row);
    Label42->setObjectName(QStringLiteral("Label42"));
    Label4 = new QLabel(QStringLiteral("0"), row);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label5 = new QLabel(QStringLiteral("0"), row);
    Label5->setObjectName(QStringLiteral("Label5"));
    compressindicator = new QLabel(row);
    compressindicator->setObjectName(QStringLiteral("compressindicator"));
    compressindicator->hide();
    auto *progress = new QHBoxLayout;
    progress->addWidget(new QLabel(QStringLiteral("Next page number:"), row));
    progress->addWidget(Label42);
    progress->addSpacing(12);
    progress->addWidget(new QLabel(QStringLiteral("Pages:"), row));
    progress->addWidget(Label4);
    progress->addSpacing(12);
    progress->addWidget(new QLabel(QStringLiteral("Making page:"), row));
    progress->addWidget(Label5);
    progress->addSpacing(12);
    progress->addWidget(compressindicator);
    progress->addStretch();

    auto *create = new QHBoxLayout;
    create->addWidget(reloadthumbnails);
    create->addWidget(reloadlayout);
    create->addWidget(Button3);
    grid->addLayout(nameRow, 0, 0);
    grid->addLayout(templateButtons, 1, 0);
    grid->addLayout(progress, 2, 0);
    grid->addLayout(create, 0, 1, 3, 1);
    grid->setColumnStretch(0, 1);
    return row;
}

QWidget *TForm1::CreateViewArea()
{
    m_viewArea = new QStackedWidget(this);
    WebBrowser_V11 = new DeferredWebView(QStringLiteral("WebBrowser_V11"), m_viewArea);
    connect(WebBrowser_V11, &DeferredWebView::loadFinished, this, [this](bool ok) {
        if (ok && WebBrowser_V11->url().isLocalFile())
            emit internalBrowserLoaded();
    });
    thumbnail = new ThumbnailPanel(m_prompts, m_descriptions, m_viewArea);
    connect(thumbnail->ListView1, &ThumbnailList::sharesPreviewsChanged, this, [this](bool share) {
        WriteSharesPreviews(ToQString(SettingsFile(thumbnailListSettingsFileName)), share);
    });
    // The browser waits for the first list of tiles, so that the start shows them first.
    connect(thumbnail->ListView1, &ThumbnailList::buildFinished, WebBrowser_V11,
            &DeferredWebView::makeSoon);
    Panel1 = new TemplateInfoPanel(m_prompts, InstallFile("descriptionempty.txt"), m_viewArea);
    Panel2 = new DirectoryLevelsPanel(m_viewArea);
    Panel3 = new ProtocolPanel(m_viewArea);
    for (QWidget *layer :
         std::initializer_list<QWidget *>{WebBrowser_V11, thumbnail, Panel1, Panel2, Panel3})
        m_viewArea->addWidget(layer);
    ShowLayer(ViewLayer::thumbnail, true);
    return m_viewArea;
}

QWidget *TForm1::CreateOptionTabs()
{
    auto *tabs = new QWidget(this);
    TabControl1 = new QTabBar(tabs);
    TabControl1->setObjectName(QStringLiteral("TabControl1"));
    for (const char *caption : {"Source directory", "Command options", "Special options",
                                "Browser selection", "Command help"})
        TabControl1->addTab(QString::fromLatin1(caption));
    m_optionPanels = new QStackedWidget(tabs);
    Panel10 = new DirectoryPanel(m_prompts, m_shell, m_optionPanels);
    Panel8 = new LinkTextsPanel(
        m_settings.linkTexts, m_prompts,
        ToQString(m_setup.programDirectory + "own_config_files/command_cfg/"), m_optionPanels);
    Panel11 = new SpecialOptionsPanel(m_settings.pageNames, m_settings.special, m_settings.webSize,
                                      m_run.pageCounter(), m_optionPanels);
    Panel9 = new BrowserPanel(m_settings.additional, m_optionPanels);
    Panel7 = new CommandHelpPanel(m_prompts, m_optionPanels);
    for (QWidget *panel :
         std::initializer_list<QWidget *>{Panel10, Panel8, Panel11, Panel9, Panel7})
        m_optionPanels->addWidget(panel);
    connect(TabControl1, &QTabBar::currentChanged, this, &TForm1::TabControl1Change);
    TabControl1->installEventFilter(this);
    auto *column = new QVBoxLayout(tabs);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(TabControl1);
    column->addWidget(m_optionPanels, 1);
    return tabs;
}

// Each window is made once, in a fixed order; the option files are read at the first
// activation, when every window exists.
void TForm1::CreateWindows()
{
    infofenster = new Tinfofenster(this);
    showfullpicture = new Tshowfullpicture(*thumbnail, this);
    destinationwin = new Tdestinationwin(m_prompts, QDir::homePath(), this);
    copywin = new Tcopywin(m_prompts, m_settings.additional,
                           ToQString(InstallFile("samples/lighthouse.jpg")), this);
    copywin->setDestination(destinationwin->directory());
    connect(destinationwin, &Tdestinationwin::destinationChosen, copywin,
            &Tcopywin::setDestination);
    filelistwindow = new Tfilelistwindow(m_prompts, this);
    ThumbnailerOpt = new TThumbnailerOpt(
        m_settings.thumbnails, m_prompts,
        ToQString(m_setup.programDirectory + "own_config_files/thumbnail_cfg/"), this);
    CreationWindow = new TCreationWindow(this);
    CreateHiddenOptionWindows();
    navigationsleistewindow =
        new Tnavigationsleistewindow(m_settings.navigation, m_dateTimeFormats, m_clock, this);
    Quickinfo = new TQuickinfo(this);
    CreateLayoutWindows();
    imagedescription = new Timagedescription(m_descriptions, m_prompts, this);
    pagenamewindow = new Tpagenamewindow(Panel11->ownfilename, m_settings.pageNames, this);
    CreateHeaderFooterWindow();
    threegalleries =
        new Tthreegalleries(ToQString(m_setup.installDirectory + "threegalleries/"), this);
    endstatus = new Tendstatus(m_shell, m_prompts, this);
    PublishSetup publishing;
    publishing.settingsDirectory = m_setup.programDirectory;
    publishing.askpassProgram = InstallFile("pagoranto-askpass");
    // The same way to reach the server as pagoranto-batch and rsync itself take.
    if (const QString shell = qEnvironmentVariable("RSYNC_RSH"); !shell.isEmpty())
        publishing.remoteShell = ToEngineText(shell);
    publishwindow = new PublishWindow(std::move(publishing), m_prompts, this);
    endstatus->setPublishWindow(publishwindow);

    PictureListContext context;
    context.makePlan = [this](int pictureCount) { return m_run.PlanFor(pictureCount); };
    context.thumbnailCaptions = [this] { return thumbnail->ListView1->captions(); };
    context.markListedPictures = [this](const std::vector<std::string> &lines) {
        thumbnail->ListView1->MarkListedPictures(lines);
    };
    context.sortingListSaved = [this] { Panel10->RefreshFileLists(); };
    context.singlePageRun = [this] { SingleRunFromPictureList(); };
    context.clearSinglePageRun = [this] { m_run.setSinglePageRun(false); };
    context.thumbnailsToggled = [this](bool on) { Panel11->createthumbnails->setChecked(on); };
    context.htmlcompressToggled = [this](bool on) { Panel11->pagecompressor->setChecked(on); };
    filelistwindow->setContext(std::move(context));
    filelistwindow->setCreationList(&m_run.creationList());
}

void TForm1::ConnectPanels()
{
    connect(Panel21->Button34, &QPushButton::clicked, this,
            [this] { SelectTab(OptionTab::sourceDirectory); });
    connect(Panel21->Button36, &QPushButton::clicked, this, &TForm1::WizardThumbnailOptions);
    connect(Panel21->Button40, &QPushButton::clicked, this, &TForm1::Navigatebaroptions1Click);
    connect(Panel21->Button37, &QPushButton::clicked, this,
            [this] { SelectTab(OptionTab::commandOptions); });
    connect(Panel21->Button38, &QPushButton::clicked, this,
            [this] { SelectTab(OptionTab::specialOptions); });
    connect(Panel21->Button33, &QPushButton::clicked, this, &TForm1::Button3Click);
    connect(Panel21->webSizeStep, &QPushButton::clicked, this, [this] {
        SelectTab(OptionTab::specialOptions);
        Panel11->webSize->WebSizePictures->setFocus();
    });
    connect(Panel11->webSize, &WebSizeControls::optionsChanged, this, &TForm1::ShowWebSizeTargets);
    ConnectHiddenOptionWindows();
    AddLayoutWindowCommands();

    connect(Panel7, &CommandHelpPanel::configurationRequested, this,
            [this](CommandHelpAction action) {
                if (action == CommandHelpAction::CommandOptionsTab)
                    SelectTab(OptionTab::commandOptions);
                else if (action == CommandHelpAction::NavigationBarWindow)
                    ShowNavigationBarOptions();
                else if (action == CommandHelpAction::ThumbnailOptionsWindow)
                    ShowThumbnailOptions(true);
                else if (action == CommandHelpAction::HiddenCommandWindow)
                    ShowHiddenCommandOptions();
            });

    connect(Panel2, &DirectoryLevelsPanel::levelChanged, this, &TForm1::ComputeDirectoryLevels);
    connect(Panel2, &DirectoryLevelsPanel::closeRequested, this,
            [this] { ShowLayer(ViewLayer::directoryLevels, false); });
    connect(Panel3, &ProtocolPanel::closeRequested, this,
            [this] { ShowLayer(ViewLayer::protocol, false); });
    connect(Panel1, &TemplateInfoPanel::closeRequested, this,
            [this] { ShowLayer(ViewLayer::templateInfo, false); });

    connect(Panel10, &DirectoryPanel::directoryChanged, this, &TForm1::DirectoryListBox1Change);
    connect(Panel10, &DirectoryPanel::driveChanged, this, [this] {
        StopThumbnailBuild();
        ShowLayer(ViewLayer::thumbnail, true);
    });
    connect(Panel10, &DirectoryPanel::refreshRequested, this, &TForm1::Refreshthumbnails1Click);
    connect(Panel10, &DirectoryPanel::htmlListChanged, this, &TForm1::StopThumbnailBuild);
    connect(Panel10, &DirectoryPanel::sortingListActivated, this, &TForm1::MarkSortingListPictures);
    connect(Panel10, &DirectoryPanel::deleteStarting, this, [this] {
        StopThumbnailBuild();
        Button3->setEnabled(false);
        LockControlsForRun(Panel11->pagecompressor->isChecked());
        ShowWorkingPanels();
    });
    connect(Panel10, &DirectoryPanel::deleteFinished, this, [this] {
        Button3->setEnabled(true);
        HideWorkingPanels();
        UnlockControlsAfterRun();
    });
    connect(thumbnail, &ThumbnailPanel::refreshRequested, this, &TForm1::Refreshthumbnails1Click);
    connect(thumbnail, &ThumbnailPanel::fullPictureRequested, showfullpicture,
            &Tshowfullpicture::ShowFor);
    connect(Panel11, &SpecialOptionsPanel::pageCounterChanged, this,
            [this] { ShowPageCounter(m_run.pageCounter().value()); });
    connect(Panel11->ScrollBar4, &QSpinBox::valueChanged, this,
            [this] { ShowPageCounter(m_run.pageCounter().value()); });
}

void TForm1::CopyPicturesClick()
{
    const std::optional<QString> refresh =
        copywin->ShowFor(thumbnail->ListView1->CollectCheckedPictures(), Panel10->pictureDir());
    if (refresh)
        SelectPictureDirectory(*refresh);
}

void TForm1::ImageDescriptionClick()
{
    imagedescription->ShowFor(Panel10->Edit1->text(), Panel10->pictureDir(),
                              thumbnail->ListView1->CollectCheckedPictures());
    if (thumbnail->previewShown())
        thumbnail->ShowPreview(thumbnail->currentPictureIndex());
}

void TForm1::PublishClick()
{
    const DirectoryLevels levels = pagoranto::ComputeDirectoryLevels(
        CurrentPictureDir(), Panel2->checkedLevel(), m_settings.thumbnails.thumbdir);
    publishwindow->ShowFor(levels.destinationDir);
}

std::string TForm1::CurrentPictureDir() const
{
    return ToEngineText(Panel10->pictureDir());
}

std::string TForm1::InstallFile(std::string_view relative) const
{
    return m_setup.installDirectory + std::string(relative);
}

std::string TForm1::SettingsFile(std::string_view relative) const
{
    return m_setup.programDirectory + std::string(relative);
}

void TForm1::SelectPictureDirectory(const QString &directory)
{
    Panel10->setPictureDir(directory);
}

void TForm1::ShowLayer(ViewLayer layer, bool shown)
{
    m_layerShown[static_cast<int>(layer)] = shown;
    m_layerShown[static_cast<int>(ViewLayer::browser)] = true;
    for (int i = static_cast<int>(ViewLayer::protocol); i >= 0; --i)
        if (m_layerShown[i]) {
            m_viewArea->setCurrentIndex(i);
            return;
        }
}

void TForm1::HideOverlayPanels()
{
    ShowLayer(ViewLayer::templateInfo, false);
    ShowLayer(ViewLayer::directoryLevels, false);
    ShowLayer(ViewLayer::protocol, false);
}

void TForm1::ShowInInternalBrowser(const QString &path)
{
    HideOverlayPanels();
    ShowLayer(ViewLayer::thumbnail, false);
    if (QFileInfo::exists(path))
        WebBrowser_V11->load(QUrl::fromLocalFile(path));
}

// ---- start-up and shut-down ----

void TForm1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    // The window is activated, and so the options read, once the information has gone; the
    // tiles go on filling meanwhile.
    QTimer::singleShot(0, this, [this] {
        infofenster->ShowForThen(m_times.atStart, [this] { activateWindow(); });
    });
}

bool TForm1::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        RunAfterCurrentEvent(this, [this] { FormActivate(); });
    return QMainWindow::event(event);
}

// Clicking the tab already selected changes nothing, so the focus brings back the source
// directory's panel once the browser has covered it.
bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == TabControl1 && event->type() == QEvent::FocusIn &&
        TabControl1->currentIndex() == static_cast<int>(OptionTab::sourceDirectory))
        TabControl1Change(TabControl1->currentIndex());
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::FormActivate()
{
    Panel10->ApplyMaskField();
    if (m_optionsLoaded)
        return;
    m_optionsLoaded = true;
    ReadStartupOptions(m_setup.programDirectory, m_setup.installDirectory, m_settings);
    ShowAllOptions();
    ComputeDirectoryLevels();
    m_resizer = ReadResizerSettings(ToQString(SettingsFile("resizer.ini")));
    thumbnail->ListView1->setSharesPreviews(
        ReadSharesPreviews(ToQString(SettingsFile(thumbnailListSettingsFileName))));
    copywin->setQuality(m_resizer.compression);
    copywin->setSizeIndex(m_resizer.resizer);
    filelistwindow->setHiddenCommandLights(m_settings.hidden);
    if (!m_thumbnailerPresent) {
        m_settings.special.createthumbnails = false;
        Panel11->DisableThumbnailCreation();
        m_prompts.show("ERROR", tform1messages::thumbnailerMissing, PromptButtons::Ok);
    }
    ShowInInternalBrowser(ToQString(InstallFile("info.html")));
    ShowLayer(ViewLayer::thumbnail, true);
}

void TForm1::closeEvent(QCloseEvent *event)
{
    if (m_run.runActive()) {
        event->ignore();
        return;
    }
    // Once confirmed, a later close request (the application quitting) needs no question.
    if (m_closeConfirmed) {
        event->accept();
        return;
    }
    // A second request while the question or the closing information is shown.
    if (m_closing) {
        event->ignore();
        return;
    }
    m_closing = true;
    if (m_prompts.show("info", tform1messages::quitQuestion, PromptButtons::YesNo) !=
        PromptAnswer::Yes) {
        m_closing = false;
        event->ignore();
        return;
    }
    StopThumbnailBuild();
    infofenster->ShowFor(m_times.atClose);
    WriteAllOptionFiles();
    m_closeConfirmed = true;
    event->accept();
}

void TForm1::Button5Click()
{
    StopThumbnailBuild();
    WriteAdditionalOptionsOf(m_setup.programDirectory, m_settings);
    close();
}

void TForm1::StepByStepClick()
{
    ShowInInternalBrowser(ToQString(InstallFile("info.html")));
}

void TForm1::WriteAllOptionFiles()
{
    if (!WriteShutdownOptions(m_setup.programDirectory, m_settings,
                              ThumbnailerFileFor(m_levels, m_settings.thumbnails)))
        m_prompts.show("Save error",
                       std::string(tform1messages::optionFilesNotWritten) +
                           m_setup.programDirectory,
                       PromptButtons::Ok);
    m_resizer = {copywin->quality(), copywin->sizeIndex()};
    WriteResizerSettings(ToQString(SettingsFile("resizer.ini")), m_resizer);
    m_usedPaths.SaveToFile(SettingsFile(usedPathsFileName));
    m_usedTemplates.SaveToFile(SettingsFile(usedTemplatesFileName));
}

// ---- the Create run ----

void TForm1::Button3Click()
{
    if (!m_run.runActive()) {
        m_setup.pictureDir = CurrentPictureDir();
        m_setup.directoryLevel = Panel2->checkedLevel();
    }
    m_run.Button3Click();
    Panel11->createthumbnails->setChecked(m_settings.special.createthumbnails);
}

void TForm1::SingleRunFromPictureList()
{
    m_run.setSinglePageRun(true);
    m_run.Button3Click();
    Panel11->createthumbnails->setChecked(m_settings.special.createthumbnails);
    ShowWorkingPanels();
}

void TForm1::ShowRunState(RunState state)
{
    const bool compressing = m_settings.special.pagecompressor;
    switch (state) {
    case RunState::idle:
        UnlockControlsAfterRun();
        HideWorkingPanels();
        Button3->setText(QStringLiteral("Create"));
        break;
    case RunState::checking:
        ShowWorkingPanels();
        LockControlsForRun(compressing);
        break;
    case RunState::creating:
        LockControlsForRun(compressing);
        Button3->setText(QStringLiteral("Stop"));
        break;
    case RunState::stopping:
        // The caption stays "Stop" until the page being made is finished.
        UnlockControlsAfterRun();
        HideWorkingPanels();
        break;
    case RunState::ending:
        UnlockControlsAfterRun();
        Button3->setText(QStringLiteral("Create"));
        break;
    }
}

std::vector<QWidget *> TForm1::RunLockedControls() const
{
    return {layoutprotocolbutton,
            layoutinfobutton,
            Button9,
            Button21,
            reloadthumbnails,
            reloadlayout,
            Panel8,
            Panel9,
            TabControl1,
            Panel21->Button33,
            Panel21->Button34,
            Panel21->Button35,
            Panel21->Button36,
            Panel21->Button37,
            Panel21->Button38,
            Panel21->webSizeStep,
            Panel11->createthumbnails,
            Panel11->webSize,
            Panel11->pagecompressor,
            Panel1,
            Panel2};
}

void TForm1::LockControlsForRun(bool showCompressIndicator)
{
    for (QMenu *menu : {m_fileMenu, m_layoutMenu, m_functionsMenu, m_optionsMenu, m_historyMenu})
        menu->menuAction()->setEnabled(false);
    m_toolBar->setEnabled(false);
    for (QWidget *control : RunLockedControls())
        control->setEnabled(false);
    Panel10->setInputsEnabled(false);
    compressindicator->setVisible(showCompressIndicator);
}

void TForm1::UnlockControlsAfterRun()
{
    for (QMenu *menu : {m_fileMenu, m_layoutMenu, m_functionsMenu, m_optionsMenu, m_historyMenu})
        menu->menuAction()->setEnabled(true);
    m_toolBar->setEnabled(true);
    for (QWidget *control : RunLockedControls())
        control->setEnabled(true);
    // The exceptions: the template buttons need a template, thumbnails need the thumbnailer.
    SetTemplateButtonsEnabled(!m_setup.templatePath.empty());
    Panel11->createthumbnails->setEnabled(m_thumbnailerPresent);
    Panel10->setInputsEnabled(true);
    compressindicator->hide();
}

void TForm1::ShowWorkingPanels()
{
    Timer2->start();
    Panel10->ShowWorkingPanels();
}

void TForm1::HideWorkingPanels()
{
    Timer2->stop();
    Panel10->HideWorkingPanels();
}

void TForm1::ShowPageCounter(std::int64_t counter)
{
    const QString text = ToQString(FormatPageNumber(counter, m_settings.pageNames.ScrollBar4));
    Label42->setText(text);
    Panel11->Label38->setText(text);
}

void TForm1::Timer1Timer()
{
    Uhrzeit->setText(ToQString(FormatTime(m_clock.now(), m_dateTimeFormats)));
}

void TForm1::Timer2Timer()
{
    if (m_run.runActive())
        Panel10->Panel4->setText(
            QStringLiteral("%1 pages/30 sec").arg(m_run.TakePagesThisInterval()));
}

// ---- picture directory ----

void TForm1::DirectoryListBox1Change()
{
    StopThumbnailBuild();
    Label5->setText(QStringLiteral("0"));
    ComputeDirectoryLevels();
    ShowLayer(ViewLayer::thumbnail, true);
    m_descriptions.Load(CurrentPictureDir() + std::string(DescriptionStore::fileName));
    showthumbnailsClick();
}

void TForm1::showthumbnailsClick()
{
    thumbnail->ListView1->Build(ToQString(CurrentPictureDir()), Panel10->jpgFileNames());
}

void TForm1::Refreshthumbnails1Click()
{
    if (thumbnail->ListView1->thumbnailListBuilding())
        return;
    // The lists are read first, so that the new build sees pictures added since.
    Panel10->RefreshFileLists();
    DirectoryListBox1Change();
}

void TForm1::reloadthumbnailsClick()
{
    SelectTab(OptionTab::sourceDirectory);
    ShowLayer(ViewLayer::thumbnail, true);
}

void TForm1::StopThumbnailBuild()
{
    thumbnail->ListView1->StopBuilding();
}

void TForm1::MarkSortingListPictures(const QString &fileName)
{
    const SortingListResult list = LoadSortingList(CurrentPictureDir() + ToEngineText(fileName));
    m_run.creationList() = list.names;
    if (!list.ok) {
        m_prompts.show("ERROR", list.error, PromptButtons::Ok);
        if (!list.opened)
            return;
    }
    thumbnail->ListView1->MarkListedPictures(m_run.creationList());
    filelistwindow->ShowPictureCount(m_run.creationList().size());
}

void TForm1::ComputeDirectoryLevels()
{
    m_levels = pagoranto::ComputeDirectoryLevels(CurrentPictureDir(), Panel2->checkedLevel(),
                                                 m_settings.thumbnails.thumbdir);
    Panel2->ShowLevels(m_levels);
    ShowWebSizeTargets();
    WriteThumbnailerDestination(m_setup.programDirectory, m_levels, m_settings.thumbnails);
}

void TForm1::ShowWebSizeTargets()
{
    Panel2->ShowWebSizeTarget(m_levels.destinationDir, m_settings.webSize);
    Panel21->ShowWebSize(m_settings.webSize);
}

void TForm1::ToolButton3Click()
{
    ComputeDirectoryLevels();
    ShowLayer(ViewLayer::directoryLevels, true);
}

void TForm1::SelectTab(OptionTab tab)
{
    const int index = static_cast<int>(tab);
    if (TabControl1->currentIndex() == index)
        TabControl1Change(index);
    else
        TabControl1->setCurrentIndex(index);
}

void TForm1::TabControl1Change(int index)
{
    m_optionPanels->setCurrentIndex(index);
    ShowLayer(ViewLayer::thumbnail, index == static_cast<int>(OptionTab::sourceDirectory));
}

void TForm1::WizardThumbnailOptions()
{
    if (!tpicindicator->isVisible()) {
        m_prompts.show("Hint", tform1messages::noThumbnailCommands, PromptButtons::Ok);
        return;
    }
    ShowThumbnailOptions(true);
}

// ---- templates ----

void TForm1::SetTemplateButtonsEnabled(bool enabled)
{
    for (QPushButton *button : {layoutprotocolbutton, layoutinfobutton, Button9, Button21})
        button->setEnabled(enabled);
}

void TForm1::AnalyseSelectedTemplate()
{
    const LayoutAnalysis &analysis = m_run.AnalyseTemplate(m_setup.templatePath);
    filelistwindow->setTemplateAnalysis(analysis);
    if (analysis.total == 0)
        m_prompts.show("ERROR", tform1messages::templateWithoutCommands, PromptButtons::Ok);
}

void TForm1::SetIndicators()
{
    const LayoutAnalysis &analysis = m_run.lastAnalysis();
    neededfilesindicator->setVisible(Panel1->neededFileCount() > 0);
    tpicindicator->setVisible(analysis.tpicCount() > 0);
    picindicator->setVisible(analysis.picCount() > 0);
}

void TForm1::Selectpagelayout1Click()
{
    ShowLayer(ViewLayer::thumbnail, false);
    HideOverlayPanels();
    const QString file = FileDialog::getOpenFileName(this, QStringLiteral("Select page layout"),
                                                     ToQString(InstallFile("layouts")),
                                                     QStringLiteral("Html files (*.html *.htm)"));
    if (file.isEmpty()) {
        SetTemplateButtonsEnabled(false);
        m_setup.templatePath.clear();
        Label6->setText(QStringLiteral("None template selected"));
        ShowInInternalBrowser(ToQString(InstallFile("info.html")));
        return;
    }
    SelectTemplate(file);
    SetIndicatorsFromAnalysis();
}

void TForm1::ApplyTemplate(const QString &path)
{
    SelectTemplate(path);
    Panel1->LoadTemplateFiles(m_setup.templatePath);
    SetIndicators();
}

void TForm1::SelectTemplate(const QString &path)
{
    m_setup.templatePath = ToEngineText(path);
    Label6->setText(QFileInfo(path).fileName());
    Label6->setToolTip(QFileInfo(path).fileName());
    SetTemplateButtonsEnabled(true);
    ShowInInternalBrowser(path);
    AnalyseSelectedTemplate();
}

void TForm1::ShowLayoutProtocol()
{
    if (m_setup.templatePath.empty()) {
        m_prompts.show("ERROR", tform1messages::noTemplateProtocol, PromptButtons::Ok);
        return;
    }
    Panel3->ShowProtocol(m_run.lastAnalysis());
    ShowLayer(ViewLayer::protocol, true);
}

void TForm1::ShowLayout()
{
    ShowLayer(ViewLayer::thumbnail, false);
    if (!m_setup.templatePath.empty())
        ShowInInternalBrowser(ToQString(m_setup.templatePath.string()));
}

void TForm1::ShowFullLayoutInBrowser()
{
    ShowLayer(ViewLayer::thumbnail, false);
    if (m_setup.templatePath.empty()) {
        m_prompts.show("ERROR", tform1messages::noTemplateToShow, PromptButtons::Ok);
        return;
    }
    ShowInChosenBrowser(m_setup.templatePath.string());
}

void TForm1::ShowInChosenBrowser(const std::string &path)
{
    if (m_settings.additional.browserStart == BrowserStart::none) {
        m_prompts.show(selectBrowserTitle, selectBrowserText, PromptButtons::Ok);
        return;
    }
    ShowInExternalBrowser(m_shell, m_settings.additional.browserStart, path);
}

void TForm1::ShowTemplateInfo()
{
    ShowLayer(ViewLayer::thumbnail, false);
    if (m_setup.templatePath.empty()) {
        m_prompts.show("ERROR", tform1messages::noTemplateInfo, PromptButtons::Ok);
        return;
    }
    ShowLayer(ViewLayer::directoryLevels, false);
    ShowLayer(ViewLayer::protocol, false);
    Panel1->LoadTemplateFiles(m_setup.templatePath);
    ShowLayer(ViewLayer::templateInfo, true);
}

// ---- history ----

void TForm1::AddToHistory(const std::string &pictureDir, const std::string &templatePath)
{
    m_usedPaths.Add(pictureDir);
    m_usedTemplates.Add(templatePath);
    RebuildHistoryMenu(m_usedPathsMenu, m_usedPaths, true);
    RebuildHistoryMenu(m_usedTemplatesMenu, m_usedTemplates, false);
}

void TForm1::RebuildHistoryMenu(QMenu *menu, TMRUFiles &list, bool paths)
{
    menu->clear();
    for (const MruMenuEntry &entry : list.menuEntries()) {
        QAction *action = menu->addAction(ToQString(entry.caption));
        action->setStatusTip(ToQString(entry.hint));
        const int tag = entry.tag;
        connect(action, &QAction::triggered, this, [this, &list, tag, paths] {
            const QString chosen = ToQString(list.entryAt(tag));
            if (paths)
                SelectPictureDirectory(chosen);
            else
                ApplyTemplate(chosen);
        });
    }
}

} // namespace pagoranto

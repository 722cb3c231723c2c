#pragma once

#include "core/generator/creationrun.h"
#include "core/options/externaltools.h"
#include "core/options/gallerysettings.h"
#include "core/options/tmrufiles.h"
#include "core/pictures/descriptionstore.h"
#include "core/platform/localclock.h"
#include "core/platform/posixshell.h"
#include "core/text/datetimeformat.h"
#include "gui/options/mainwindowrunview.h"
#include "gui/options/resizersettings.h"
#include "gui/platform/messagebox.h"
#include "gui/platform/qtevents.h"

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <array>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace pagoranto {

class BrowserPanel;
class ClickableLabel;
class DeferredWebView;
class CommandHelpPanel;
class DirectoryLevelsPanel;
class DirectoryPanel;
class LinkTextsPanel;
class ProtocolPanel;
class PublishWindow;
class SpecialOptionsPanel;
class TCreationWindow;
class TThumbnailerOpt;
class THeaderFooterWindow;
class Tbefehlsinfo_fenster;
class Tcopywin;
class Tdestinationwin;
class Tendstatus;
class Tfilelistwindow;
class Thiddenoptwindow;
class Ttoolwindow;
class Twebassistentwindow;
class Twebtool_window;
class ThumbnailPanel;
class Timagedescription;
class Tinfofenster;
class Tshowfullpicture;
class TemplateInfoPanel;
class TLayoutmanager;
class Twinrichedit;
class Tnavigationsleistewindow;
class Tpagenamewindow;
class TQuickinfo;
class Tthreegalleries;
class WizardPanel;

struct StartupPaths {
    std::string programDirectory; // ends in "/": what the program writes, option files first
    std::string installDirectory; // ends in "/": the program's own files, the thumbnailer too
    QString pictureDir;           // the directory the tree shows first
};

// How long the information window stays at start and at the end.
struct InformationTimes {
    std::uint64_t atStart = 2000;
    std::uint64_t atClose = 5000;
};

// The main window: picture directory and thumbnail list, template, options and the Create run.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(StartupPaths paths, InformationTimes times = {}, QWidget *parent = nullptr);
    ~TForm1() override;

    void Button3Click();
    void FormActivate();
    void Selectpagelayout1Click();
    // The template chosen in the layout manager becomes the selected one.
    void Selectpagetemplate1Click();
    void EditTemplate1Click();
    void ApplyTemplate(const QString &path);
    void DirectoryListBox1Change();
    void showthumbnailsClick();
    void reloadthumbnailsClick();
    void Refreshthumbnails1Click();
    void TabControl1Change(int index);
    // The option tabs in their order.
    enum class OptionTab {
        sourceDirectory,
        commandOptions,
        specialOptions,
        browserSelection,
        commandHelp
    };
    // Selects the tab and shows its panel, also when it is already the selected one.
    void SelectTab(OptionTab tab);
    void ToolButton3Click();
    void ComputeDirectoryLevels();
    // Where the web-size copies go and their box, on the directory levels and in the wizard.
    void ShowWebSizeTargets();
    // Captions, locks and working panels for where the run stands.
    void ShowRunState(RunState state);
    void LockControlsForRun(bool showCompressIndicator);
    void UnlockControlsAfterRun();
    void ShowWorkingPanels();
    void HideWorkingPanels();
    void ShowPageCounter(std::int64_t counter);
    void ShowInInternalBrowser(const QString &path);
    void ShowLayoutProtocol();
    void ShowLayout();
    void ShowFullLayoutInBrowser();
    void ShowTemplateInfo();
    void SingleRunFromPictureList();
    void MarkSortingListPictures(const QString &fileName);
    void Button5Click();
    // Opens the publish window for the folder the pages go to.
    void PublishClick();
    void StepByStepClick();
    void AddToHistory(const std::string &pictureDir, const std::string &templatePath);
    // The option windows of the menu, each writing its option files when it closes.
    void Options1Click();
    void Headerandfooterforyourgallery1Click();
    void WebAssistent1Click();

    // The option windows, modal. Opened from the main window, the thumbnail options are followed
    // by the directory levels, which write the thumbnailer's file again.
    void ShowThumbnailOptions(bool fromMainWindow);
    void ShowNavigationBarOptions();
    // The navigation bar options, then "navoptions.cfg".
    void Navigatebaroptions1Click();
    void ShowPageNameOptions();
    void WriteThumbnailerOptions();
    void Savecompleteconfiguration1Click();
    void Loadcompleteconfiguration1Click();
    // Every option control shows the settings again, after a configuration was loaded.
    void ShowAllOptions();

    // Starts web tool 0..2 with the file; without a configured tool or a file it says so.
    void LaunchWebTool(int index, const std::string &file);
    // The menu caption of web tool 0..2: the program's file name, "?" when none is configured.
    QString WebToolCaption(int index) const;
    void ConfigurelistofWebeditor1Click();
    void ConfigureTools1Click();
    // Shows a help document, the template or "Start.htm" as the entry says.
    void ShowFileEntry(FileEntry entry);

    // What the run and the tests reach.
    CreationRun &run() { return m_run; }
    GallerySettings &settings() { return m_settings; }
    RunSetup &setup() { return m_setup; }
    MessageBox &prompts() { return m_prompts; }
    const std::string &programDirectory() const { return m_setup.programDirectory; }
    bool optionsLoaded() const { return m_optionsLoaded; }
    bool thumbnailerIsPresent() const { return m_thumbnailerPresent; }
    TMRUFiles &bilderverzeichnisse() { return m_usedPaths; }
    TMRUFiles &benutztelayouts() { return m_usedTemplates; }

signals:
    // The web tools were configured: their menu captions may have changed.
    void webToolsChanged();
    // The embedded browser shows a file.
    void internalBrowserLoaded();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The run's view shows the run in these controls.
    friend class MainWindowRunView;

    // The controls, private: tests find them by their object names.
    QPushButton *Button3;
    QToolButton *ToolButton3;
    QToolButton *reloadthumbnails;
    QToolButton *reloadlayout;
    QLabel *Label4;
    QLabel *Label5;
    QLabel *Label6;
    QLabel *Label42;
    QLabel *Uhrzeit;
    QLabel *compressindicator;
    ClickableLabel *neededfilesindicator;
    ClickableLabel *tpicindicator;
    ClickableLabel *picindicator;
    QPushButton *Button9;  // Show full layout in browser
    QPushButton *Button21; // Show layout
    QPushButton *layoutprotocolbutton;
    QPushButton *layoutinfobutton;
    QPushButton *Button5;  // Close
    QPushButton *Button17; // StepByStep
    QTabBar *TabControl1;
    QTimer *Timer1;
    QTimer *Timer2;
    DeferredWebView *WebBrowser_V11;

    WizardPanel *Panel21;
    DirectoryPanel *Panel10;
    ThumbnailPanel *thumbnail;
    LinkTextsPanel *Panel8;
    SpecialOptionsPanel *Panel11;
    BrowserPanel *Panel9;
    CommandHelpPanel *Panel7;
    TemplateInfoPanel *Panel1;
    DirectoryLevelsPanel *Panel2;
    ProtocolPanel *Panel3;

    Tinfofenster *infofenster;
    Tfilelistwindow *filelistwindow;
    TCreationWindow *CreationWindow;
    Tendstatus *endstatus;
    PublishWindow *publishwindow;
    TThumbnailerOpt *ThumbnailerOpt;
    Tnavigationsleistewindow *navigationsleistewindow;
    Tpagenamewindow *pagenamewindow;
    TQuickinfo *Quickinfo;
    Tthreegalleries *threegalleries;
    Thiddenoptwindow *hiddenoptwindow;
    Twebassistentwindow *webassistentwindow;
    Tbefehlsinfo_fenster *befehlsinfo_fenster;
    Twebtool_window *webtool_window = nullptr;
    Ttoolwindow *toolwindow = nullptr;
    std::array<QAction *, 3> Webeditor{}; // Webeditor11, Webeditor21, Webeditor31
    std::array<QAction *, 3> tool{};      // tool11, tool21, tool31
    QPushButton *Button7 = nullptr;       // Help english
    QPushButton *Button8 = nullptr;       // Hilfe Deutsch
    THeaderFooterWindow *HeaderFooterWindow;
    Tshowfullpicture *showfullpicture;
    Tdestinationwin *destinationwin;
    Tcopywin *copywin;
    Timagedescription *imagedescription;
    Twinrichedit *winrichedit;
    TLayoutmanager *Layoutmanager;

    enum class ViewLayer { browser, thumbnail, templateInfo, directoryLevels, protocol };

    // A menu or tool bar entry; an entry without a caption is a separator.
    struct Command {
        const char *caption = nullptr;
        std::function<void()> run;
        const char *objectName = nullptr;
    };
    void AddCommands(QWidget *target, std::initializer_list<Command> commands);
    void CreateMenus();
    QToolBar *CreateToolBar();
    QWidget *CreateTopRow();
    QWidget *CreateViewArea();
    QWidget *CreateOptionTabs();
    void CreateWindows();
    void CreateOptionsMenu();
    void AddHelpWindowCommands(QMenu *help);
    void CreateToolMenus();
    void AddHelpDocumentCommands(QMenu *help);
    QWidget *CreateHelpButtons(QWidget *parent);
    void LaunchToolEntry(int index);
    void ShowToolCaptions();
    void ConnectOptionWindows();
    void SetIndicatorsFromAnalysis();
    QString CompleteConfigDirectory();
    void ConnectPanels();
    void CreateHiddenOptionWindows();
    void CreateHeaderFooterWindow();
    void CreateLayoutWindows();
    void AddLayoutWindowCommands();
    void AddOptionWindowCommands(QMenu *menu);
    void ConnectHiddenOptionWindows();
    void ShowOptionWindowSettings();
    void ShowHiddenCommandOptions();
    void ShowLayer(ViewLayer layer, bool shown);
    void HideOverlayPanels();
    void SetTemplateButtonsEnabled(bool enabled);
    // Everything a run disables and enables again.
    std::vector<QWidget *> RunLockedControls() const;
    void SetIndicators();
    void ShowInChosenBrowser(const std::string &path);
    void AnalyseSelectedTemplate();
    // Makes the template the selected one: name, buttons, browser and analysis.
    void SelectTemplate(const QString &path);
    void RebuildHistoryMenu(QMenu *menu, TMRUFiles &list, bool paths);
    void StopThumbnailBuild();
    void WriteAllOptionFiles();
    void Timer1Timer();
    void Timer2Timer();
    void WizardThumbnailOptions();
    void CopyPicturesClick();
    void ImageDescriptionClick();
    void SelectPictureDirectory(const QString &directory);
    std::string CurrentPictureDir() const;
    // A file shipped with the program, and one the program writes for the user.
    std::string InstallFile(std::string_view relative) const;
    std::string SettingsFile(std::string_view relative) const;

    InformationTimes m_times;
    GallerySettings m_settings;
    RunSetup m_setup;
    DescriptionStore m_descriptions;
    MessageBox m_prompts;
    QtEvents m_events;
    LocalClock m_clock;
    DateTimeFormats m_dateTimeFormats;
    PosixShell m_shell;
    MainWindowRunView m_view;
    CreationRun m_run;
    TMRUFiles m_usedPaths;
    TMRUFiles m_usedTemplates;
    ResizerSettings m_resizer;
    DirectoryLevels m_levels;
    bool m_optionsLoaded = false;
    bool m_shownOnce = false;
    bool m_thumbnailerPresent = false;
    bool m_closeConfirmed = false;
    bool m_closing = false;

    QStackedWidget *m_viewArea = nullptr;
    QStackedWidget *m_optionPanels = nullptr;
    bool m_layerShown[5] = {true, true, false, false, false};
    QMenu *m_fileMenu = nullptr;
    QMenu *m_layoutMenu = nullptr;
    QMenu *m_functionsMenu = nullptr;
    QMenu *m_historyMenu = nullptr;
    QMenu *m_optionsMenu = nullptr;
    QMenu *m_usedPathsMenu = nullptr;
    QMenu *m_usedTemplatesMenu = nullptr;
    QToolBar *m_toolBar = nullptr;
};

} // namespace pagoranto

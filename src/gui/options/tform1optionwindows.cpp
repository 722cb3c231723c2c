// The main window's ways into the option windows and the complete configuration.
#include "core/generator/directorylevels.h"
#include "core/options/completeconfiguration.h"
#include "core/options/navigationoptionsfile.h"
#include "core/options/startupoptions.h"
#include "core/templates/templatecompanions.h"
#include "gui/options/browserpanel.h"
#include "gui/options/linktextspanel.h"
#include "gui/options/specialoptionspanel.h"
#include "gui/options/tform1.h"
#include "gui/options/tnavigationsleistewindow.h"
#include "gui/options/tpagenamewindow.h"
#include "gui/options/tquickinfo.h"
#include "gui/options/tthreegalleries.h"
#include "gui/options/tthumbnaileropt.h"
#include "gui/pictures/tcopywin.h"
#include "gui/pictures/tfilelistwindow.h"
#include "gui/platform/filedialog.h"
#include "gui/platform/qttext.h"
#include "gui/ui/clickablelabel.h"

#include <QDir>
#include <QFile>
#include <QMenuBar>

namespace pagoranto {

namespace {

const QString completeConfigFilter = QStringLiteral("Conplete configuration file (*.ccc)");

} // namespace

void TForm1::CreateOptionsMenu()
{
    m_optionsMenu = menuBar()->addMenu(QStringLiteral("&Options"));
    m_optionsMenu->setObjectName(QStringLiteral("OptionsMenu"));
    AddCommands(
        m_optionsMenu,
        {
            {"Options for $navigate$, $apage$, $npage$, $ppage$, $dateeng$, $dateger$ "
             "and $time$",
             [this] { Navigatebaroptions1Click(); }, "Navigatebaroptions1"},
            {"Thumbnail options", [this] { ShowThumbnailOptions(true); }, "Thumbnailoptions2"},
            {"Thumbnail options", [this] { ShowThumbnailOptions(true); }, "Thumbnailoptions1"},
            {"Use special commands for the page names", [this] { ShowPageNameOptions(); },
             "Usespecialcommandsforthepagenames1"},
            {},
            {"Save complete configuration", [this] { Savecompleteconfiguration1Click(); },
             "Savecompleteconfiguration1"},
            {"Load complete configuration", [this] { Loadcompleteconfiguration1Click(); },
             "Loadcompleteconfiguration1"},
        });
    for (QAction *action : m_optionsMenu->actions())
        if (action->objectName() == QLatin1String("Thumbnailoptions1"))
            action->setVisible(false);
}

void TForm1::AddHelpWindowCommands(QMenu *help)
{
    AddCommands(
        help, {
                  {"Symbol quickinfo", [this] { Quickinfo->exec(); }, "Symbolquickinfo1"},
                  {"Three gallery types", [this] { threegalleries->exec(); }, "Threegallerytypes1"},
                  {},
              });
}

void TForm1::ConnectOptionWindows()
{
    ThumbnailerOpt->setDestinationSource(
        [this] { return ThumbnailerFileFor(m_levels, m_settings.thumbnails); });
    // The picture-list window is shown by a run, which works out the directories itself.
    connect(filelistwindow, &Tfilelistwindow::thumbnailConfigRequested, this,
            [this] { ShowThumbnailOptions(false); });
}

void TForm1::ShowThumbnailOptions(bool fromMainWindow)
{
    const std::string thumbdir = m_settings.thumbnails.thumbdir;
    ThumbnailerOpt->ShowModal();
    // A run past its checks would hand the thumbnailer no folder and link the thumbnails from
    // the root: the name it was checked with stays.
    if (!fromMainWindow && m_settings.thumbnails.thumbdir.empty()) {
        m_settings.thumbnails.thumbdir = thumbdir;
        ThumbnailerOpt->ShowOptions();
    }
    WriteThumbnailerOptions();
    if (fromMainWindow)
        ComputeDirectoryLevels();
}

void TForm1::WriteThumbnailerOptions()
{
    WriteThumbnailerDestination(m_setup.programDirectory, m_levels, m_settings.thumbnails);
}

void TForm1::ShowNavigationBarOptions()
{
    navigationsleistewindow->ShowModal();
}

void TForm1::Navigatebaroptions1Click()
{
    ShowNavigationBarOptions();
    WriteNavigationOptions(m_setup.programDirectory + "navoptions.cfg", m_settings.navigation);
}

void TForm1::ShowPageNameOptions()
{
    pagenamewindow->exec();
}

void TForm1::SetIndicatorsFromAnalysis()
{
    const LayoutAnalysis &analysis = m_run.lastAnalysis();
    tpicindicator->setVisible(analysis.tpicCount() > 0);
    picindicator->setVisible(analysis.picCount() > 0);
    neededfilesindicator->setVisible(
        !LoadNeededFiles(NeededFilesListPath(m_setup.templatePath)).empty());
}

QString TForm1::CompleteConfigDirectory()
{
    const QString directory =
        ToQString(m_setup.programDirectory + "own_config_files/complete_cfg/");
    QDir().mkpath(directory);
    return directory;
}

void TForm1::Savecompleteconfiguration1Click()
{
    const QString file = FileDialog::getSaveFileName(
        this, QStringLiteral("Save complete configuration"), CompleteConfigDirectory(),
        completeConfigFilter, QStringLiteral("ccc"));
    if (file.isEmpty())
        return;
    if (!SaveCompleteConfigurationFile(QFile::encodeName(file).toStdString(), m_settings,
                                       ThumbnailerFileFor(m_levels, m_settings.thumbnails))) {
        m_prompts.show(completeConfigErrorTitle, completeConfigSaveFailedText, PromptButtons::Ok);
        return;
    }
    m_prompts.show(completeConfigInfoTitle, completeConfigSavedText, PromptButtons::Ok);
}

void TForm1::Loadcompleteconfiguration1Click()
{
    const QString file =
        FileDialog::getOpenFileName(this, QStringLiteral("Load complete configuration"),
                                    CompleteConfigDirectory(), completeConfigFilter);
    if (file.isEmpty())
        return;
    if (!LoadCompleteConfigurationFile(QFile::encodeName(file).toStdString(), m_settings,
                                       m_prompts))
        return;
    ShowAllOptions();
    m_prompts.show(completeConfigInfoTitle, completeConfigLoadedText, PromptButtons::Ok);
}

void TForm1::ShowAllOptions()
{
    Panel8->ShowLinkTexts();
    Panel11->ShowOptions();
    Panel9->ShowBrowserChoice();
    ThumbnailerOpt->ShowOptions();
    navigationsleistewindow->ShowOptions();
    copywin->ShowNameTexts();
    ShowOptionWindowSettings();
    filelistwindow->setHiddenCommandLights(m_settings.hidden);
    ShowPageCounter(m_run.pageCounter().value());
    ShowToolCaptions();
}

} // namespace pagoranto

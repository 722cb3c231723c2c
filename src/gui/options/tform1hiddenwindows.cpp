// The main window's hidden options, header and footer and gallery assistant windows: their
// creation, menu entries and connections.
#include "core/options/headerfooteroptionsfile.h"
#include "core/options/hiddenoptionsfile.h"
#include "core/options/navigationoptionsfile.h"
#include "gui/options/tbefehlsinfofenster.h"
#include "gui/options/tform1.h"
#include "gui/options/theaderfooterwindow.h"
#include "gui/options/thiddenoptwindow.h"
#include "gui/options/twebassistentwindow.h"
#include "gui/options/wizardpanel.h"
#include "gui/pictures/tfilelistwindow.h"
#include "gui/platform/qttext.h"

namespace pagoranto {

// The gallery assistant comes between the hidden options and their help in the creation order.
void TForm1::CreateHiddenOptionWindows()
{
    hiddenoptwindow =
        new Thiddenoptwindow(m_settings.hidden, m_prompts,
                             ToQString(SettingsFile("own_config_files/hidden_cfg/")), this);
    webassistentwindow =
        new Twebassistentwindow(ToQString(m_setup.installDirectory + "webassistent/"), this);
    befehlsinfo_fenster = new Tbefehlsinfo_fenster(this);
    hiddenoptwindow->setHelpWindow(befehlsinfo_fenster);
}

void TForm1::CreateHeaderFooterWindow()
{
    HeaderFooterWindow = new THeaderFooterWindow(
        m_settings.headerFooter, m_prompts,
        ToQString(SettingsFile("own_config_files/headerfooter_cfg/")),
        ToQString(m_setup.installDirectory + "document/headerfooter_example.png"), this);
}

void TForm1::AddOptionWindowCommands(QMenu *menu)
{
    AddCommands(menu, {
                          {"Hidden command options", [this] { Options1Click(); }, "Options1"},
                          {"Header and footer for your gallery",
                           [this] { Headerandfooterforyourgallery1Click(); },
                           "Headerandfooterforyourgallery1"},
                      });
}

void TForm1::ConnectHiddenOptionWindows()
{
    connect(Panel21->Button39, &QPushButton::clicked, this, &TForm1::Options1Click);
    connect(hiddenoptwindow, &Thiddenoptwindow::useCommandsChanged, this,
            [this] { filelistwindow->setHiddenCommandLights(m_settings.hidden); });
    connect(hiddenoptwindow, &Thiddenoptwindow::navigationBarOptionsRequested, this,
            &TForm1::ShowNavigationBarOptions);
}

void TForm1::ShowOptionWindowSettings()
{
    hiddenoptwindow->ShowOptions();
    HeaderFooterWindow->ShowOptions();
}

// From the command help: the file is written at close, as every option file.
void TForm1::ShowHiddenCommandOptions()
{
    hiddenoptwindow->exec();
}

void TForm1::WebAssistent1Click()
{
    webassistentwindow->show();
    webassistentwindow->raise();
    webassistentwindow->activateWindow();
}

void TForm1::Options1Click()
{
    ShowHiddenCommandOptions();
    WriteHiddenCommandOptions(SettingsFile(hiddenOptionsFileName), m_settings.hidden);
    WriteNavigationOptions(SettingsFile(navigationOptionsFileName), m_settings.navigation);
}

void TForm1::Headerandfooterforyourgallery1Click()
{
    HeaderFooterWindow->exec();
    WriteHeaderFooterOptions(SettingsFile(headerFooterFileName), m_settings.headerFooter);
}

} // namespace pagoranto

// The main window's layout manager and template source editor: their creation, menu entries
// and the selection of a template through the manager.
#include "gui/options/tform1.h"
#include "gui/options/tform1messages.h"
#include "gui/options/wizardpanel.h"
#include "gui/pictures/tfilelistwindow.h"
#include "gui/platform/qttext.h"
#include "gui/templates/templateinfopanel.h"
#include "gui/templates/tlayoutmanager.h"
#include "gui/templates/twinrichedit.h"

#include <QFileInfo>

namespace pagoranto {

void TForm1::CreateLayoutWindows()
{
    winrichedit =
        new Twinrichedit(m_prompts, m_shell, m_settings.additional, m_setup.programDirectory,
                         ToQString(InstallFile("layouts")), this);
    Layoutmanager = new TLayoutmanager(m_prompts, m_events, m_shell, m_settings.webTools,
                                       winrichedit, ToQString(InstallFile("layouts")), this);
    // The manager counts its web tools from 1.
    connect(
        Layoutmanager, &TLayoutmanager::webToolRequested, this,
        [this](int index, const QString &file) { LaunchWebTool(index - 1, ToEngineText(file)); });
}

void TForm1::AddLayoutWindowCommands()
{
    QAction *first = m_layoutMenu->actions().value(0);
    auto *select = new QAction(QStringLiteral("Select page template"), m_layoutMenu);
    select->setObjectName(QStringLiteral("Selectpagetemplate1"));
    connect(select, &QAction::triggered, this, &TForm1::Selectpagetemplate1Click);
    m_layoutMenu->insertAction(first, select);
    QAction *edit = m_layoutMenu->addAction(QStringLiteral("Edit template in text editor"));
    edit->setObjectName(QStringLiteral("EditTemplate1"));
    connect(edit, &QAction::triggered, this, &TForm1::EditTemplate1Click);

    connect(Panel21->Button35, &QPushButton::clicked, this, &TForm1::Selectpagetemplate1Click);
    connect(filelistwindow, &Tfilelistwindow::templateSelectionRequested, this, [this] {
        Selectpagetemplate1Click();
        filelistwindow->RefreshPlan();
    });
}

void TForm1::Selectpagetemplate1Click()
{
    ShowLayer(ViewLayer::thumbnail, false);
    HideOverlayPanels();
    m_setup.templatePath.clear();
    Layoutmanager->exec();
    const QString chosen = Layoutmanager->managerSelection();
    m_setup.templatePath = ToEngineText(chosen);
    Label6->setText(QFileInfo(chosen).fileName());
    Label6->setToolTip(QFileInfo(chosen).fileName());
    if (chosen.isEmpty())
        return;
    ShowInInternalBrowser(chosen);
    AnalyseSelectedTemplate();
    if (m_run.lastAnalysis().total == 0)
        return;
    Panel1->LoadTemplateFiles(m_setup.templatePath);
    SetIndicators();
}

void TForm1::EditTemplate1Click()
{
    if (m_setup.templatePath.empty()) {
        m_prompts.show("ERROR", tform1messages::noTemplateToShow, PromptButtons::Ok);
        return;
    }
    winrichedit->EditTemplate(ToQString(m_setup.templatePath.string()));
}

} // namespace pagoranto

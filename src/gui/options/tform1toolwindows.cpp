// The main window's external tools, web tools and the entries that show help documents.
#include "core/options/externalbrowser.h"
#include "core/options/externaltools.h"
#include "gui/options/tform1.h"
#include "gui/options/ttoolwindow.h"
#include "gui/options/twebtoolwindow.h"
#include "gui/platform/qttext.h"

#include <QHBoxLayout>
#include <QMenuBar>

namespace pagoranto {

namespace {

std::array<std::string, 3> WebToolPaths(const WebToolOptions &tools)
{
    return {tools.webtool1_label, tools.webtool2_label, tools.webtool3_label};
}

std::array<std::string, 3> ToolPaths(const ToolOptions &tools)
{
    return {tools.tool1_label, tools.tool2_label, tools.tool3_label};
}

} // namespace

void TForm1::CreateToolMenus()
{
    webtool_window = new Twebtool_window(this);
    toolwindow = new Ttoolwindow(this);

    QMenu *webtools = menuBar()->addMenu(QStringLiteral("&Webtools"));
    webtools->setObjectName(QStringLiteral("Webtools1"));
    QMenu *tools = menuBar()->addMenu(QStringLiteral("&Tools"));
    tools->setObjectName(QStringLiteral("Tools1"));
    const char *const webNames[] = {"Webeditor11", "Webeditor21", "Webeditor31"};
    const char *const toolNames[] = {"tool11", "tool21", "tool31"};
    for (int i = 0; i < 3; ++i) {
        Webeditor[i] = webtools->addAction(QStringLiteral("?"));
        Webeditor[i]->setObjectName(QString::fromLatin1(webNames[i]));
        connect(Webeditor[i], &QAction::triggered, this,
                [this, i] { LaunchWebTool(i, m_setup.templatePath.string()); });
        tool[i] = tools->addAction(QStringLiteral("?"));
        tool[i]->setObjectName(QString::fromLatin1(toolNames[i]));
        connect(tool[i], &QAction::triggered, this, [this, i] { LaunchToolEntry(i); });
    }
    webtools->addSeparator();
    tools->addSeparator();
    AddCommands(webtools,
                {{"Configure list of Webtools [Add your own webtools]",
                  [this] { ConfigurelistofWebeditor1Click(); }, "ConfigurelistofWebeditor1"}});
    AddCommands(tools, {{"Configure list of Tools [Add your own tools]",
                         [this] { ConfigureTools1Click(); }, "ConfigureTools1"}});
}

void TForm1::AddHelpDocumentCommands(QMenu *help)
{
    const auto entry = [this](FileEntry file) { return [this, file] { ShowFileEntry(file); }; };
    AddCommands(help,
                {
                    {"English version [internal browser]",
                     [this] {
                         TabControl1->setCurrentIndex(1);
                         TabControl1Change(1);
                         ShowFileEntry(FileEntry::englishHelp);
                     },
                     "Englishversion1"},
                    {"Deutsche Version [interner Browser]",
                     [this] {
                         TabControl1->setCurrentIndex(1);
                         TabControl1Change(1);
                         ShowFileEntry(FileEntry::germanHelp);
                     },
                     "DeutscheVersion1"},
                    {"English version [external browser]", entry(FileEntry::englishFrame),
                     "Englishversionexternalbrowser1"},
                    {"Deutsche Version [externer Browser]", entry(FileEntry::germanFrame),
                     "DeutscheVersioninternerBrowser1"},
                    {},
                    {"Englisch command description", entry(FileEntry::englishCommands),
                     "Englischcommanddescription1"},
                    {"Deutsche Befehlsbeschreibung", entry(FileEntry::germanCommands),
                     "DeutscheBefehlsbeschreibung1"},
                    {"FAQ english", entry(FileEntry::englishFaq), "FAQenglish1"},
                    {"FAQ Deutsch", entry(FileEntry::germanFaq), "FAQDeutsch1"},
                    {},
                    {"Changes in this version", entry(FileEntry::changes), "Changesinthisversion1"},
                    {},
                });
}

QWidget *TForm1::CreateHelpButtons(QWidget *parent)
{
    auto *buttons = new QWidget(parent);
    auto *row = new QHBoxLayout(buttons);
    row->setContentsMargins(0, 0, 0, 0);
    Button7 = new QPushButton(QStringLiteral("Help english"), buttons);
    Button7->setObjectName(QStringLiteral("Button7"));
    Button8 = new QPushButton(QStringLiteral("Hilfe Deutsch"), buttons);
    Button8->setObjectName(QStringLiteral("Button8"));
    connect(Button7, &QPushButton::clicked, this,
            [this] { ShowFileEntry(FileEntry::englishHelp); });
    connect(Button8, &QPushButton::clicked, this, [this] { ShowFileEntry(FileEntry::germanHelp); });
    row->addWidget(Button7);
    row->addWidget(Button8);
    return buttons;
}

void TForm1::ShowFileEntry(FileEntry entry)
{
    const FileEntryStep step = ChooseFileEntryStep(entry, m_settings.additional.browserStart,
                                                   m_setup.templatePath.string(), InstallFile(""));
    switch (step.kind) {
    case FileEntryStep::Kind::nothing:
        break;
    case FileEntryStep::Kind::message:
        m_prompts.show(step.title, step.text, PromptButtons::Ok);
        break;
    case FileEntryStep::Kind::externalBrowser:
        ShowInExternalBrowser(m_shell, m_settings.additional.browserStart, step.file);
        break;
    case FileEntryStep::Kind::internalBrowser:
        ShowInInternalBrowser(ToQString(step.file));
        break;
    case FileEntryStep::Kind::openDocument:
        m_shell.openDocument(step.file);
        break;
    }
}

void TForm1::LaunchWebTool(int index, const std::string &file)
{
    const auto paths = WebToolPaths(m_settings.webTools);
    const std::string caption =
        index >= 0 && index < 3 ? ToolCaption(paths[index]) : std::string("?");
    if (!CanLaunchWebTool(caption, file)) {
        m_prompts.show("ERROR", noLayoutForEditingText, PromptButtons::Ok);
        return;
    }
    LaunchTool(m_shell, TrimToolPath(paths[index]), file, InstallFile(""));
}

QString TForm1::WebToolCaption(int index) const
{
    if (index < 0 || index >= 3)
        return QStringLiteral("?");
    return ToQString(ToolCaption(WebToolPaths(m_settings.webTools)[index]));
}

void TForm1::LaunchToolEntry(int index)
{
    if (tool[index]->text() == QLatin1String("?"))
        return;
    LaunchTool(m_shell, TrimToolPath(ToolPaths(m_settings.tools)[index]), "", InstallFile(""));
}

void TForm1::ShowToolCaptions()
{
    const auto webPaths = WebToolPaths(m_settings.webTools);
    const auto toolPaths = ToolPaths(m_settings.tools);
    for (int i = 0; i < 3; ++i) {
        Webeditor[i]->setText(ToQString(ToolCaption(webPaths[i])));
        tool[i]->setText(ToQString(ToolCaption(toolPaths[i])));
    }
    emit webToolsChanged();
}

void TForm1::ConfigurelistofWebeditor1Click()
{
    webtool_window->setPaths(WebToolPaths(m_settings.webTools));
    // The fields are the options: what the close box leaves in them is kept too.
    webtool_window->exec();
    const auto paths = webtool_window->paths();
    m_settings.webTools = {paths[0], paths[1], paths[2]};
    ShowToolCaptions();
}

void TForm1::ConfigureTools1Click()
{
    toolwindow->setPaths(ToolPaths(m_settings.tools));
    // The fields are the options: what the close box leaves in them is kept too.
    toolwindow->exec();
    const auto paths = toolwindow->paths();
    m_settings.tools = {paths[0], paths[1], paths[2]};
    ShowToolCaptions();
}

} // namespace pagoranto

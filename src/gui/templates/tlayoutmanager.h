#pragma once

#include "core/generator/layoutanalysis.h"
#include "core/options/webtooloptions.h"
#include "core/text/textencoding.h"
#include "gui/ui/deferredwebview.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QFileSystemModel>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeView>
#include <array>
#include <string>

namespace pagoranto {

class Events;
class MessageBox;
class Shell;
class Twinrichedit;

// The layout manager: browses a directory of templates, previews one, edits its description
// and its needed files, and hands the chosen template back to the main window.
class TLayoutmanager : public QDialog {
    Q_OBJECT
public:
    TLayoutmanager(MessageBox &prompts, Events &events, Shell &shell,
                   const WebToolOptions &webTools, Twinrichedit *editor, QString defaultTemplateDir,
                   QWidget *parent = nullptr);

    // The template last chosen by a double-click, empty when none or when it had no commands.
    const QString &managerSelection() const { return m_managerSelection; }
    const QString &templateDir() const { return m_templateDir; }
    const LayoutAnalysis &analysis() const { return m_analysis; }

    // Goes to the directory and scans it.
    void setTemplateDir(const QString &directory);
    void DirectoryScan();
    // Double-click on a template of either list.
    void SelectTemplate(const QString &name);
    void SpeedButton1Click();
    void SpeedButton2Click();
    void reloadlayoutClick();
    void AddFilesClick();
    void RemoveMarkedItemClick();
    void ClearListClick();
    void SaveNewDescriptionClick();
    void WebToolClick(int index);
    void InternalEditor1Click();
    // The captions of the web tool entries, from the configured programs.
    void UpdateWebToolCaptions();

    QComboBox *DriveComboBox1;
    QTreeView *DirectoryListBox1;
    QListWidget *normaltemplatelist;
    QListWidget *neededfiletemplatelist;
    QLabel *normalcount;
    QLabel *neededcount;
    QTabWidget *PageControl1;
    QLabel *selectionlabel;
    DeferredWebView *WebBrowser1;
    QLabel *piccount;
    QLabel *tpiccount;
    QLabel *picfound;
    QLabel *tpicfound;
    QPlainTextEdit *descriptionmemo;
    QListWidget *neededfiles;
    std::array<QAction *, 3> webeditor{};
    QAction *InternalEditor1;

signals:
    // A web tool entry was chosen for a template: index 1 to 3 and the template's full path.
    void webToolRequested(int index, QString file);

protected:
    void showEvent(QShowEvent *event) override;

private:
    QWidget *CreateDirectoryColumn();
    QWidget *CreateListColumn();
    QWidget *CreatePreviewTabs();
    void CreateMenu();
    void ShowDirectoryInTree(const QString &directory);
    void ShowCounts();
    void AnalyseSelection();
    void SaveNeededFileList();

    MessageBox &m_prompts;
    Events &m_events;
    Shell &m_shell;
    const WebToolOptions &m_webTools;
    Twinrichedit *m_editor;
    QString m_defaultTemplateDir;
    QString m_templateDir;
    QString m_managerSelection;
    FileEncoding m_descriptionEncoding = FileEncoding::utf8;
    LayoutAnalysis m_analysis;
    QFileSystemModel *m_directories = nullptr;
    bool m_activatedOnce = false;
};

} // namespace pagoranto

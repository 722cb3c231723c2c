#pragma once

#include "core/options/additionaloptions.h"
#include "core/text/textencoding.h"

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QToolButton>
#include <string>
#include <vector>

namespace pagoranto {

class MessageBox;
class Shell;

// The template source editor: one template file as plain text, with the template's markers,
// comments and colour values at hand.
class Twinrichedit : public QDialog {
    Q_OBJECT
public:
    Twinrichedit(MessageBox &prompts, Shell &shell, const AdditionalOptions &additional,
                 std::string programDirectory, QString layoutsDirectory, QWidget *parent = nullptr);

    // Loads the template and shows the editor modally.
    int EditTemplate(const QString &templateFile);
    // Loads the template without showing the window.
    void OpenTemplate(const QString &templateFile);

    void FileSave1Execute();
    void Saveas1Click();
    void FileExit1Execute();
    void InsertText(const QString &text);
    void InsertTemplateNameComment();
    void InsertDateComment();
    void Deleteemptylines1Click();
    void Previewtemplateindefaultbrowser1Click();
    void Getahtmlcolorforthetemplate1Click();

    const QString &currentTemplateFile() const { return m_currentTemplateFile; }
    const QString &savedAsFile() const { return m_savedAsFile; }
    bool editorModified() const { return m_editorModified; }
    // The encoding the text is saved in: the one the template was read in.
    FileEncoding encoding() const { return m_encoding; }

    QPlainTextEdit *RichEdit1;
    QLabel *Panel1;
    QLabel *Panel2;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

public slots:
    void reject() override;

private:
    void CreateActions();
    void SetInsertControlsEnabled(bool enabled);
    enum class WriteResult { written, declined, failed };
    // The text as UTF-8, every line followed by CR LF.
    std::string TextLines() const;
    WriteResult WriteTo(const QString &file);
    // Saves to the current file, telling of a failure; true when the text was saved.
    bool SaveToCurrentFile();
    void ShowLineCount();
    void KeepWithinLimit(int position, int added);
    void Leave();

    MessageBox &m_prompts;
    Shell &m_shell;
    const AdditionalOptions &m_additional;
    std::string m_programDirectory;
    QString m_layoutsDirectory;
    QString m_currentTemplateFile;
    QString m_templateNameForComment;
    QString m_savedAsFile;
    bool m_editorModified = false;
    FileEncoding m_encoding = FileEncoding::utf8;
    bool m_loading = false;
    bool m_leaving = false;
    // Where the last change of the text was, for the typist's limit.
    int m_changePosition = 0;
    int m_changeAdded = 0;
    // The seven insert and delete entries of the menu and the tool bar that need the text's
    // focus, and the action behind the author tag.
    std::vector<QAction *> m_focusActions;
    std::vector<QToolButton *> m_focusButtons;
};

} // namespace pagoranto

#pragma once

#include "core/text/textencoding.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QWidget>
#include <filesystem>
#include <string>

namespace pagoranto {

class MessageBox;

// The selected template's description and the files it needs beside its pages.
class TemplateInfoPanel : public QWidget {
    Q_OBJECT
public:
    TemplateInfoPanel(MessageBox &prompts, std::string fallbackDescriptionFile,
                      QWidget *parent = nullptr);

    // Loads the companion files of the template into the panel.
    void LoadTemplateFiles(const std::filesystem::path &templatePath);
    int neededFileCount() const { return neededfiles->count(); }

    QPlainTextEdit *Memo1;
    QListWidget *neededfiles;

signals:
    void closeRequested();

private:
    void SaveDescription();
    void AddFiles();
    void RemoveMarkedFile();
    void ClearList();
    void SaveNeededFiles();

    MessageBox &m_prompts;
    std::string m_fallbackDescriptionFile;
    std::filesystem::path m_templatePath;
    FileEncoding m_descriptionEncoding = FileEncoding::utf8;
};

} // namespace pagoranto

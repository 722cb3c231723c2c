#pragma once

#include "core/platform/prompts.h"

#include <QDialog>
#include <QString>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace pagoranto {

class DirectoryChooser;

// The destination window: chooses the directory that receives copies, and renames the
// pictures of a directory to ".jpg" extensions or lower-case names.
class Tdestinationwin : public QDialog {
    Q_OBJECT
public:
    Tdestinationwin(Prompts &prompts, const QString &initialDir, QWidget *parent = nullptr);

    QString directory() const;
    void setDirectory(const QString &dir);
    // The listed picture files, as file-name bytes.
    std::vector<std::string> fileNames() const;

    void CreateDirectoryClick();
    void NewDirectoryEnter();
    void ChangeExtensionsClick();
    void DowncaseClick();
    void CloseClick();

    DirectoryChooser *directoryChooser;
    QLabel *currentDirectory;
    QListWidget *DirectoryList;
    QListWidget *FileListBox1;
    QComboBox *FilterComboBox1;
    QPushButton *createDirectory;
    QLineEdit *newDirectoryName;
    QPushButton *changeExtensions;
    QPushButton *downcaseNames;
    QPushButton *closeButton;

signals:
    // "Close": the directory that now receives the copies.
    void destinationChosen(const QString &dir);

private:
    void Refresh();
    void OpenSubdirectory(QListWidgetItem *item);
    void RenameListed(std::string_view question,
                      const std::function<std::string(const std::string &)> &newName,
                      QPushButton *button);

    Prompts &m_prompts;
};

} // namespace pagoranto

#pragma once

#include "core/platform/shell.h"
#include "gui/platform/messagebox.h"

#include <QString>
#include <QWidget>
#include <string>
#include <vector>

class QComboBox;
class QFileSystemModel;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QStackedWidget;
class QToolButton;
class QTreeView;

namespace pagoranto {

// The directory panel `Panel10` of the "Source directory" tab: drive box, directory tree, the
// jpg list with its mask field, the html list and the sorting-list list of the picture
// directory, and the two delete buttons.
//
// The main window wires: directoryChanged() to the directory change (the lists already show
// the new directory); driveChanged() to stopping the thumbnail build and showing the
// thumbnail panel; jpgListChanged() to showing the thumbnail panel; htmlListChanged() to
// stopping the build and showing the thumbnail panel; refreshRequested() to "Refresh
// thumbnails"; sortingListActivated() to marking the listed pictures; deleteStarting() /
// deleteFinished() to locking and unlocking the window around a delete loop.
class DirectoryPanel : public QWidget {
    Q_OBJECT

public:
    DirectoryPanel(MessageBox &prompts, Shell &shell, QWidget *parent = nullptr);

    // The picture directory, ending in "/".
    QString pictureDir() const { return m_pictureDir; }
    // Sets drive box, tree and lists to dir; emits directoryChanged() when it differs.
    void setPictureDir(const QString &dir);

    // The entries of the jpg list (its mask) and of the sorting-list list, as file-name bytes.
    std::vector<std::string> jpgFileNames() const;
    std::vector<std::string> htmlFileNames() const;
    std::vector<std::string> sortingListNames() const;
    QString jpgMask() const { return m_jpgMask; }

    // Re-reads the jpg, html and sorting-list lists of the picture directory.
    void RefreshFileLists();
    // Input controls off during a run; the delete buttons keep their own rule when on again.
    void setInputsEnabled(bool enabled);
    // The panels over the jpg list, the html list and the tree, and back.
    void ShowWorkingPanels();
    void HideWorkingPanels();

    // Handlers, also for the menu entries of the same captions.
    void SelectDirectoryClick();
    void Edit1Enter();
    // The jpg list takes the mask field's text as it stands (Edit1Enter also gives it ".jpg").
    void ApplyMaskField();
    void DeleteJpgFilesClick();
    void DeleteHtmlFilesClick();
    void SortingListFoundClick();

    QComboBox *DriveComboBox1 = nullptr;
    QTreeView *DirectoryListBox1 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QListWidget *FileListBox1 = nullptr;
    QListWidget *FileListBox2 = nullptr;
    QListWidget *FileListBox3 = nullptr;
    QPushButton *sortinglistFound = nullptr;
    QPushButton *deleteJpgFiles = nullptr;
    QPushButton *deleteHtmlFiles = nullptr;
    QToolButton *selectDirectory = nullptr;
    // "Working ! Please wait !" over FileListBox1, FileListBox2 and DirectoryListBox1; a run
    // writes its status texts into them.
    QLabel *Panel4 = nullptr;
    QLabel *Panel5 = nullptr;
    QLabel *Panel6 = nullptr;

signals:
    void directoryChanged();
    void driveChanged();
    void jpgListChanged();
    void htmlListChanged();
    void refreshRequested();
    // Double-click on a sorting-list file: its name, without directory.
    void sortingListActivated(const QString &fileName);
    void deleteStarting();
    void deleteFinished();

private:
    QWidget *MakeTreeArea();
    QWidget *MakeJpgArea();
    QWidget *MakeOtherListsArea();
    void DriveComboBox1Change(int index);
    void DirectoryListBox1Change();
    void ApplyDirectory(const QString &dir);
    void ShowInTree(const QString &dir);
    void ShowDriveOf(const QString &dir);
    void RevealInTree();
    void FillList(QListWidget *list, const QString &mask);
    void UpdateEnabling();
    void OpenListedFile(QListWidgetItem *item);
    void DeleteListedFiles(QListWidget *list, std::string_view question,
                           std::string_view upperExtension);
    void OfferPermanentDeletion(const std::string &dir, const std::vector<std::string> &names);

    MessageBox &m_prompts;
    Shell &m_shell;
    QFileSystemModel *m_tree = nullptr;
    QStackedWidget *m_treeStack = nullptr;
    QStackedWidget *m_jpgStack = nullptr;
    QStackedWidget *m_htmlStack = nullptr;
    QString m_pictureDir;
    QString m_jpgMask = QStringLiteral("*.jpg");
    bool m_inputsEnabled = true;
    bool m_deleting = false;
    bool m_syncingTree = false;
    // The picture directory was set from outside and is to be scrolled into sight.
    bool m_reveal = false;
};

} // namespace pagoranto

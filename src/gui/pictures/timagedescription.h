#pragma once

#include "core/pictures/descriptionstore.h"

#include <QDialog>
#include <QString>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;

namespace pagoranto {

class DirectoryChooser;
class MessageBox;
class PictureLoader;

// The image description window: choose a picture of a directory, write its description. The
// descriptions are the program's one store, saved to the directory's "description.desc"
// whenever the picture changes and when the window closes, in the encoding they were read in.
class Timagedescription : public QDialog {
    Q_OBJECT
public:
    Timagedescription(DescriptionStore &store, MessageBox &prompts, QWidget *parent = nullptr);

    // What the main window hands over before showing the window: its mask text, its picture
    // directory and the ticked pictures.
    void Prepare(const QString &mask, const QString &dir, const std::vector<std::string> &marked);
    // Prepare, then the window modally.
    void ShowFor(const QString &mask, const QString &dir, const std::vector<std::string> &marked);

    QString directory() const;
    void setDirectory(const QString &dir);
    // The picture being described, as file-name bytes; empty when none.
    const std::string &currentPicture() const { return m_current; }

    // Choosing a picture of either list: the current description is saved first.
    void ChoosePicture(const std::string &name);
    // False when the user would not have the file become UTF-8 to hold the description: the
    // picture, the directory and the window then stay, with the description in the memo.
    bool SaveCurrentDescription();
    void Edit1Enter();
    void BackClick();
    // Waits until the picture asked for last is shown (for tests and screenshots).
    void WaitForPicture();

    DirectoryChooser *directoryChooser;
    QLineEdit *Edit1;          // file mask
    QListWidget *FileListBox1; // " Complete image list "
    QListWidget *ListBox1;     // " Marked thumbnail list "
    QListWidget *FileListBox2; // "*.desc" files
    QLabel *picname;
    QPlainTextEdit *Memo1;
    QScrollArea *ScrollBox1;
    QLabel *Image1;
    QLabel *note;
    QPushButton *Button1; // Back
    std::vector<QPushButton *> insertButtons;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    void DirectoryChanged(const QString &dir);
    void FillLists();
    void MemoChanged();
    void InsertCommand(const QString &command);
    void ListClicked(QListWidgetItem *item);

    DescriptionStore &m_store;
    MessageBox &m_prompts;
    PictureLoader *m_loader;
    QString m_mask = QStringLiteral("*.jpg");
    std::string m_current;
    QString m_storeDirectory; // the directory whose descriptions the store holds
    bool m_fixingMemo = false;
    bool m_returningToDirectory = false;
};

} // namespace pagoranto

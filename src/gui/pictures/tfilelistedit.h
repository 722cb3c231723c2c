#pragma once

#include "core/pictures/filelistedit.h"

#include <QDialog>
#include <QString>
#include <optional>
#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace pagoranto {

class FileListPreview;

// The add window of the picture list: pictures of the directory that the list does not hold
// yet on the left, the ones to be appended on the right.
class Tfilelistedit : public QDialog {
    Q_OBJECT
public:
    explicit Tfilelistedit(QWidget *parent = nullptr);

    // Shows the window modally with these candidates; the pictures to append, in their order,
    // or nothing when the user cancels.
    std::optional<std::vector<std::string>> Edit(std::vector<std::string> candidates,
                                                 const std::string &pictureDir);

    QListWidget *restList;
    QListWidget *addList;
    QPushButton *addSelectedButton;
    QPushButton *addAllButton;
    QPushButton *takeBackButton;
    QPushButton *takeBackAllButton;
    QLabel *restCount;
    QLabel *addCount;
    FileListPreview *preview;
    QLabel *note;
    QPushButton *okButton;
    QPushButton *cancelButton;

private:
    void addSelectedClick();
    void addAllClick();
    void takeBackClick();
    void takeBackAllClick();
    void showLists();
    void previewItem(QListWidgetItem *item, const std::vector<std::string> &names);

    FileListEditLists m_lists;
    std::string m_pictureDir;
};

} // namespace pagoranto

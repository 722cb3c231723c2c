#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <string>

namespace pagoranto {

// Three program paths, each with a browse button, and "Back": the common part of the web tool
// and the tool configuration windows.
class ToolPathsWindow : public QDialog {
    Q_OBJECT
public:
    struct Names {
        QString objectName;
        QString caption;
        QString fieldPrefix; // the fields are <prefix>1_label .. <prefix>3_label
        QString programKind; // "Webtool" or "Tool"
        QString information;
    };
    explicit ToolPathsWindow(const Names &names, QWidget *parent = nullptr);

    void setPaths(const std::array<std::string, 3> &paths);
    std::array<std::string, 3> paths() const;

    void BrowseClick(int index);
    // Trims the fields and closes; the owner then captions its menu entries.
    void BackClick();

    std::array<QLineEdit *, 3> fields{};
    std::array<QPushButton *, 3> browseButtons{};
    QLabel *Label1; // what the paths are for and where they are kept
    QPushButton *Back;
};

} // namespace pagoranto

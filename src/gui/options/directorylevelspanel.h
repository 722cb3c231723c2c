#pragma once

#include "core/generator/directorylevels.h"
#include "core/options/websizeoptions.h"

#include <QLabel>
#include <QRadioButton>
#include <QWidget>

namespace pagoranto {

// Where the pages go: the picture directory or one of its two parents.
class DirectoryLevelsPanel : public QWidget {
    Q_OBJECT
public:
    explicit DirectoryLevelsPanel(QWidget *parent = nullptr);

    int checkedLevel() const;
    void ShowLevels(const DirectoryLevels &levels);
    void ShowWebSizeTarget(const std::string &destinationDir, const WebSizeOptions &options);

    QRadioButton *RadioButton1;
    QRadioButton *RadioButton2;
    QRadioButton *RadioButton3;
    QLabel *Label24;
    QLabel *Label26;
    QLabel *webSizeTarget;

signals:
    void levelChanged();
    void closeRequested();
};

} // namespace pagoranto

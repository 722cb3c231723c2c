#pragma once

#include "core/generator/directorylevels.h"

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

    QRadioButton *RadioButton1;
    QRadioButton *RadioButton2;
    QRadioButton *RadioButton3;
    QLabel *Label24;
    QLabel *Label26;

signals:
    void levelChanged();
    void closeRequested();
};

} // namespace pagoranto

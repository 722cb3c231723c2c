#pragma once

#include "core/generator/pagecounter.h"
#include "core/options/pagenameoptions.h"
#include "core/options/specialoptions.h"
#include "core/options/websizeoptions.h"
#include "gui/options/websizecontrols.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QWidget>
#include <array>

namespace pagoranto {

// The "Special options" tab: page names, the page counter, picture sizes and what a run does
// besides making pages.
class SpecialOptionsPanel : public QWidget {
    Q_OBJECT
public:
    SpecialOptionsPanel(PageNameOptions &names, SpecialOptions &special,
                        WebSizeOptions &webSizeOptions, PageCounter &counter,
                        QWidget *parent = nullptr);

    void ShowOptions();
    // ShowPageCounter: the counter zero-padded to the length of number.
    void ShowPageCounter();
    // Thumbnail creation needs the thumbnailer program.
    void DisableThumbnailCreation();

    QLineEdit *ownfilename;
    QCheckBox *usedifferentfirst;
    QLineEdit *differentfilename;
    QSpinBox *ScrollBar4;
    QLabel *Label38;
    QToolButton *SpinButton3Up, *SpinButton3Down;
    QToolButton *SpinButton2Up, *SpinButton2Down;
    QToolButton *SpinButton1Up, *SpinButton1Down;
    QPushButton *Button22;
    QCheckBox *Counterreset;
    QCheckBox *AspectRatio;
    QButtonGroup *aspectRatioBoxes;
    QCheckBox *filecopyallowed;
    QCheckBox *createthumbnails;
    QLabel *Label53;
    WebSizeControls *webSize;
    QCheckBox *pagecompressor;

signals:
    void pageCounterChanged();

private:
    QWidget *MakeCounterBox();
    QWidget *MakePictureBox();
    void AddSpinButtons(QLayout *row, CounterSpin spin, const QString &step, QToolButton *&up,
                        QToolButton *&down);

    PageNameOptions &m_names;
    SpecialOptions &m_special;
    PageCounter &m_counter;
};

} // namespace pagoranto

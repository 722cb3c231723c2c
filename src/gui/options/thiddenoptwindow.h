#pragma once

#include "core/generator/forbiddentexts.h"
#include "core/options/hiddenoptions.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QToolButton>
#include <array>

namespace pagoranto {

class MessageBox;
class Tbefehlsinfo_fenster;

// "Hidden options": the texts and switches of the hidden commands, kept in the settings the
// run reads.
class Thiddenoptwindow : public QDialog {
    Q_OBJECT
public:
    Thiddenoptwindow(HiddenOptions &options, MessageBox &prompts, QString hiddenConfigDirectory,
                     QWidget *parent = nullptr);

    // The window the help buttons show.
    void setHelpWindow(Tbefehlsinfo_fenster *help) { m_help = help; }
    // Shows the settings again after they were read from a file.
    void ShowOptions();

    void Button1Click();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void BitBtn3Click();
    void BitBtn4Click();

    QTabWidget *tabs;
    QCheckBox *usecommentcommand;
    QLineEdit *hcomment;
    QCheckBox *useauthorcommand;
    QLineEdit *hauthor;
    QCheckBox *usekeywordscommand;
    QLineEdit *hkeywords;
    QCheckBox *usepagecommand;
    QLineEdit *hpagetitle;
    QCheckBox *usetargetcommand;
    QLineEdit *htarget;
    QComboBox *ComboBox1;
    QButtonGroup *radioalternative;
    QLineEdit *alternativetext;
    QButtonGroup *radioPICalternative;
    QLineEdit *alternativePPIICCtext;
    QCheckBox *showfilename;
    QCheckBox *showdimensions;
    QCheckBox *showfilesize;
    QCheckBox *showcomment;
    QCheckBox *showfilenamewithextension;
    QCheckBox *showfullcomment;
    QButtonGroup *RadioGroup1;
    QButtonGroup *RadioGroup2;
    QLineEdit *Edit1;
    QLineEdit *Edit2;
    QCheckBox *tpicspecial;
    QCheckBox *picspecial;
    QScrollArea *ScrollBox1;
    std::array<QLineEdit *, 10> editfield_html;
    QPushButton *SpeedButton1;                // Activate options
    QPushButton *SpeedButton2;                // Deactivate options
    std::array<QToolButton *, 8> helpButtons; // SpeedButton3 .. SpeedButton10
    QPushButton *Button2;                     // Navigate,page,date,time
    QToolButton *BitBtn3;
    QToolButton *BitBtn4;
    QLabel *Label5;
    QPushButton *Button1; // Back

signals:
    // A "use" box changed: the picture-list window's lights follow.
    void useCommandsChanged();
    void navigationBarOptionsRequested();

protected:
    bool event(QEvent *event) override;

private:
    QWidget *CreateCommandsTab();
    QWidget *CreateThumbnailTab();
    QWidget *CreateLinksTab();
    QWidget *CreateHtmlTab();
    QCheckBox *AddUseBox(const char *name, const QString &caption, bool &value);
    QCheckBox *AddFlag(const char *name, const QString &caption, bool &value);
    QLineEdit *AddText(const char *name, const TextField &limits, std::string &value);
    QLineEdit *AddCheckedText(const char *name, const TextField &limits, std::string &value,
                              HiddenTextField field);
    QButtonGroup *AddRadioGroup(const char *name, const QString &title, const QStringList &items,
                                int &value, QWidget *&box);
    QToolButton *AddHelpButton(int number, const char *topic);
    void SetUseBoxes(bool on);
    void ScrollHtmlToTop();

    HiddenOptions &m_options;
    MessageBox &m_prompts;
    QString m_hiddenConfigDirectory;
    Tbefehlsinfo_fenster *m_help = nullptr;
};

} // namespace pagoranto

#pragma once

#include "core/options/navigationoptions.h"
#include "core/text/datetimeformat.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QToolButton>
#include <array>

namespace pagoranto {

class Clock;

// "Options for $navigate$, $apage$, $npage$ and $ppage$": the navigation bar, the page name
// commands and the date and time formats of this run of the program.
class Tnavigationsleistewindow : public QDialog {
    Q_OBJECT
public:
    Tnavigationsleistewindow(NavigationOptions &options, DateTimeFormats &formats, Clock &clock,
                             QWidget *parent = nullptr);

    // Shows the options again after they were read from a file.
    void ShowOptions();
    // Modal; "Back" and the frame both end it positively.
    int ShowModal();

    void SpinButton1UpClick();
    void SpinButton1DownClick();
    void ComboBox2Change(int index); // date format
    void ComboBox1Change(int index); // time format
    // The example bar and page names from the current values.
    void ShowExamples();

    QTabWidget *PageControl1;
    QLineEdit *nav_edit_first;
    QLineEdit *nav_edit_prev;
    QLineEdit *nav_edit_next;
    QLineEdit *nav_edit_last;
    QLineEdit *nav_edit_linkseparator;
    QCheckBox *nav_use_first;
    QCheckBox *nav_use_prev;
    QCheckBox *nav_use_next;
    QCheckBox *nav_use_last;
    QScrollBar *ScrollBar1; // number of page links, set by the spin button only
    QToolButton *SpinButton1Up;
    QToolButton *SpinButton1Down;
    QLabel *Label21;
    QButtonGroup *RadioGroup1; // font size of the current number
    QLabel *exampleBar = nullptr;
    QCheckBox *plain1;
    QCheckBox *plain2;
    QCheckBox *plain3;
    QCheckBox *show1;
    QCheckBox *show2;
    QCheckBox *show3;
    std::array<QLabel *, 3> pageNameExamples{};
    QComboBox *ComboBox2;
    QComboBox *ComboBox1;
    QLabel *Label45;
    QLabel *Label46;
    QLabel *Label47;
    QPushButton *Button1; // Back

public slots:
    // The frame and Escape close it as "Back" does.
    void reject() override;

private:
    QWidget *MakeNavigateTab();
    QWidget *MakePageNameTab();
    QWidget *MakeDateTimeTab();
    QLineEdit *AddText(const char *name, std::string &field);
    QCheckBox *AddFlag(const char *name, const QString &caption, bool &field);
    void ShowDateTime();

    // $apage$, $npage$, $ppage$ in this order.
    std::array<QCheckBox *, 3> m_plain{};
    std::array<QCheckBox *, 3> m_show{};
    NavigationOptions &m_options;
    DateTimeFormats &m_formats;
    Clock &m_clock;
};

} // namespace pagoranto

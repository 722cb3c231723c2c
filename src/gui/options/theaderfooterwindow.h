#pragma once

#include "core/options/headerfooteroptions.h"
#include "core/text/bytetext.h"

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolButton>

namespace pagoranto {

class MessageBox;

// "Header and footer configuration": the lines every page can get after "<body" and before
// "</body>", a memo to compose them and two lists of candidates.
class THeaderFooterWindow : public QDialog {
    Q_OBJECT
public:
    // listDirectory: where the list files are offered; examplePicture: the help tab's picture.
    THeaderFooterWindow(HeaderFooterOptions &options, MessageBox &prompts, QString listDirectory,
                        const QString &examplePicture, QWidget *parent = nullptr);

    // Shows the settings again after they were read from a file.
    void ShowOptions();

    ByteLines memoLines() const;
    void setMemoLines(const ByteLines &lines);

    QTabWidget *PageControl1;
    QCheckBox *HeaderUse;
    QLineEdit *headeredit;
    QCheckBox *FooterUse;
    QLineEdit *footeredit;
    QPlainTextEdit *Memo1;
    QListWidget *headerlist;
    QListWidget *footerlist;
    QLabel *Label7;
    QLabel *Label8;
    QPushButton *Button1;       // Memofield to header line
    QPushButton *Button2;       // Memofield to footer line
    QPushButton *Button3;       // Memofield to header list
    QPushButton *Button4;       // Memofield to footer list
    QPushButton *Button5;       // Load Header/Footer list
    QPushButton *Button6;       // Save Header/Footer list
    QPushButton *Button7;       // Header/Footer Test
    QPushButton *Button9;       // Back
    QToolButton *SpeedButton1;  // delete the marked header entry
    QToolButton *SpeedButton2;  // delete the marked footer entry
    QToolButton *SpeedButton3;  // marked header entry to the footer list
    QToolButton *SpeedButton4;  // all header entries to the footer list
    QToolButton *SpeedButton5;  // marked footer entry to the header list
    QToolButton *SpeedButton6;  // all footer entries to the header list
    QToolButton *SpeedButton7;  // header list t->m
    QToolButton *SpeedButton8;  // footer list t->m
    QToolButton *SpeedButton9;  // header line to the memo, one tag a line
    QToolButton *SpeedButton10; // footer line to the memo, one tag a line
    QToolButton *SpeedButton11; // Clear memofield
    QToolButton *SpeedButton12; // header line t->m
    QToolButton *SpeedButton13; // footer line t->m
    QToolButton *SpeedButton14; // delete double header entries
    QToolButton *SpeedButton15; // delete double footer entries
    QLabel *exampleImage;
    QTextBrowser *helpText;

protected:
    bool event(QEvent *event) override;

private:
    QWidget *CreateMainTab();
    QWidget *CreateHelpTab(const QString &examplePicture);
    QWidget *CreateListColumn(bool footer);
    QToolButton *AddToolButton(const char *name, const QString &caption, const QString &hint);
    void MemoToLine(QLineEdit *line);
    void MemoToList(QListWidget *list);
    void LineToMemoSplit(QLineEdit *line);
    void LineToMemo(QLineEdit *line);
    void ListEntryToMemo(QListWidget *list);
    void DeleteEntry(QListWidget *list);
    void MoveEntry(QListWidget *from, QListWidget *to);
    void MoveAllEntries(QListWidget *from, QListWidget *to, bool fromHeader);
    void DeleteDoubles(QListWidget *list, bool header);
    void LoadList();
    void SaveList();
    void ClearMemo();
    void TestHeaderAndFooter();
    void UpdateCounters();
    bool Confirm(std::string_view question, std::string_view second);

    HeaderFooterOptions &m_options;
    MessageBox &m_prompts;
    QString m_listDirectory;
    bool m_fillingMemo = false;
};

} // namespace pagoranto

#pragma once

#include "core/options/pagenameoptions.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace pagoranto {

// "Pagename info": the page number commands of the own page name, tried on the number 777.
// Whatever closes it, the name edited here becomes the main window's page name.
class Tpagenamewindow : public QDialog {
    Q_OBJECT
public:
    // ownfilename is the main window's page name field; names gives the length of number.
    Tpagenamewindow(QLineEdit *ownfilename, const PageNameOptions &names,
                    QWidget *parent = nullptr);

    void Button1Click(); // Click for a result
    void Button5Click(); // restore the old page name
    void ListBox1DblClick(QListWidgetItem *item);

    QLineEdit *Edit1;
    QLabel *Label8;
    QListWidget *ListBox1;
    QPushButton *Button1;
    QPushButton *Button2;
    QPushButton *Button5;

public slots:
    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLineEdit *m_ownfilename;
    const PageNameOptions &m_names;
    QString m_oldPageName;
};

} // namespace pagoranto

#pragma once

#include <QDialog>
#include <QPushButton>
#include <QTextBrowser>

namespace pagoranto {

// "Dynamic use of the hidden commands": what the hidden texts may hold and how the run fills
// them in.
class Tbefehlsinfo_fenster : public QDialog {
    Q_OBJECT
public:
    explicit Tbefehlsinfo_fenster(QWidget *parent = nullptr);

    // Shows the window modally at the explanation of one topic (an anchor of the text).
    void ShowTopic(const QString &topic);

    QTextBrowser *Memo1;
    QPushButton *Button1; // Back
};

} // namespace pagoranto

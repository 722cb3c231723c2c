#pragma once

#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QString>

namespace pagoranto {

// "Gallery Assistant": five steps from the pictures to the finished gallery, in English or
// German, beside the main window.
class Twebassistentwindow : public QDialog {
    Q_OBJECT
public:
    static constexpr int stepCount = 5;

    // assistantDirectory ends in "/" and holds "Step n.txt", "Schritt n.txt" and "n.jpg".
    explicit Twebassistentwindow(QString assistantDirectory, QWidget *parent = nullptr);

    void ShowStep(int step);
    void SetGerman(bool german);
    int step() const { return m_step; }
    bool german() const { return m_german; }

    QLabel *Label1;
    QLabel *Label2;
    QPlainTextEdit *webmemo;
    QLabel *Image1;
    QLabel *hintPanel;
    QPushButton *Button1; // ----->
    QPushButton *Button2; // <-----
    QPushButton *englishButton;
    QPushButton *germanButton;
    QPushButton *closeButton;

private:
    QString m_directory;
    int m_step = 1;
    bool m_german = false;
};

} // namespace pagoranto

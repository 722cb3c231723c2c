#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <array>

namespace pagoranto {

// "Three different gallery types": what a layout with $PIC$, with $PIC$ and $TPIC$, and with
// $TPIC$ alone makes, shown by galleries of the sample photos.
class Tthreegalleries : public QDialog {
    Q_OBJECT
public:
    // pictureDirectory ends in "/" and holds pic.jpg, pictpic.jpg and tpic.jpg.
    explicit Tthreegalleries(const QString &pictureDirectory, QWidget *parent = nullptr);

    std::array<QLabel *, 3> Image{}; // Image1 .. Image3
    QPushButton *Button1;            // Back
};

} // namespace pagoranto

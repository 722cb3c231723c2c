#pragma once

#include <QDialog>
#include <QPushButton>

namespace pagoranto {

// "Symbol quickinfo": what the main window's indicators, counters and buttons tell.
class TQuickinfo : public QDialog {
    Q_OBJECT
public:
    explicit TQuickinfo(QWidget *parent = nullptr);

    QPushButton *Button1; // Back
};

} // namespace pagoranto

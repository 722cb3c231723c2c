#pragma once

#include <QPushButton>
#include <QWidget>

namespace pagoranto {

// The "WIZARD" column: one button per step of making a gallery.
class WizardPanel : public QWidget {
    Q_OBJECT
public:
    explicit WizardPanel(QWidget *parent = nullptr);

    QPushButton *Button34; // Your images
    QPushButton *Button35; // Select layout
    QPushButton *Button36; // Thumbnail opt.
    QPushButton *Button37; // Navigation 1
    QPushButton *Button40; // Navigation 2
    QPushButton *Button38; // Pagename opt.
    QPushButton *Button39; // Hidden opt.
    QPushButton *Button33; // Create

private:
    QPushButton *AddStep(const QString &step, const QString &caption, const char *name);
};

} // namespace pagoranto

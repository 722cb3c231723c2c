#pragma once

#include "core/options/websizeoptions.h"

#include <QPushButton>
#include <QWidget>

namespace pagoranto {

// The "WIZARD" column: one button per step of making a gallery.
class WizardPanel : public QWidget {
    Q_OBJECT
public:
    explicit WizardPanel(QWidget *parent = nullptr);

    // The caption of webSizeStep: the box the copies fit, or that there are none.
    void ShowWebSize(const WebSizeOptions &options);

    QPushButton *Button34;    // Your images
    QPushButton *Button35;    // Select layout
    QPushButton *Button36;    // Thumbnail opt.
    QPushButton *Button37;    // Navigation 1
    QPushButton *Button40;    // Navigation 2
    QPushButton *Button38;    // Pagename opt.
    QPushButton *Button39;    // Hidden opt.
    QPushButton *Button33;    // Create
    QPushButton *webSizeStep; // leads to the web-size pictures of Create

private:
    QPushButton *AddStep(const QString &step, const QString &caption, const char *name);
};

} // namespace pagoranto

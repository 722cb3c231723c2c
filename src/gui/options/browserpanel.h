#pragma once

#include "core/options/additionaloptions.h"

#include <QRadioButton>
#include <QWidget>

namespace pagoranto {

// The "Browser selection" tab: which browser shows the gallery after a run.
class BrowserPanel : public QWidget {
    Q_OBJECT
public:
    explicit BrowserPanel(AdditionalOptions &options, QWidget *parent = nullptr);

    void ShowBrowserChoice();

    QRadioButton *none;
    QRadioButton *iexplore;
    QRadioButton *netscape;
    QRadioButton *defaultBrowser;

private:
    QRadioButton *AddChoice(const char *name, const QString &caption, BrowserStart choice);

    AdditionalOptions &m_options;
};

} // namespace pagoranto

#pragma once

#include "gui/options/toolpathswindow.h"

namespace pagoranto {

// "Webtool configuration": the HTML editors that open the selected template.
class Twebtool_window : public ToolPathsWindow {
    Q_OBJECT
public:
    explicit Twebtool_window(QWidget *parent = nullptr);

    QLineEdit *webtool1_label;
    QLineEdit *webtool2_label;
    QLineEdit *webtool3_label;
};

} // namespace pagoranto

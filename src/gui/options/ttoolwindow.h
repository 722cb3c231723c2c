#pragma once

#include "gui/options/toolpathswindow.h"

namespace pagoranto {

// "Tool configuration": any programs, a paint program for example, started from the Tools menu.
class Ttoolwindow : public ToolPathsWindow {
    Q_OBJECT
public:
    explicit Ttoolwindow(QWidget *parent = nullptr);

    QLineEdit *tool1_label;
    QLineEdit *tool2_label;
    QLineEdit *tool3_label;
};

} // namespace pagoranto

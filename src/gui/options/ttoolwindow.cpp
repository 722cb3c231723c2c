#include "gui/options/ttoolwindow.h"

namespace pagoranto {

Ttoolwindow::Ttoolwindow(QWidget *parent)
    : ToolPathsWindow({.objectName = QStringLiteral("Ttoolwindow"),
                       .caption = QStringLiteral("Tool configuration"),
                       .fieldPrefix = QStringLiteral("tool"),
                       .programKind = QStringLiteral("Tool"),
                       .information = QStringLiteral(
                           "Tools are any programs you like to start from here, a paint program "
                           "for example. They are saved in \"tools.cfg\" when the program closes "
                           "and appear in the menu \"Tools\" of the main window.")},
                      parent),
      tool1_label(fields[0]), tool2_label(fields[1]), tool3_label(fields[2])
{
}

} // namespace pagoranto

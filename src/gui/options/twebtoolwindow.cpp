#include "gui/options/twebtoolwindow.h"

namespace pagoranto {

Twebtool_window::Twebtool_window(QWidget *parent)
    : ToolPathsWindow(
          {.objectName = QStringLiteral("Twebtool_window"),
           .caption = QStringLiteral("Webtool configuration"),
           .fieldPrefix = QStringLiteral("webtool"),
           .programKind = QStringLiteral("Webtool"),
           .information = QStringLiteral(
               "Webtools are HTML editors that open the selected layout. They are saved in "
               "\"webtools.cfg\" when the program closes and appear in the menu \"Webtools\" of "
               "the main window and of the Layout-Manager.")},
          parent),
      webtool1_label(fields[0]), webtool2_label(fields[1]), webtool3_label(fields[2])
{
}

} // namespace pagoranto

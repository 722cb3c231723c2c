#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

namespace pagoranto {

// Every colour dialog of the program. Tests set the next answer instead of opening a dialog: a
// colour, or an invalid colour for Cancel.
class ColourDialog {
public:
    // An invalid colour when the user cancels.
    static QColor getColour(QWidget *parent, const QColor &initial, const QString &title);

    static void setNextColour(const QColor &colour);
};

} // namespace pagoranto

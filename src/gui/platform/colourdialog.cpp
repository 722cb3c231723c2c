#include "gui/platform/colourdialog.h"

#include <QColorDialog>
#include <optional>

namespace pagoranto {

namespace {

std::optional<QColor> &nextColour()
{
    static std::optional<QColor> next;
    return next;
}

} // namespace

void ColourDialog::setNextColour(const QColor &colour)
{
    nextColour() = colour;
}

QColor ColourDialog::getColour(QWidget *parent, const QColor &initial, const QString &title)
{
    if (std::optional<QColor> next = nextColour()) {
        nextColour().reset();
        return *next;
    }
    return QColorDialog::getColor(initial, parent, title);
}

} // namespace pagoranto

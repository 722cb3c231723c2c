#pragma once

#include <QLabel>
#include <QPushButton>
#include <QString>

namespace pagoranto {

// Controls carry the names of their description, by which tests and the run's view find them.
QPushButton *NamedButton(const QString &caption, const char *name, QWidget *parent);
QLabel *NamedLabel(const char *name, QWidget *parent);

} // namespace pagoranto

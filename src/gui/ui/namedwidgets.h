#pragma once

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QString>

namespace pagoranto {

// Controls carry the names of their description, by which tests and the run's view find them.
QPushButton *NamedButton(const QString &caption, const char *name, QWidget *parent);
QLabel *NamedLabel(const char *name, QWidget *parent);

// The default "Back" button (Button1) that accepts the dialog, at the right of a row of its own.
QHBoxLayout *BackButtonRow(QDialog *dialog, QPushButton *&button);

} // namespace pagoranto

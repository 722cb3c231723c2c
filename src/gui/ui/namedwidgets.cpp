#include "gui/ui/namedwidgets.h"

namespace pagoranto {

QPushButton *NamedButton(const QString &caption, const char *name, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

QLabel *NamedLabel(const char *name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

QHBoxLayout *BackButtonRow(QDialog *dialog, QPushButton *&button)
{
    button = NamedButton(QStringLiteral("Back"), "Button1", dialog);
    button->setDefault(true);
    QObject::connect(button, &QPushButton::clicked, dialog, &QDialog::accept);
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(button);
    return row;
}

} // namespace pagoranto

#include "gui/options/directorylevelspanel.h"

#include "core/options/websizebox.h"
#include "gui/platform/qttext.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace pagoranto {

DirectoryLevelsPanel::DirectoryLevelsPanel(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Panel2"));
    auto *group = new QGroupBox(
        QStringLiteral("Select the directory level (Where to create the pages)"), this);
    auto *column = new QVBoxLayout(group);
    RadioButton1 = new QRadioButton(group);
    RadioButton2 = new QRadioButton(group);
    RadioButton3 = new QRadioButton(group);
    int level = 1;
    for (QRadioButton *button : {RadioButton1, RadioButton2, RadioButton3}) {
        button->setObjectName(QStringLiteral("RadioButton%1").arg(level++));
        column->addWidget(button);
        connect(button, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                emit levelChanged();
        });
    }
    RadioButton1->setChecked(true);

    Label24 = new QLabel(this);
    Label24->setObjectName(QStringLiteral("Label24"));
    Label26 = new QLabel(this);
    Label26->setObjectName(QStringLiteral("Label26"));
    webSizeTarget = new QLabel(this);
    webSizeTarget->setObjectName(QStringLiteral("webSizeTarget"));
    for (QLabel *label : {Label24, Label26, webSizeTarget}) {
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        label->setWordWrap(true);
    }
    auto *targets = new QFormLayout;
    targets->addRow(QStringLiteral("Destination of the pages:"), Label24);
    targets->addRow(QStringLiteral("Directory of the thumbnails:"), Label26);
    targets->addRow(QStringLiteral("Web-size pictures:"), webSizeTarget);
    auto *close = new QPushButton(QStringLiteral("Close"), this);
    connect(close, &QPushButton::clicked, this, &DirectoryLevelsPanel::closeRequested);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(targets);
    layout->addWidget(close, 0, Qt::AlignRight);
    layout->addStretch();
}

int DirectoryLevelsPanel::checkedLevel() const
{
    if (RadioButton3->isChecked())
        return 3;
    return RadioButton2->isChecked() ? 2 : 1;
}

void DirectoryLevelsPanel::ShowLevels(const DirectoryLevels &levels)
{
    QRadioButton *buttons[] = {RadioButton1, RadioButton2, RadioButton3};
    for (int i = 0; i < 3; ++i) {
        QRadioButton *button = buttons[i];
        button->setText(ToQString(levels.captions[i]));
        button->setEnabled(levels.enabled[i]);
    }
    Label24->setText(ToQString(levels.destinationDir));
    Label26->setText(ToQString(levels.thumbnailDirectory));
}

void DirectoryLevelsPanel::ShowWebSizeTarget(const std::string &destinationDir,
                                             const WebSizeOptions &options)
{
    webSizeTarget->setText(ToQString(WebSizeTargetText(destinationDir, options)));
}

} // namespace pagoranto

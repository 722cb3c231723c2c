#include "gui/options/toolpathswindow.h"

#include "core/options/externaltools.h"
#include "gui/platform/filedialog.h"
#include "gui/platform/qttext.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace pagoranto {

ToolPathsWindow::ToolPathsWindow(const Names &names, QWidget *parent) : QDialog(parent)
{
    setObjectName(names.objectName);
    setWindowTitle(names.caption);
    setModal(true);

    auto *grid = new QGridLayout;
    for (int i = 0; i < 3; ++i) {
        const QString number = QString::number(i + 1);
        auto *label = new QLabel(names.programKind + QStringLiteral(" ") + number + ':', this);
        fields[i] = new QLineEdit(this);
        fields[i]->setObjectName(names.fieldPrefix + number + QStringLiteral("_label"));
        fields[i]->setMinimumWidth(420);
        fields[i]->setPlaceholderText(QStringLiteral("Full path of the program"));
        label->setBuddy(fields[i]);
        browseButtons[i] = new QPushButton(QStringLiteral("Browse..."), this);
        browseButtons[i]->setObjectName(QStringLiteral("SpeedButton") + number);
        browseButtons[i]->setAutoDefault(false);
        connect(browseButtons[i], &QPushButton::clicked, this, [this, i] { BrowseClick(i); });
        grid->addWidget(label, i, 0);
        grid->addWidget(fields[i], i, 1);
        grid->addWidget(browseButtons[i], i, 2);
    }
    grid->setColumnStretch(1, 1);

    Label1 = new QLabel(names.information, this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Back = new QPushButton(QStringLiteral("Back"), this);
    Back->setObjectName(QStringLiteral("Button1"));
    Back->setDefault(true);
    connect(Back, &QPushButton::clicked, this, &ToolPathsWindow::BackClick);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Back);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(Label1);
    layout->addStretch();
    layout->addLayout(buttons);
}

void ToolPathsWindow::setPaths(const std::array<std::string, 3> &paths)
{
    for (int i = 0; i < 3; ++i)
        fields[i]->setText(ToQString(paths[i]));
}

std::array<std::string, 3> ToolPathsWindow::paths() const
{
    std::array<std::string, 3> texts;
    for (int i = 0; i < 3; ++i)
        texts[i] = ToEngineText(fields[i]->text());
    return texts;
}

void ToolPathsWindow::BrowseClick(int index)
{
    const QString current = fields[index]->text().trimmed();
    const QString start =
        current.isEmpty() ? QStringLiteral("/usr/bin") : QFileInfo(current).path();
    const QString file =
        FileDialog::getOpenProgramName(this, QStringLiteral("Select a program"), start);
    if (!file.isEmpty())
        fields[index]->setText(file);
}

void ToolPathsWindow::BackClick()
{
    for (QLineEdit *field : fields)
        field->setText(ToQString(TrimToolPath(ToEngineText(field->text()))));
    accept();
}

} // namespace pagoranto

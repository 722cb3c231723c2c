#include "gui/options/commandhelppanel.h"

#include "core/generator/commandlist.h"
#include "gui/platform/messagebox.h"
#include "gui/platform/qttext.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace pagoranto {

namespace {

QLabel *DescriptionLabel(const char *name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setMinimumHeight(48);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QGroupBox *DescriptionBox(const QString &title, QLabel *label, QWidget *parent)
{
    auto *box = new QGroupBox(title, parent);
    auto *layout = new QVBoxLayout(box);
    layout->addWidget(label);
    return box;
}

} // namespace

CommandHelpPanel::CommandHelpPanel(MessageBox &prompts, QWidget *parent)
    : QWidget(parent), m_prompts(prompts)
{
    setObjectName("Panel7");

    ListBox2 = new QListWidget(this);
    ListBox2->setObjectName("ListBox2");
    for (const TemplateCommand &command : commandList())
        ListBox2->addItem(ToQString(command.text));
    ListBox2->setMinimumWidth(150);

    Label13 = DescriptionLabel("Label13", this);
    Label14 = DescriptionLabel("Label14", this);

    Button32 =
        new QPushButton("Show the configuration possiblities for the selected command !", this);
    Button32->setObjectName("Button32");

    auto *commands = new QGroupBox("Commands", this);
    auto *commandsLayout = new QVBoxLayout(commands);
    commandsLayout->addWidget(ListBox2);

    auto *descriptions = new QVBoxLayout;
    descriptions->addWidget(DescriptionBox("English description", Label13, this));
    descriptions->addWidget(DescriptionBox("Deutsche Beschreibung", Label14, this));
    descriptions->addStretch(1);
    descriptions->addWidget(Button32);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(commands);
    layout->addLayout(descriptions, 1);

    connect(ListBox2, &QListWidget::currentRowChanged, this, &CommandHelpPanel::ListBox2Click);
    connect(Button32, &QPushButton::clicked, this, &CommandHelpPanel::Button32Click);
    ListBox2->setCurrentRow(0);
}

void CommandHelpPanel::ListBox2Click()
{
    const int index = ListBox2->currentRow();
    const bool listed = index >= 0 && index < static_cast<int>(commandListSize);
    Label13->setText(listed ? ToQString(commandList()[index].englishHelp) : QString());
    Label14->setText(listed ? ToQString(commandList()[index].germanHelp) : QString());
    Button32->setEnabled(CommandHasConfiguration(index));
}

void CommandHelpPanel::Button32Click()
{
    const CommandHelpAction action = CommandConfigurationAction(ListBox2->currentRow());
    if (action == CommandHelpAction::NoFurtherOptions) {
        m_prompts.inform(noFurtherOptionsTitle, noFurtherOptionsText);
        return;
    }
    emit configurationRequested(action);
}

} // namespace pagoranto

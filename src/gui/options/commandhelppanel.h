#pragma once

#include "core/options/commandhelp.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>

namespace pagoranto {

class MessageBox;

// The "Command help" tab: the template commands with their English and German descriptions,
// and a way to the options that shape a command's output.
class CommandHelpPanel : public QWidget {
    Q_OBJECT

public:
    explicit CommandHelpPanel(MessageBox &prompts, QWidget *parent = nullptr);

    QListWidget *ListBox2 = nullptr;
    QLabel *Label13 = nullptr;
    QLabel *Label14 = nullptr;
    QPushButton *Button32 = nullptr;

    void ListBox2Click();
    void Button32Click();

signals:
    // The main window opens what the action names; "no further options" is answered here.
    void configurationRequested(pagoranto::CommandHelpAction action);

private:
    MessageBox &m_prompts;
};

} // namespace pagoranto

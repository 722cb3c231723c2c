#pragma once

#include "core/options/linktexts.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QWidget>

namespace pagoranto {

class MessageBox;

// The "Command options" tab: the link texts of the navigation commands, kept in the settings
// the run reads.
class LinkTextsPanel : public QWidget {
    Q_OBJECT
public:
    LinkTextsPanel(LinkTexts &texts, MessageBox &prompts, QString commandConfigDirectory,
                   QWidget *parent = nullptr);

    // Shows the settings again after they were read from a file.
    void ShowLinkTexts();

    QLineEdit *previous_label;
    QLineEdit *Next_label;
    QLineEdit *first_label;
    QLineEdit *Last_label;
    QLineEdit *freetext;
    QLineEdit *homepage_label;
    QLineEdit *homepage_label_text;
    QCheckBox *Linkchecker;
    QToolButton *BitBtn3;
    QToolButton *BitBtn4;
    QLabel *Label54;

private:
    QLineEdit *AddTextField(const char *name, const TextField &limits, std::string &field,
                            const char *guardedCommand);
    void BitBtn3Click();
    void BitBtn4Click();

    LinkTexts &m_texts;
    MessageBox &m_prompts;
    QString m_commandConfigDirectory;
};

} // namespace pagoranto

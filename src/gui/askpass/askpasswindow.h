#pragma once

#include "gui/askpass/askpassprompt.h"

#include <QDialog>
#include <QString>
#include <optional>

class QLineEdit;
class QPushButton;

namespace pagoranto {

// The window ssh's question is answered in: a hidden field for a password or passphrase, or a
// Yes / No question for an unknown server or a confirmation. Nothing typed is kept beyond the
// answer.
class AskpassWindow : public QDialog {
    Q_OBJECT

public:
    AskpassWindow(const QString &prompt, const QString &hint, QWidget *parent = nullptr);

    // What to print for ssh; empty when the question was cancelled or refused in a way ssh
    // reads from the exit status.
    std::optional<QString> answer() const { return m_answer; }
    AskpassPrompt::Kind kind() const { return m_prompt.kind; }

    QLineEdit *secret = nullptr;
    QPushButton *yesButton = nullptr;
    QPushButton *noButton = nullptr;
    QPushButton *okButton = nullptr;
    QPushButton *cancelButton = nullptr;

private:
    void answerWith(const QString &text);

    AskpassPrompt m_prompt;
    std::optional<QString> m_answer;
};

} // namespace pagoranto

#pragma once

#include "core/platform/prompts.h"

#include <QPointer>
#include <QWidget>
#include <deque>
#include <functional>
#include <string>

namespace pagoranto {

// Every message box of the program. Tests answer them without a dialog by queueing answers or
// installing a responder; every box shown is recorded while a script is active.
class MessageBox : public Prompts {
public:
    struct Shown {
        std::string title;
        std::string text;
        PromptButtons buttons;
        bool error = false;
    };
    using Responder = std::function<PromptAnswer(const Shown &)>;

    PromptAnswer show(std::string_view title, std::string_view text,
                      PromptButtons buttons) override;
    // An Ok box with the error icon: the user's action was refused.
    void showError(std::string_view title, std::string_view text);
    // A Yes/No question that answers No to a hasty Enter.
    PromptAnswer confirm(std::string_view title, std::string_view text);

    // The window the boxes are modal to; the main window unless a run says otherwise.
    void setParentWindow(QWidget *parent) { m_parent = parent; }
    QWidget *parentWindow() const { return m_parent; }

    // Test hooks. A queued answer is taken first; then the responder; an unscripted box in a
    // scripted session is answered with its first button.
    static void setResponder(Responder responder);
    static void queueAnswer(PromptAnswer answer);
    static void clearScript();
    static const std::deque<Shown> &shownMessages();

private:
    PromptAnswer ask(std::string_view title, std::string_view text, PromptButtons buttons,
                     bool defaultNo, bool error = false);

    QPointer<QWidget> m_parent;
};

} // namespace pagoranto

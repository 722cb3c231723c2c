#include "gui/platform/messagebox.h"

#include "gui/platform/qttext.h"

#include <QMessageBox>

namespace pagoranto {

namespace {

struct Script {
    bool active = false;
    MessageBox::Responder responder;
    std::deque<PromptAnswer> answers;
    std::deque<MessageBox::Shown> shown;
};

Script &script()
{
    static Script instance;
    return instance;
}

PromptAnswer FirstButton(PromptButtons buttons)
{
    return buttons == PromptButtons::YesNo || buttons == PromptButtons::YesNoCancel
               ? PromptAnswer::Yes
               : PromptAnswer::Ok;
}

QMessageBox::StandardButtons StandardButtonsOf(PromptButtons buttons)
{
    switch (buttons) {
    case PromptButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case PromptButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case PromptButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case PromptButtons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

PromptAnswer AnswerOf(int button)
{
    switch (button) {
    case QMessageBox::Cancel:
        return PromptAnswer::Cancel;
    case QMessageBox::Yes:
        return PromptAnswer::Yes;
    case QMessageBox::No:
        return PromptAnswer::No;
    default:
        return PromptAnswer::Ok;
    }
}

} // namespace

PromptAnswer MessageBox::show(std::string_view title, std::string_view text, PromptButtons buttons)
{
    return ask(title, text, buttons, false);
}

void MessageBox::showError(std::string_view title, std::string_view text)
{
    ask(title, text, PromptButtons::Ok, false, true);
}

PromptAnswer MessageBox::confirm(std::string_view title, std::string_view text)
{
    return ask(title, text, PromptButtons::YesNo, true);
}

PromptAnswer MessageBox::ask(std::string_view title, std::string_view text, PromptButtons buttons,
                             bool defaultNo, bool error)
{
    Script &s = script();
    if (s.active) {
        Shown shown{std::string(title), std::string(text), buttons, error};
        s.shown.push_back(shown);
        if (!s.answers.empty()) {
            const PromptAnswer answer = s.answers.front();
            s.answers.pop_front();
            return answer;
        }
        return s.responder ? s.responder(shown) : FirstButton(buttons);
    }
    const QMessageBox::Icon icon = error                          ? QMessageBox::Critical
                                   : buttons == PromptButtons::Ok ? QMessageBox::Information
                                                                  : QMessageBox::Question;
    QMessageBox box(icon, ToQString(title), MessageText(text), StandardButtonsOf(buttons),
                    m_parent);
    // A box closed with its close button gives the negative answer.
    if (buttons != PromptButtons::Ok)
        box.setEscapeButton(buttons == PromptButtons::YesNo ? QMessageBox::No
                                                            : QMessageBox::Cancel);
    if (defaultNo)
        box.setDefaultButton(QMessageBox::No);
    return AnswerOf(box.exec());
}

void MessageBox::setResponder(Responder responder)
{
    script().active = true;
    script().responder = std::move(responder);
}

void MessageBox::queueAnswer(PromptAnswer answer)
{
    script().active = true;
    script().answers.push_back(answer);
}

void MessageBox::clearScript()
{
    script() = Script{};
}

const std::deque<MessageBox::Shown> &MessageBox::shownMessages()
{
    return script().shown;
}

} // namespace pagoranto

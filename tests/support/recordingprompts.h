#pragma once

#include "core/platform/prompts.h"

#include <deque>
#include <string>
#include <vector>

namespace pagoranto::testing {

// Records every message box and answers from a script; an unscripted box gets the first
// button of its kind (OK, OK, Yes, Yes).
class RecordingPrompts : public Prompts {
public:
    struct Shown {
        std::string title;
        std::string text;
        PromptButtons buttons;
    };

    PromptAnswer show(std::string_view title, std::string_view text, PromptButtons buttons) override
    {
        shown.push_back({std::string(title), std::string(text), buttons});
        if (!answers.empty()) {
            const PromptAnswer answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return buttons == PromptButtons::YesNo || buttons == PromptButtons::YesNoCancel
                   ? PromptAnswer::Yes
                   : PromptAnswer::Ok;
    }

    std::vector<Shown> shown;
    std::deque<PromptAnswer> answers;
};

} // namespace pagoranto::testing

#pragma once

#include <string_view>

namespace pagoranto {

enum class PromptButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class PromptAnswer { Ok, Cancel, Yes, No };

// Modal message boxes. Texts use "\r" for a line break, as the messages are written.
class Prompts {
public:
    virtual ~Prompts() = default;
    virtual PromptAnswer show(std::string_view title, std::string_view text,
                              PromptButtons buttons) = 0;

    void inform(std::string_view title, std::string_view text)
    {
        show(title, text, PromptButtons::Ok);
    }
};

} // namespace pagoranto

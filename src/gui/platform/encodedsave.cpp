#include "gui/platform/encodedsave.h"

#include "gui/platform/messagebox.h"
#include "gui/platform/qttext.h"

namespace pagoranto {

bool ConfirmSaveAsUtf8(MessageBox &prompts, const QString &file, std::string_view unheld)
{
    return prompts.confirm(saveAsUtf8Title, SaveAsUtf8Question(ToEngineText(file), unheld)) ==
           PromptAnswer::Yes;
}

std::optional<TextToSave> TextForSaving(MessageBox &prompts, const QString &file,
                                        std::string_view utf8, FileEncoding encoding)
{
    EncodedText encoded = EncodeText(utf8, encoding);
    if (encoded.unheld.empty())
        return TextToSave{std::move(encoded.bytes), encoding};
    if (!ConfirmSaveAsUtf8(prompts, file, encoded.unheld))
        return std::nullopt;
    return TextToSave{std::string(utf8), FileEncoding::utf8};
}

} // namespace pagoranto

#pragma once

#include "core/text/textencoding.h"

#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace pagoranto {

class MessageBox;

// Asks whether the file, read as Windows-1252, may become UTF-8 to hold these characters.
bool ConfirmSaveAsUtf8(MessageBox &prompts, const QString &file, std::string_view unheld);

struct TextToSave {
    std::string bytes;
    FileEncoding encoding = FileEncoding::utf8;
};
// The edited text (UTF-8) in the bytes to write to the file: in the encoding the file was read
// in, or as UTF-8 when that cannot hold every character and the user agrees. Nothing when the
// user declines; the text then stays in the window unsaved.
std::optional<TextToSave> TextForSaving(MessageBox &prompts, const QString &file,
                                        std::string_view utf8, FileEncoding encoding);

} // namespace pagoranto

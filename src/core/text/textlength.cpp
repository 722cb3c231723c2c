#include "core/text/textlength.h"

#include "core/text/bytetext.h"

namespace pagoranto {

std::string LimitTextLength(std::string_view text, std::size_t maxCharacters)
{
    if (text.size() <= maxCharacters)
        return std::string(text);
    if (!IsValidUtf8(text))
        return std::string(text.substr(0, maxCharacters));
    std::size_t end = 0;
    for (std::size_t count = 0; count < maxCharacters && end < text.size(); ++count) {
        const std::size_t length = Utf8SequenceLength(text, end);
        end += length == 0 ? 1 : length;
    }
    return std::string(text.substr(0, end));
}

} // namespace pagoranto

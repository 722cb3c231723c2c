#include "core/templates/templatecompanions.h"

#include "core/text/linefile.h"
#include "core/text/textlength.h"

#include <optional>

namespace pagoranto {

namespace {

namespace fs = std::filesystem;

std::optional<DecodedText> ReadWholeDescription(const fs::path &file)
{
    const std::optional<std::string> bytes = ReadFileBytes(file);
    if (!bytes)
        return std::nullopt;
    DecodedText decoded = DecodeFileText(*bytes);
    std::erase(decoded.text, '\r');
    // The line end after the last line is the file's, not an empty line of the text.
    if (!decoded.text.empty() && decoded.text.back() == '\n')
        decoded.text.pop_back();
    return decoded;
}

std::optional<DecodedText> ReadDescription(const fs::path &file)
{
    std::optional<DecodedText> decoded = ReadWholeDescription(file);
    if (decoded)
        decoded->text = LimitTextLength(decoded->text, maxDescriptionCharacters);
    return decoded;
}

fs::path Directory(const fs::path &path)
{
    const fs::path normal = path.lexically_normal();
    return normal.has_filename() ? normal : normal.parent_path();
}

} // namespace

fs::path DescriptionPath(const fs::path &templatePath)
{
    return fs::path(templatePath).replace_extension(".txt");
}

fs::path NeededFilesListPath(const fs::path &templatePath)
{
    return fs::path(templatePath).replace_extension(".nef");
}

DecodedText LoadTemplateDescription(const fs::path &templatePath, const fs::path &fallbackFile)
{
    if (std::optional<DecodedText> decoded = ReadDescription(DescriptionPath(templatePath)))
        return *decoded;
    return {ReadDescription(fallbackFile).value_or(DecodedText{}).text, FileEncoding::utf8};
}

DecodedText LoadWholeTemplateDescription(const fs::path &templatePath)
{
    return ReadWholeDescription(DescriptionPath(templatePath)).value_or(DecodedText{});
}

bool SaveTemplateDescription(const fs::path &templatePath, std::string_view text)
{
    ByteLines lines;
    for (std::size_t start = 0; !text.empty();) {
        const std::size_t end = text.find('\n', start);
        lines.emplace_back(text.substr(start, end - start));
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    return WriteLineFile(DescriptionPath(templatePath), lines);
}

ByteLines LoadNeededFiles(const fs::path &listPath)
{
    return ReadLineFile(listPath).value_or(ByteLines{});
}

bool SaveNeededFiles(const fs::path &templatePath, const ByteLines &entries)
{
    return WriteLineFile(NeededFilesListPath(templatePath), entries);
}

bool LiesInTemplateDirectory(const fs::path &templatePath, const fs::path &file)
{
    return Directory(file.parent_path()) == Directory(templatePath.parent_path());
}

} // namespace pagoranto

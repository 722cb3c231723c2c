#include "core/templates/templatecompanions.h"

#include "core/text/linefile.h"
#include "core/text/textlength.h"

#include <optional>

namespace pagoranto {

namespace {

namespace fs = std::filesystem;

std::optional<std::string> ReadWholeDescription(const fs::path &file)
{
    const std::optional<std::string> bytes = ReadFileBytes(file);
    if (!bytes)
        return std::nullopt;
    std::string text;
    for (const char c : ToUtf8(*bytes)) {
        if (c != '\r')
            text += c;
    }
    return text;
}

std::optional<std::string> ReadDescription(const fs::path &file)
{
    std::optional<std::string> text = ReadWholeDescription(file);
    if (!text)
        return std::nullopt;
    return LimitTextLength(*text, maxDescriptionCharacters);
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

std::string LoadTemplateDescription(const fs::path &templatePath, const fs::path &fallbackFile)
{
    if (std::optional<std::string> text = ReadDescription(DescriptionPath(templatePath)))
        return *text;
    return ReadDescription(fallbackFile).value_or(std::string());
}

std::string LoadWholeTemplateDescription(const fs::path &templatePath)
{
    return ReadWholeDescription(DescriptionPath(templatePath)).value_or(std::string());
}

bool SaveTemplateDescription(const fs::path &templatePath, std::string_view text)
{
    ByteLines lines;
    for (std::size_t start = 0;;) {
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

#include "core/options/optionfile.h"

#include "core/text/linefile.h"

#include <charconv>

namespace pagoranto {

OptionFileWriter::OptionFileWriter(std::string_view sectionLine)
{
    m_lines.emplace_back(sectionLine);
}

void OptionFileWriter::add(std::string_view key, std::string_view value)
{
    // A line break inside a value would shift every later entry onto the wrong line.
    std::string line = std::string(key) + "=";
    for (const char c : value) {
        if (c != '\r' && c != '\n')
            line += c;
    }
    m_lines.push_back(std::move(line));
}

bool OptionFileWriter::save(const std::filesystem::path &file) const
{
    // Saved on every run and every closing window; unchanged, the file is left as it is.
    return WriteChangedLineFile(file, m_lines);
}

OptionFileReader::OptionFileReader(ByteLines lines) : m_lines(std::move(lines)) {}

std::optional<OptionFileReader> OptionFileReader::open(const std::filesystem::path &file)
{
    auto lines = ReadLineFile(file);
    if (!lines)
        return std::nullopt;
    return OptionFileReader(std::move(*lines));
}

bool OptionFileReader::sectionMatches(std::string_view sectionLine) const
{
    return !m_lines.empty() && m_lines.front() == sectionLine;
}

std::optional<std::string> OptionFileReader::next(std::string_view key)
{
    if (m_position >= m_lines.size()) {
        ++m_position;
        return std::nullopt;
    }
    const std::string &line = m_lines[m_position++];
    if (line.size() < key.size() + 1 || line.compare(0, key.size(), key) != 0 ||
        line[key.size()] != '=')
        return std::nullopt;
    return line.substr(key.size() + 1);
}

std::optional<int> DecodeNumber(std::string_view value, int minimum, int maximum)
{
    std::size_t digits = 0;
    while (digits < value.size() && value[digits] >= '0' && value[digits] <= '9')
        ++digits;
    if (digits == 0)
        return std::nullopt;
    long long number = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + digits, number);
    if (error == std::errc::result_out_of_range)
        return maximum;
    (void)end;
    return static_cast<int>(std::clamp<long long>(number, minimum, maximum));
}

std::string StripTrailingBackslash(std::string_view text)
{
    if (!text.empty() && (text.back() == '\\' || text.back() == '/'))
        text.remove_suffix(1);
    return std::string(text);
}

std::string ZeroPad3(std::string_view text)
{
    std::string padded(text);
    if (padded.size() < 3)
        padded.insert(0, 3 - padded.size(), '0');
    return padded;
}

} // namespace pagoranto

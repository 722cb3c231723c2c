#include "core/generator/htmlcompressor.h"

#include "core/platform/events.h"
#include "core/text/linefile.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <utility>

namespace pagoranto {

namespace {

char LowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Patterns are lower-case ASCII, and no byte above 127 lower-cases to ASCII in Windows-1252,
// so folding A..Z alone compares as that character set would.
bool StartsWithLower(std::string_view text, std::string_view pattern)
{
    if (text.size() < pattern.size())
        return false;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (LowerAscii(text[i]) != pattern[i])
            return false;
    }
    return true;
}

// The text being rewritten: the finished part before the scan position, and the rest from
// it. A replacement no longer than what it replaces is written over the rest in place, so
// examining the same position again is free and no replacement moves the tail of the text.
class Scan {
public:
    explicit Scan(std::string &text) : m_rest(std::move(text)) { m_done.reserve(m_rest.size()); }

    bool AtEnd() const { return m_pos >= m_rest.size(); }
    std::string_view Rest() const { return std::string_view(m_rest).substr(m_pos); }
    char Current() const { return m_rest[m_pos]; }
    bool At(std::string_view lowerPattern) const { return StartsWithLower(Rest(), lowerPattern); }

    std::optional<char> Before() const
    {
        if (m_done.empty())
            return std::nullopt;
        return m_done.back();
    }

    std::optional<char> Peek(std::size_t offset) const
    {
        if (m_pos + offset >= m_rest.size())
            return std::nullopt;
        return m_rest[m_pos + offset];
    }

    // Offsets from the scan position, npos when absent.
    std::size_t Find(char c, std::size_t from = 0) const { return Rest().find(c, from); }

    std::size_t FindLower(std::string_view lowerPattern) const
    {
        const std::string_view rest = Rest();
        for (std::size_t i = 0; i + lowerPattern.size() <= rest.size(); ++i) {
            if (StartsWithLower(rest.substr(i), lowerPattern))
                return i;
        }
        return std::string_view::npos;
    }

    // A count past the end (npos for a byte not found) stops at the end.
    void Advance(std::size_t count = 1)
    {
        count = std::min(count, m_rest.size() - m_pos);
        m_done.append(m_rest, m_pos, count);
        m_pos += count;
    }

    void Drop(std::size_t count) { m_pos += std::min(count, m_rest.size() - m_pos); }

    // The replacement must not be longer than length; the position then stands on it.
    void Overwrite(std::size_t length, std::string_view replacement)
    {
        m_pos += length - replacement.size();
        m_rest.replace(m_pos, replacement.size(), replacement);
    }

    // The replacement goes straight to the finished part; the position moves past it.
    void Emit(std::size_t length, std::string_view replacement)
    {
        Drop(length);
        m_done += replacement;
    }

    // Stops one byte past the start of the end tag; at the end of the text when there is none.
    bool SkipToEndTag(std::string_view endTag)
    {
        const std::size_t found = FindLower(endTag);
        if (found == std::string_view::npos) {
            Advance(Rest().size());
            return false;
        }
        Advance(found + 1);
        return true;
    }

    std::string Finish()
    {
        Advance(Rest().size());
        return std::move(m_done);
    }

private:
    std::string m_rest;
    std::size_t m_pos = 0;
    std::string m_done;
};

bool IsOneOf(std::optional<char> c, std::string_view set)
{
    return c && set.find(*c) != std::string_view::npos;
}

// Without quotes such a value would end early or swallow the next attribute.
bool NeedsQuotes(std::string_view value)
{
    return value.empty() || value.find_first_of(" \t\r\n\f>") != std::string_view::npos;
}

// Drops the double quotes of the tag at the scan position, leaving it on the tag's ">" (or
// the end). False when an attribute value has no closing quote: the text is left from there.
bool UnquoteTag(Scan &scan)
{
    const std::size_t tagEnd = scan.Find('>');
    if (scan.Rest().substr(0, tagEnd).find('\'') != std::string_view::npos) {
        scan.Advance(tagEnd);
        return true;
    }
    scan.Advance();
    while (!scan.AtEnd() && scan.Current() != '>') {
        if (scan.Current() != '"') {
            scan.Advance();
        } else if (scan.Before() != '=') {
            scan.Drop(1);
        } else {
            const std::size_t closing = scan.Find('"', 1);
            if (closing == std::string_view::npos)
                return false;
            if (NeedsQuotes(scan.Rest().substr(1, closing - 1))) {
                scan.Advance(closing + 1);
            } else {
                scan.Drop(1);
                scan.Advance(closing - 1);
                scan.Drop(1);
            }
        }
    }
    return true;
}

} // namespace

THTMLCompressor::THTMLCompressor(Events &events) : m_events(events) {}

bool THTMLCompressor::LoadFromFile(const std::filesystem::path &path)
{
    m_compressedSize = 0;
    m_compressed = false;
    std::optional<std::string> bytes = ReadFileBytes(path);
    if (!bytes ||
        bytes->size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
        // A stale buffer must not be compressed or saved in place of this file.
        m_buffer.reset();
        m_loadedSize = 0;
        return false;
    }
    LoadFromBytes(*bytes);
    return true;
}

void THTMLCompressor::LoadFromBytes(std::string_view bytes)
{
    m_buffer = std::string(bytes);
    m_loadedSize = static_cast<std::int32_t>(bytes.size());
    m_compressedSize = 0;
    m_compressed = false;
}

void THTMLCompressor::Compress()
{
    if (m_loadedSize == 0 || m_compressed || !m_buffer)
        return;
    std::string text = *m_buffer;

    if (InvCommas)
        UnquotePass(text);

    if (AllReturns) {
        ReplacePass(text, "\r\r", "\r", true, false);
        ReplacePass(text, "\n\n", "\n", true, false);
        ReplacePass(text, "\r\n", "", true, true);
        ReplacePass(text, "\r", "", true, true);
        ReplacePass(text, "\n", "", true, true);
    } else if (Returns) {
        ReplacePass(text, "\r\r", "\r", true, false);
        ReplacePass(text, "\n\n", "\n", true, false);
    }

    if (Spaces) {
        static constexpr std::pair<std::string_view, std::string_view> spaceReplacements[] = {
            {"    ", " "},     {"   ", " "},    {"  ", " "},       {"  ", " "},
            {" >", ">"},       {"> <t", "><t"}, {"> </t", "></t"}, {"> <l", "><l"},
            {"> </l", "></l"}, {"> <p", "><p"}, {"> </p", "></p"},
        };
        for (const auto &[pattern, replacement] : spaceReplacements)
            ReplacePass(text, pattern, replacement, true, true);
    }

    if (SimpleTags) {
        static constexpr std::pair<std::string_view, std::string_view> tagReplacements[] = {
            {"<strong>", "<b>"}, {"</strong>", "</b>"}, {"<em>", "<i>"},
            {"</em>", "</i>"},   {"<strike>", "<s>"},   {"</strike>", "</s>"},
        };
        for (const auto &[pattern, replacement] : tagReplacements)
            ReplacePass(text, pattern, replacement, false, true);
    }

    if (BlockquoteToUl) {
        ReplacePass(text, "<blockquote>", "<ul>", false, true);
        ReplacePass(text, "</blockquote>", "</ul>", false, true);
    }

    if (Center) {
        CenterPass(text, "<p align=center>");
        CenterPass(text, "<p align=\"center\">");
    }

    m_compressedSize = static_cast<std::int32_t>(text.size());
    m_compressed = true;
    m_buffer = std::move(text);
}

bool THTMLCompressor::SaveToFile(const std::filesystem::path &path) const
{
    if (!m_buffer)
        return false;
    return WriteFileBytes(path, *m_buffer);
}

std::string_view THTMLCompressor::Bytes() const
{
    return m_buffer ? std::string_view(*m_buffer) : std::string_view();
}

void THTMLCompressor::UnquotePass(std::string &text)
{
    Scan scan(text);
    while (!scan.AtEnd()) {
        if (scan.At("<script")) {
            const std::size_t scriptEnd = scan.FindLower("</script");
            if (scriptEnd == std::string_view::npos)
                break;
            scan.Advance(scriptEnd);
        }
        if (scan.Current() == '<' && scan.Peek(1) != '!' && !UnquoteTag(scan))
            break;
        scan.Advance();
        m_events.keepResponsive();
    }
    text = scan.Finish();
}

void THTMLCompressor::ReplacePass(std::string &text, std::string_view pattern,
                                  std::string_view replacement, bool protectPreformatted,
                                  bool protectScripts)
{
    Scan scan(text);
    const bool atLineBreaks = pattern.front() == '\r';
    const auto finish = [&] { text = scan.Finish(); };
    while (!scan.AtEnd()) {
        if (protectPreformatted) {
            if (scan.At("<textarea") && !scan.SkipToEndTag("</textarea>"))
                return finish();
            if (scan.At("<pre") && !scan.SkipToEndTag("</pre>"))
                return finish();
        }
        if (protectScripts && scan.At("<script") && !scan.SkipToEndTag("</script>"))
            return finish();

        if (scan.At(pattern)) {
            if (!replacement.empty()) {
                scan.Overwrite(pattern.size(), replacement);
                continue;
            }
            // A break between two words is kept so they stay apart.
            if (IsOneOf(scan.Before(), "> ") || IsOneOf(scan.Peek(pattern.size()), "< \r\n")) {
                scan.Drop(pattern.size());
                continue;
            }
        }

        if (atLineBreaks && scan.Current() == '<') {
            if (Webbots && scan.At("<!--webbot")) {
                const std::size_t commentEnd = scan.Find('>');
                if (commentEnd != std::string_view::npos) {
                    scan.Drop(commentEnd + 1);
                    // Pages have always been compressed so: as many bytes as the comment held
                    // are passed over unexamined.
                    scan.Advance(commentEnd + 1);
                }
            }
            scan.Advance(scan.Find('>'));
        }
        scan.Advance();
    }
    finish();
    m_events.keepResponsive();
}

void THTMLCompressor::CenterPass(std::string &text, std::string_view openTag)
{
    // Both replacements hold "<" only as their first byte, so nothing sought can start inside
    // them and the scan may go on after them.
    Scan scan(text);
    bool seekingOpenTag = true;
    while (!scan.AtEnd()) {
        if (seekingOpenTag && scan.At(openTag)) {
            scan.Emit(openTag.size(), "<center>");
            seekingOpenTag = false;
        } else if (!seekingOpenTag && scan.At("</p>")) {
            scan.Emit(4, "</center>");
            seekingOpenTag = true;
        } else {
            scan.Advance();
        }
    }
    text = scan.Finish();
}

void ApplyMainWindowOptions(THTMLCompressor &compressor, bool allReturns)
{
    compressor.SimpleTags = true;
    compressor.Center = true;
    compressor.InvCommas = false;
    compressor.Spaces = true;
    compressor.Returns = true;
    compressor.AllReturns = allReturns;
    compressor.Webbots = true;
    compressor.BlockquoteToUl = true;
}

} // namespace pagoranto

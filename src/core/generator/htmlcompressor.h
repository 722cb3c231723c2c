#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace pagoranto {

class Events;

// Makes an HTML page smaller: collapses white space and line breaks, shortens inline tags,
// turns centred paragraphs into center elements, can drop attribute quotes and web-bot
// comments. Tags are matched without regard to case; replacements are written in lower case.
class THTMLCompressor {
public:
    explicit THTMLCompressor(Events &events);

    bool SimpleTags = true;
    bool Center = true;
    bool InvCommas = true;
    bool Spaces = true;
    bool Returns = true;
    bool AllReturns = true;
    bool Webbots = true;
    bool BlockquoteToUl = false;

    // False when the file cannot be read; the compressor then holds no buffer.
    bool LoadFromFile(const std::filesystem::path &path);
    void LoadFromBytes(std::string_view bytes);

    // Once per load; nothing happens for an empty buffer.
    void Compress();

    // Writes the buffer as it stands; false without a buffer or when the write fails, in which
    // case an earlier file at path stays as it was.
    bool SaveToFile(const std::filesystem::path &path) const;

    std::int32_t LoadedSize() const { return m_loadedSize; }
    std::int32_t CompressedSize() const { return m_compressedSize; }
    bool Compressed() const { return m_compressed; }
    bool HasBuffer() const { return m_buffer.has_value(); }
    std::string_view Bytes() const;

private:
    void UnquotePass(std::string &text);
    void ReplacePass(std::string &text, std::string_view pattern, std::string_view replacement,
                     bool protectPreformatted, bool protectScripts);
    static void CenterPass(std::string &text, std::string_view openTag);

    Events &m_events;
    std::optional<std::string> m_buffer;
    std::int32_t m_loadedSize = 0;
    std::int32_t m_compressedSize = 0;
    bool m_compressed = false;
};

// The options the main window's compressor runs with; allReturns follows its menu item.
void ApplyMainWindowOptions(THTMLCompressor &compressor, bool allReturns);

} // namespace pagoranto

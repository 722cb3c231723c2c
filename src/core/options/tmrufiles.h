#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace pagoranto {

inline constexpr std::string_view usedPathsFileName = "usedpaths.list";
inline constexpr std::string_view usedTemplatesFileName = "usedtemplates.list";

// One generated history menu entry; tag is the index of its list entry.
struct MruMenuEntry {
    std::string caption;
    std::string hint;
    int tag = 0;
};

// A most-recently-used list, most recent first, texts compared without regard to case. The
// menu itself belongs to the window: menuEntries() says what it shows below the anchor's
// separator (the separator only when the list is not empty).
class TMRUFiles {
public:
    // An empty text is ignored; an equal entry moves to the front in the case of the new text.
    void Add(std::string_view text);

    std::uint8_t MaxEntries() const { return m_maxEntries; }
    // Drops entries from the end beyond the new bound (a full list keeps all its entries).
    void setMaxEntries(std::uint8_t maxEntries);

    bool Numbered() const { return m_numbered; }
    void setNumbered(bool numbered) { m_numbered = numbered; }

    const std::vector<std::string> &entries() const { return m_entries; }
    // The entry a chosen menu entry stands for; empty for a tag that is no longer listed.
    std::string entryAt(int tag) const;

    // Every line becomes an entry, beyond MaxEntries too (the next Add trims). False when the
    // file cannot be read; the list then stays as it was.
    bool LoadFromFile(const std::filesystem::path &file);
    bool SaveToFile(const std::filesystem::path &file) const;

    // Top to bottom: entry 0, entry 1, ...
    std::vector<MruMenuEntry> menuEntries() const;

private:
    void trimTo(std::size_t count);

    std::vector<std::string> m_entries;
    std::uint8_t m_maxEntries = 9;
    bool m_numbered = true;
};

} // namespace pagoranto

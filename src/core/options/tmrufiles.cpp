#include "core/options/tmrufiles.h"

#include "core/text/bytetext.h"
#include "core/text/linefile.h"

#include <algorithm>

namespace pagoranto {

void TMRUFiles::Add(std::string_view text)
{
    if (text.empty())
        return;
    const std::string key = AsciiUpperCase(text);
    std::erase_if(m_entries,
                  [&key](const std::string &entry) { return AsciiUpperCase(entry) == key; });
    // The list keeps at least the new text, even with a bound of 0.
    trimTo(m_maxEntries == 0 ? 0 : m_maxEntries - 1u);
    m_entries.insert(m_entries.begin(), std::string(text));
}

void TMRUFiles::setMaxEntries(std::uint8_t maxEntries)
{
    m_maxEntries = maxEntries;
    trimTo(maxEntries);
}

void TMRUFiles::trimTo(std::size_t count)
{
    if (m_entries.size() > count)
        m_entries.resize(count);
}

std::string TMRUFiles::entryAt(int tag) const
{
    if (tag < 0 || static_cast<std::size_t>(tag) >= m_entries.size())
        return {};
    return m_entries[static_cast<std::size_t>(tag)];
}

bool TMRUFiles::LoadFromFile(const std::filesystem::path &file)
{
    auto lines = ReadLineFile(file);
    if (!lines)
        return false;
    m_entries = std::move(*lines);
    return true;
}

bool TMRUFiles::SaveToFile(const std::filesystem::path &file) const
{
    return WriteChangedLineFile(file, m_entries);
}

std::vector<MruMenuEntry> TMRUFiles::menuEntries() const
{
    std::vector<MruMenuEntry> menu;
    menu.reserve(m_entries.size());
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        const std::string &entry = m_entries[i];
        std::string caption;
        if (!m_numbered)
            caption = entry;
        else if (i < 10)
            caption = "&" + std::to_string(i + 1) + " " + entry;
        else
            caption = "  " + entry;
        menu.push_back({std::move(caption), "Opens " + entry, static_cast<int>(i)});
    }
    return menu;
}

} // namespace pagoranto

#pragma once

#include "core/options/optionentries.h"

#include <filesystem>
#include <string_view>
#include <tuple>

namespace pagoranto {

struct OptionFileFormat {
    std::string_view sectionLine{};
    // Empty: a file with another first line is refused. Otherwise such a file is still read,
    // from its second line on, with the entries before this key passed over without taking a
    // line.
    std::string_view foreignSectionResumesAt{};
};

// False when the file cannot be read or is refused; nothing is decoded then. Otherwise each
// entry is taken only from its own line number.
bool ReadOptionEntries(const std::filesystem::path &file, const OptionFileFormat &format,
                       const OptionEntries &entries);
// False when the file cannot be written; an earlier file then stays as it was.
bool WriteOptionEntries(const std::filesystem::path &file, const OptionFileFormat &format,
                        const OptionEntries &entries);

// An option file: its format and the entries that bind its keys, in file order, to the
// members of the values it holds.
template <class... Values> class OptionFile {
public:
    using EntriesOf = OptionEntries (*)(Values &...);

    constexpr OptionFile(OptionFileFormat format, EntriesOf entries)
        : m_format(format), m_entries(entries)
    {
    }

    bool Read(const std::filesystem::path &file, Values &...values) const
    {
        return ReadOptionEntries(file, m_format, m_entries(values...));
    }

    bool Write(const std::filesystem::path &file, const Values &...values) const
    {
        // The entries bind members for reading too, so they are bound to a copy.
        std::tuple<Values...> copies(values...);
        return std::apply(
            [this, &file](Values &...copy) {
                return WriteOptionEntries(file, m_format, m_entries(copy...));
            },
            copies);
    }

private:
    OptionFileFormat m_format;
    EntriesOf m_entries;
};

} // namespace pagoranto

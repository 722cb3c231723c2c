#include "core/options/genericoptionfile.h"

#include "core/options/optionfile.h"

#include <algorithm>

namespace pagoranto {

bool ReadOptionEntries(const std::filesystem::path &file, const OptionFileFormat &format,
                       const OptionEntries &entries)
{
    auto reader = OptionFileReader::open(file);
    if (!reader)
        return false;
    auto entry = entries.begin();
    if (!reader->sectionMatches(format.sectionLine)) {
        if (format.foreignSectionResumesAt.empty())
            return false;
        entry = std::find_if(entries.begin(), entries.end(), [&format](const OptionEntry &e) {
            return e.key == format.foreignSectionResumesAt;
        });
    }
    for (; entry != entries.end(); ++entry) {
        const auto value = reader->next(entry->key);
        if (value && entry->decode)
            entry->decode(*value);
    }
    return true;
}

bool WriteOptionEntries(const std::filesystem::path &file, const OptionFileFormat &format,
                        const OptionEntries &entries)
{
    OptionFileWriter writer(format.sectionLine);
    for (const OptionEntry &entry : entries)
        writer.add(entry.key, entry.encode());
    return writer.save(file);
}

} // namespace pagoranto

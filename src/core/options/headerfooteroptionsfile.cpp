#include "core/options/headerfooteroptionsfile.h"

#include "core/options/optionentries.h"

namespace pagoranto {

namespace {

constexpr std::size_t headerFooterLength = 1000;

OptionEntries HeaderFooterEntries(HeaderFooterOptions &options)
{
    return {
        TextEntry("HEAD", options.headeredit, headerFooterLength),
        TextEntry("FOOT", options.footeredit, headerFooterLength),
    };
}

} // namespace

bool ReadHeaderFooterOptions(const std::filesystem::path &file, HeaderFooterOptions &options)
{
    return ReadOptionEntries(file, headerFooterSectionLine, HeaderFooterEntries(options));
}

bool WriteHeaderFooterOptions(const std::filesystem::path &file,
                              const HeaderFooterOptions &options)
{
    HeaderFooterOptions copy = options;
    return WriteOptionEntries(file, headerFooterSectionLine, HeaderFooterEntries(copy));
}

} // namespace pagoranto

#include "core/templates/templatedirectory.h"

#include <algorithm>
#include <set>
#include <system_error>

namespace pagoranto {

namespace {

namespace fs = std::filesystem;

std::string Lower(std::string text)
{
    for (char &c : text)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return text;
}

bool ExtensionStartsWith(const fs::path &name, std::string_view prefix)
{
    return Lower(name.extension().string()).starts_with(prefix);
}

bool IsRegularFileQuietly(const fs::directory_entry &entry)
{
    std::error_code error;
    return entry.is_regular_file(error);
}

// A list box's order: without regard to case first, then by bytes so the order is total.
void SortAsListBox(std::vector<std::string> &names)
{
    std::sort(names.begin(), names.end(), [](const std::string &a, const std::string &b) {
        const std::string la = Lower(a);
        const std::string lb = Lower(b);
        return la != lb ? la < lb : a < b;
    });
}

} // namespace

TemplateDirectoryScan ScanTemplateDirectory(const fs::path &directory)
{
    TemplateDirectoryScan scan;
    std::error_code error;
    fs::directory_iterator it(directory, error);
    if (error)
        return scan;
    std::vector<fs::path> templates;
    std::set<std::string> neededListNames;
    for (const fs::directory_entry &entry : it) {
        if (!IsRegularFileQuietly(entry))
            continue;
        const fs::path name = entry.path().filename();
        if (Lower(name.extension().string()) == ".nef") {
            std::error_code sizeError;
            const std::uintmax_t size = entry.file_size(sizeError);
            if (!sizeError && size > 0)
                neededListNames.insert(name.stem().string());
        } else if (ExtensionStartsWith(name, ".htm")) {
            templates.push_back(name);
        }
    }
    for (const fs::path &name : templates) {
        if (neededListNames.contains(name.stem().string()))
            scan.neededfiletemplatelist.push_back(name.string());
        else
            scan.normaltemplatelist.push_back(name.string());
    }
    SortAsListBox(scan.normaltemplatelist);
    SortAsListBox(scan.neededfiletemplatelist);
    return scan;
}

std::string WithTrailingSeparator(std::string directory)
{
    if (directory.empty() || directory.back() != '/')
        directory += '/';
    return directory;
}

} // namespace pagoranto

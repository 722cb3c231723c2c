#include "core/pictures/picturedirectory.h"

#include "core/text/bytetext.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace pagoranto {

std::vector<std::string> ListFilesWithExtension(const std::string &dir, std::string_view extension)
{
    std::vector<std::string> names;
    const std::string wanted = AsciiLowerCase(extension);
    std::error_code error;
    for (std::filesystem::directory_iterator it(dir, error), end; !error && it != end;
         it.increment(error)) {
        std::error_code typeError;
        if (!it->is_regular_file(typeError))
            continue;
        std::string name = it->path().filename().string();
        if (name.size() > wanted.size() &&
            AsciiLowerCase(std::string_view(name).substr(name.size() - wanted.size())) == wanted)
            names.push_back(std::move(name));
    }
    // Alphabetical as a file list shows it: letter case does not count.
    std::sort(names.begin(), names.end(), [](const std::string &a, const std::string &b) {
        const std::string lowerA = AsciiLowerCase(a);
        const std::string lowerB = AsciiLowerCase(b);
        return lowerA != lowerB ? lowerA < lowerB : a < b;
    });
    return names;
}

} // namespace pagoranto

#include "core/pictures/picturedirectory.h"

#include "core/pictures/picturenameorder.h"
#include "core/text/bytetext.h"

#include <filesystem>
#include <system_error>

namespace pagoranto {

std::vector<std::string> ListFiles(const std::string &dir,
                                   const std::function<bool(std::string_view)> &accept)
{
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(dir, error), end; !error && it != end;
         it.increment(error)) {
        std::error_code typeError;
        if (!it->is_regular_file(typeError))
            continue;
        std::string name = it->path().filename().string();
        if (accept(name))
            names.push_back(std::move(name));
    }
    SortPictureNames(names);
    return names;
}

std::vector<std::string> ListFilesWithExtension(const std::string &dir, std::string_view extension)
{
    const std::string wanted = AsciiLowerCase(extension);
    return ListFiles(dir, [&wanted](std::string_view name) {
        return name.size() > wanted.size() &&
               AsciiLowerCase(name.substr(name.size() - wanted.size())) == wanted;
    });
}

} // namespace pagoranto

#include "core/pictures/picturedirectory.h"

#include "core/pictures/picturenameorder.h"
#include "core/text/bytetext.h"

#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>

namespace pagoranto {

std::vector<std::string> ListFiles(const std::string &dir,
                                   const std::function<bool(std::string_view)> &accept)
{
    std::vector<std::string> names;
    // readdir itself rather than directory_iterator: a folder of thousands of photos is listed
    // for every run, and the entry's type comes with its name.
    const std::unique_ptr<DIR, int (*)(DIR *)> folder(::opendir(dir.c_str()), ::closedir);
    if (!folder)
        return names;
    while (const dirent *entry = ::readdir(folder.get())) {
        const std::string_view name = entry->d_name;
        if (!accept(name))
            continue;
        bool regular = entry->d_type == DT_REG;
        // A link counts as what it leads to, and some file systems do not tell the type.
        if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
            struct stat status {};
            regular = ::fstatat(::dirfd(folder.get()), entry->d_name, &status, 0) == 0 &&
                      S_ISREG(status.st_mode);
        }
        if (regular)
            names.emplace_back(name);
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

#include "core/pictures/bulkrename.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>

namespace pagoranto {

namespace {

bool RenameWithoutReplacing(const std::filesystem::path &from, const std::filesystem::path &to)
{
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A file system without the flag: check, then rename.
    std::error_code ignored;
    if (std::filesystem::exists(std::filesystem::symlink_status(to, ignored)))
        return false;
    return ::rename(from.c_str(), to.c_str()) == 0;
}

} // namespace

std::string JpgExtensionName(const std::string &name)
{
    const std::size_t dot = name.rfind('.');
    return (dot == std::string::npos ? name : name.substr(0, dot)) + ".jpg";
}

RenameOutcome RenameListedFiles(const std::filesystem::path &dir,
                                const std::vector<std::string> &names,
                                const std::function<std::string(const std::string &)> &newName,
                                const std::function<bool()> &afterEach)
{
    RenameOutcome outcome;
    for (const std::string &name : names) {
        const std::string renamed = newName(name);
        if (renamed != name && renamed.find('/') == std::string::npos) {
            if (RenameWithoutReplacing(dir / name, dir / renamed))
                ++outcome.renamed;
            else
                outcome.refused.push_back(name);
        }
        if (afterEach && !afterEach())
            break;
    }
    return outcome;
}

} // namespace pagoranto

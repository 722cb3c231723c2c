#include "core/platform/pathcontainment.h"

#include <system_error>

namespace pagoranto {

namespace fs = std::filesystem;

namespace {

constexpr int maxLinksFollowed = 40;

// The path with its own final links followed, also those that dangle.
fs::path FollowFinalLinks(fs::path path)
{
    std::error_code error;
    for (int i = 0; i < maxLinksFollowed && fs::is_symlink(fs::symlink_status(path, error)); ++i) {
        const fs::path target = fs::read_symlink(path, error);
        if (error)
            break;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return path;
}

} // namespace

bool ResolvesInside(const fs::path &path, const fs::path &root)
{
    std::error_code error;
    const fs::path resolvedRoot = fs::weakly_canonical(root, error);
    if (error)
        return false;
    const fs::path resolved =
        fs::weakly_canonical(FollowFinalLinks(fs::absolute(path, error)), error);
    if (error)
        return false;
    auto part = resolved.begin();
    for (const fs::path &rootPart : resolvedRoot) {
        if (rootPart.empty())
            continue;
        if (part == resolved.end() || *part != rootPart)
            return false;
        ++part;
    }
    return true;
}

} // namespace pagoranto

#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace pagoranto {

// The name with its extension (from the last ".") replaced by ".jpg"; one without gets ".jpg".
std::string JpgExtensionName(const std::string &name);

struct RenameOutcome {
    int renamed = 0;
    // Names left as they were because another file already has the new name (letter case
    // counts on this file system, so "A.jpg" and "a.jpg" can both exist) or the rename failed.
    std::vector<std::string> refused;
};

// Renames each listed file of dir to newName(file); a file whose new name is its own stays.
// No file is ever replaced. afterEach runs after every name, so a window can handle its events.
RenameOutcome RenameListedFiles(const std::filesystem::path &dir,
                                const std::vector<std::string> &names,
                                const std::function<std::string(const std::string &)> &newName,
                                const std::function<bool()> &afterEach = {});

} // namespace pagoranto

#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace pagoranto {

// The folders of many paths, each opened once, so every file is then opened or looked at by its
// name in its folder and the kernel need not walk the whole path again for each file. A few
// folders are kept open; the files of any other are reached by their whole paths.
class FolderHandles {
public:
    FolderHandles() = default;
    ~FolderHandles();
    FolderHandles(const FolderHandles &) = delete;
    FolderHandles &operator=(const FolderHandles &) = delete;
    FolderHandles(FolderHandles &&other) noexcept;
    FolderHandles &operator=(FolderHandles &&other) noexcept;

    // Where openat and fstatat find path: its open folder and its name there, or the current
    // folder and the whole path. The name points into path, so it lives as long as path does.
    struct Place {
        int folder;
        const char *name;
    };
    Place Locate(const std::string &path);

private:
    static constexpr std::size_t maxFolders = 16;
    // A folder that did not open is kept with -1, so it is not tried again.
    std::vector<std::pair<std::string, int>> m_folders;
};

} // namespace pagoranto

#pragma once

#include "core/platform/folderhandles.h"
#include "core/text/bytetext.h"

#include <filesystem>
#include <optional>

namespace pagoranto {

// A text file read for every page of a run: its lines are kept and read again only when the
// file's identity, size or times change, so a file edited during the run is still seen.
class ReusedLineFile {
public:
    // The file's lines as ReadLineFile gives them; null when it cannot be read.
    const ByteLines *Lines(const std::filesystem::path &path);

    struct Identity {
        unsigned long long device = 0, inode = 0;
        long long size = 0;
        long long modifiedSeconds = 0, modifiedNanoseconds = 0;
        long long changedSeconds = 0, changedNanoseconds = 0;
        bool operator==(const Identity &) const = default;
    };

private:
    std::optional<Identity> m_identity;
    std::filesystem::path m_path;
    ByteLines m_lines;
    FolderHandles m_folders;
};

} // namespace pagoranto

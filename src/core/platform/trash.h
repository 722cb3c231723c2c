#pragma once

#include <filesystem>
#include <string>

namespace pagoranto {

enum class TrashOutcome {
    trashed, // moved into a trash, with its ".trashinfo"; the desktop can restore it
    noTrash, // the file's file system has no trash we may use; the file is where it was
    failed,  // a trash exists but the move failed; the file is where it was
};

struct TrashResult {
    TrashOutcome outcome = TrashOutcome::failed;
    std::string error; // why, unless trashed
};

// Moves a file (or a symbolic link, never what it leads to) into the freedesktop.org trash:
// the home trash ($XDG_DATA_HOME/Trash) for files on the home's file system, else the trash at
// the top of the file's own file system ($topdir/.Trash/$uid or $topdir/.Trash-$uid).
TrashResult MoveToTrash(const std::filesystem::path &file);

} // namespace pagoranto

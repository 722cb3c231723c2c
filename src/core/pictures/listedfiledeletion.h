#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace pagoranto {

inline constexpr std::string_view deletableJpgExtension = ".JPG";
inline constexpr std::string_view deletableHtmlExtension = ".HTML";

// True when the upper-cased extension of name (from its last "." on) is upperExtension. A mask
// may list more than the delete loop is meant to take: "*.jp*" also lists ".jpeg" files.
bool HasUpperCaseExtension(std::string_view name, std::string_view upperExtension);

// "Deleted " + count + " files".
std::string DeletedFilesText(int count);

struct ListedDeletionResult {
    int namesVisited = 0;
    int trashed = 0;
    // Still in place: their file system has no trash we may use.
    std::vector<std::string> withoutTrash;
    // Still in place: a trash exists, but the move failed.
    std::vector<std::string> failed;
};

// Moves every listed file in dir that has upperExtension to the trash. After every tenth name
// (index 0, 10, 20, ...) progress gets DeletedFilesText(index + 1), which counts names, not
// files trashed. A name that would reach outside dir ("/", "\" or "..") and anything that is
// not a file or a link is left alone.
ListedDeletionResult DeleteListedFiles(const std::string &dir,
                                       const std::vector<std::string> &names,
                                       std::string_view upperExtension,
                                       const std::function<void(const std::string &)> &progress);

// The question before files that cannot go to the trash are deleted for good.
std::string PermanentDeletionQuestion(std::string_view dir, std::size_t count);

// Deletes the named files in dir for good (the same names as DeleteListedFiles takes); returns
// how many went.
int DeleteFilesPermanently(const std::string &dir, const std::vector<std::string> &names);

} // namespace pagoranto

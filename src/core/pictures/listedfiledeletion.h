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
    int deleted = 0;
};

// Deletes every listed name in dir that has upperExtension; failures are passed over. After
// every tenth name (index 0, 10, 20, ...) progress gets DeletedFilesText(index + 1), which
// counts names, not deletions. A name that would reach outside dir ("/", "\" or "..") and
// anything that is not a file or a link is left alone.
ListedDeletionResult DeleteListedFiles(const std::string &dir,
                                       const std::vector<std::string> &names,
                                       std::string_view upperExtension,
                                       const std::function<void(const std::string &)> &progress);

} // namespace pagoranto

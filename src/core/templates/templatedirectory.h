#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace pagoranto {

// The templates of one directory, split by whether a needed-files list travels with them.
struct TemplateDirectoryScan {
    std::vector<std::string> normaltemplatelist;
    std::vector<std::string> neededfiletemplatelist;
};

// Every "*.htm*" file of the directory (masks without regard to case), sorted as a list box
// sorts. A template counts as having needed files when a non-empty ".nef" file carries exactly
// its base name: "Gallery.html" does not take "gallery.nef", while "index.htm" and "index.html"
// share "index.nef". An unreadable directory gives two empty lists.
TemplateDirectoryScan ScanTemplateDirectory(const std::filesystem::path &directory);

// A directory as the manager keeps it: with a trailing "/".
std::string WithTrailingSeparator(std::string directory);

} // namespace pagoranto

#pragma once

#include <filesystem>

namespace pagoranto {

// True when path, with every link on its way followed, lies in root or below it. A path whose
// last part is a link, even one that leads nowhere yet, is followed too: writing to it would
// create or change the file at the link's end.
bool ResolvesInside(const std::filesystem::path &path, const std::filesystem::path &root);

} // namespace pagoranto

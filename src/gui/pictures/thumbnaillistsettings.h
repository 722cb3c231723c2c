#pragma once

#include <QString>
#include <string_view>

namespace pagoranto {

inline constexpr std::string_view thumbnailListSettingsFileName = "thumbnaillist.ini";

// The file of that name: whether the thumbnail list shares previews with the desktop's cache.
// A missing file or value means it does.
bool ReadSharesPreviews(const QString &file);
void WriteSharesPreviews(const QString &file, bool share);

} // namespace pagoranto

#pragma once

#include <string>

namespace pagoranto {

// Publishes the gallery folder to destination, telling progress and problems on stderr, and
// remembers the destination for the gallery folder in the settings directory. True when
// everything was sent.
bool RunBatchPublish(const std::string &galleryFolder, const std::string &destination,
                     const std::string &settingsDirectory);

} // namespace pagoranto

#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pagoranto {

// Where a gallery folder is published to. Kept in the settings directory, keyed by the gallery
// folder, never inside the gallery: it would otherwise be published with it.
struct PublishTarget {
    // "user@host:path" or "host:path" (SSH), or a local or mounted folder.
    std::string destination;
    // Files on the server that the gallery no longer has are removed, after asking.
    bool removeStale = false;

    bool operator==(const PublishTarget &) const = default;
};

// The remembered target of a gallery folder; empty when none was saved.
std::optional<PublishTarget> LoadPublishTarget(const std::string &settingsDirectory,
                                               const std::string &galleryFolder);
// Remembers the target of a gallery folder, replacing an earlier one; false when the settings
// file could not be written.
bool SavePublishTarget(const std::string &settingsDirectory, const std::string &galleryFolder,
                       const PublishTarget &target);

// A destination taken apart as rsync will read it.
struct Destination {
    bool remote = false;
    std::string host; // "user@host" or "host"; empty for a local folder
    std::string path; // the folder on the host, or the local folder
};

// The destination, or the plain-words reason it cannot be used (empty, a daemon address
// "host::module", a host or path that would be read as an option, control characters).
struct ParsedDestination {
    std::optional<Destination> destination;
    std::string error;
};
ParsedDestination ParseDestination(std::string_view text);

} // namespace pagoranto

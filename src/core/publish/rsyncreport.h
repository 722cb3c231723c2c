#pragma once

#include "core/publish/publisher.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pagoranto {

// What rsync writes on its standard output with the publisher's options: itemized lines after a
// marker, progress2 lines and the closing statistics.
struct RsyncLine {
    enum class Kind { item, deletion, progress, totalBytesSent, other };
    Kind kind = Kind::other;
    std::string path;        // item and deletion
    bool transfer = false;   // item: the file's data travels
    std::uint64_t bytes = 0; // progress: file data so far; totalBytesSent
};

// The text that begins every itemized line, unlikely in anything else rsync prints.
inline constexpr std::string_view itemMarker = "pagoranto-item ";

RsyncLine ParseRsyncLine(std::string_view line);

// The failure an ended rsync stands for, from its exit status and what it and ssh wrote on
// stderr; none for status 0.
PublishFailure ClassifyRsyncEnd(int exitCode, std::string_view errors);
// Plain words for a failure, with the last line of errors where it helps.
std::string FailureMessage(PublishFailure failure, std::string_view errors, bool remote);

} // namespace pagoranto

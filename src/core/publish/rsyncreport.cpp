#include "core/publish/rsyncreport.h"

#include <array>
#include <cctype>

namespace pagoranto {

namespace {

bool Contains(std::string_view text, std::string_view part)
{
    return text.find(part) != std::string_view::npos;
}

// rsync writes bytes it cannot print as "\#ooo".
std::string UnescapeName(std::string_view name)
{
    std::string plain;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (name[i] == '\\' && i + 4 < name.size() && name[i + 1] == '#' &&
            std::isdigit(static_cast<unsigned char>(name[i + 2])) &&
            std::isdigit(static_cast<unsigned char>(name[i + 3])) &&
            std::isdigit(static_cast<unsigned char>(name[i + 4]))) {
            plain += static_cast<char>((name[i + 2] - '0') * 64 + (name[i + 3] - '0') * 8 +
                                       (name[i + 4] - '0'));
            i += 4;
        } else {
            plain += name[i];
        }
    }
    return plain;
}

// "1,234,567" or "1234567" at the start of text.
std::optional<std::uint64_t> LeadingNumber(std::string_view text)
{
    std::uint64_t value = 0;
    bool digits = false;
    for (char c : text) {
        if (std::isdigit(static_cast<unsigned char>(c))) {
            value = value * 10 + static_cast<std::uint64_t>(c - '0');
            digits = true;
        } else if (c != ',' && c != '.') {
            break;
        }
    }
    return digits ? std::optional(value) : std::nullopt;
}

// The last line that says more than rsync's own closing "rsync error: ... (code N)".
std::string_view TellingLine(std::string_view text)
{
    std::string_view chosen;
    while (!text.empty()) {
        const auto newline = text.find('\n');
        std::string_view line = text.substr(0, newline);
        text = newline == std::string_view::npos ? std::string_view() : text.substr(newline + 1);
        while (!line.empty() && (line.back() == '\r' || line.back() == ' '))
            line.remove_suffix(1);
        if (!line.empty() && (chosen.empty() || !line.starts_with("rsync error:")))
            chosen = line;
    }
    return chosen;
}

// ssh's "Permission denied (publickey,password)", not a file's "Permission denied (13)".
bool LoginDenied(std::string_view errors)
{
    constexpr std::string_view denied = "Permission denied (";
    for (auto at = errors.find(denied); at != std::string_view::npos;
         at = errors.find(denied, at + 1)) {
        const auto next = at + denied.size();
        if (next < errors.size() && std::isalpha(static_cast<unsigned char>(errors[next])))
            return true;
    }
    return false;
}

} // namespace

RsyncLine ParseRsyncLine(std::string_view line)
{
    RsyncLine parsed;
    if (line.starts_with(itemMarker)) {
        line.remove_prefix(itemMarker.size());
        if (line.starts_with("*deleting")) {
            parsed.kind = RsyncLine::Kind::deletion;
            line.remove_prefix(9);
        } else {
            parsed.kind = RsyncLine::Kind::item;
            parsed.transfer =
                line.size() > 2 && (line[0] == '<' || line[0] == '>') && line[1] == 'f';
            const auto space = line.find(' ');
            line.remove_prefix(space == std::string_view::npos ? line.size() : space);
        }
        while (!line.empty() && line.front() == ' ')
            line.remove_prefix(1);
        parsed.path = UnescapeName(line);
        return parsed;
    }
    constexpr std::string_view totalSent = "Total bytes sent: ";
    if (line.starts_with(totalSent)) {
        parsed.kind = RsyncLine::Kind::totalBytesSent;
        parsed.bytes = LeadingNumber(line.substr(totalSent.size())).value_or(0);
        return parsed;
    }
    // "      1,234,567  12%  1.23MB/s    0:00:01 (xfr#3, to-chk=5/10)"
    std::string_view trimmed = line;
    while (!trimmed.empty() && trimmed.front() == ' ')
        trimmed.remove_prefix(1);
    const auto space = trimmed.find(' ');
    if (space != std::string_view::npos && Contains(trimmed, "%") &&
        (Contains(trimmed, "to-chk=") || Contains(trimmed, "to-check=") ||
         Contains(trimmed, "/s"))) {
        if (const auto bytes = LeadingNumber(trimmed.substr(0, space))) {
            parsed.kind = RsyncLine::Kind::progress;
            parsed.bytes = *bytes;
        }
    }
    return parsed;
}

PublishFailure ClassifyRsyncEnd(int exitCode, std::string_view errors)
{
    if (exitCode == 0)
        return PublishFailure::none;
    if (Contains(errors, "REMOTE HOST IDENTIFICATION HAS CHANGED"))
        return PublishFailure::hostKeyChanged;
    if (Contains(errors, "Host key verification failed") ||
        Contains(errors, "No ED25519 host key is known") ||
        Contains(errors, "host key is known for"))
        return PublishFailure::hostKeyUnknown;
    if (LoginDenied(errors) || Contains(errors, "Permission denied, please") ||
        Contains(errors, "Too many authentication failures") ||
        Contains(errors, "Authentication failed"))
        return PublishFailure::loginRefused;
    if (Contains(errors, "Could not resolve hostname") || Contains(errors, "Connection refused") ||
        Contains(errors, "Network is unreachable") || Contains(errors, "No route to host") ||
        (Contains(errors, "connect to host") && Contains(errors, "timed out")))
        return PublishFailure::hostUnreachable;
    if (Contains(errors, "No space left on device") || Contains(errors, "Disk quota exceeded"))
        return PublishFailure::diskFull;
    if (exitCode == 127 || Contains(errors, "rsync: not found") ||
        Contains(errors, "rsync: command not found") || Contains(errors, "ssh: not found"))
        return PublishFailure::toolMissing;
    if (Contains(errors, "Read-only file system") ||
        (Contains(errors, "Permission denied (13)") && !Contains(errors, "connection")) ||
        Contains(errors, "mkdir") || Contains(errors, "change_dir"))
        return PublishFailure::destinationRefused;
    // 12 protocol stream, 30 and 35 timeouts, 255 from ssh, 10 socket I/O, and a killed rsync.
    if (exitCode == 10 || exitCode == 12 || exitCode == 30 || exitCode == 35 || exitCode == 255 ||
        Contains(errors, "connection unexpectedly closed") || Contains(errors, "Broken pipe") ||
        Contains(errors, "Connection reset") || Contains(errors, "Connection closed") ||
        Contains(errors, "timeout"))
        return PublishFailure::connectionLost;
    return PublishFailure::other;
}

std::string FailureMessage(PublishFailure failure, std::string_view errors, bool remote)
{
    const std::string detail(TellingLine(errors));
    const std::string withDetail = detail.empty() ? std::string() : "\r(" + detail + ")";
    switch (failure) {
    case PublishFailure::none:
        return {};
    case PublishFailure::stopped:
        return "Publishing was stopped. Files already sent stay on the server; the next Publish "
               "sends the rest.";
    case PublishFailure::badDestination:
        return "The destination cannot be used.";
    case PublishFailure::nothingToPublish:
        return "The gallery folder holds no page to publish. Create the gallery first.";
    case PublishFailure::toolMissing:
        return remote ? "rsync or ssh is missing, here or on the server; both ends need rsync." +
                            withDetail
                      : "rsync is not installed." + withDetail;
    case PublishFailure::hostUnreachable:
        return "The server cannot be reached: check the host name and the network." + withDetail;
    case PublishFailure::loginRefused:
        return "The server refused the login: no key, password or passphrase it accepts was "
               "given." +
               withDetail;
    case PublishFailure::hostKeyUnknown:
        return "The server's host key is not known and was not accepted. Connect once with ssh "
               "to check and accept it, or publish from the window." +
               withDetail;
    case PublishFailure::hostKeyChanged:
        return "The server's host key has changed since the last connection. This can be an "
               "attack; nothing was sent. Check with the server's administrator." +
               withDetail;
    case PublishFailure::destinationRefused:
        return (remote ? std::string("The folder on the server cannot be made or written.")
                       : std::string("The destination folder cannot be made or written.")) +
               withDetail;
    case PublishFailure::diskFull:
        return "The destination's disk is full. Files that did not fit were not put in place; "
               "free some space and publish again." +
               withDetail;
    case PublishFailure::connectionLost:
        return "The connection was lost in the middle. Nothing half-sent is under a final name; "
               "publish again to complete it." +
               withDetail;
    case PublishFailure::other:
        return "Publishing failed." + withDetail;
    }
    return {};
}

} // namespace pagoranto

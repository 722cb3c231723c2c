#pragma once

#include "core/publish/publishtarget.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pagoranto {

class Events;

// How ssh may ask for a password, a passphrase or an unknown host key.
enum class PublishPrompting {
    // Never: a needed password or an unknown host fails at once (BatchMode). For runs without a
    // terminal or a window.
    none,
    // On the terminal the program was started from.
    terminal,
    // Through the program PublishRequest::askpassProgram, which shows a window
    // (SSH_ASKPASS, SSH_ASKPASS_REQUIRE=force). Nothing typed there is kept.
    askpass,
};

struct PublishRequest {
    std::string galleryFolder;
    PublishTarget target;
    PublishPrompting prompting = PublishPrompting::none;
    std::string askpassProgram;
    // The remote shell as rsync's -e takes it; the connection options are added to it. Tests
    // give their own key, known-hosts file and port here.
    std::string remoteShell = "ssh";
    // Seconds without any data before the connection counts as lost.
    int timeoutSeconds = 60;
    // Added to rsync's command line before the folders (tests slow the transfer down).
    std::vector<std::string> extraRsyncArguments;
};

struct PublishProgress {
    std::uint64_t filesSent = 0; // files whose transfer began
    std::uint64_t bytesSent = 0; // file data sent so far
    std::string currentFile;     // relative to the gallery folder
};

// What Publish shows and asks while it goes. Defaults do nothing and never remove.
class PublishView {
public:
    virtual ~PublishView() = default;
    // "Looking at the server ...", "Sending ..."
    virtual void ShowPublishStatus(std::string_view) {}
    virtual void ShowPublishProgress(const PublishProgress &) {}
    // Polled while rsync runs; true stops it, leaving the server as a second Publish completes.
    virtual bool PublishStopRequested() { return false; }
    // With removeStale: the server's files the gallery no longer has, relative to its folder
    // (folders end in "/"); true removes them.
    virtual bool ConfirmStaleRemoval(const std::vector<std::string> & /*files*/) { return false; }
};

enum class PublishFailure {
    none,
    stopped,            // the user stopped it
    badDestination,     // the destination text cannot be used
    nothingToPublish,   // no page in the gallery folder
    toolMissing,        // rsync or ssh not installed
    hostUnreachable,    // no network, unknown host name, nothing listening
    loginRefused,       // keys, password or passphrase not accepted, or none could be asked
    hostKeyUnknown,     // an unknown host key was not accepted
    hostKeyChanged,     // the host key differs from the known one
    destinationRefused, // the folder on the server cannot be made or written
    diskFull,           // no space left on the server
    connectionLost,     // cut or timed out in the middle
    other,
};

struct PublishResult {
    PublishFailure failure = PublishFailure::none;
    // One or two sentences in plain words; for a success a summary.
    std::string message;
    std::uint64_t filesSent = 0;      // files that travelled
    std::uint64_t totalBytesSent = 0; // everything rsync sent, its own protocol included
    std::uint64_t filesRemoved = 0;   // stale files removed on the server
    std::vector<std::string> sentFiles;
    // Links that lead out of the gallery folder, which the server does not get.
    std::vector<std::string> outside;
};

// Sends what the gallery folder publishes to the target with rsync, only what changed. Blocks
// until rsync ends, calling events.processPendingMessages() meanwhile. Files arrive under a
// temporary name and are renamed; a cut transfer keeps its part in a hidden folder on the
// server, and the next Publish completes it.
PublishResult Publish(const PublishRequest &request, PublishView &view, Events &events);

} // namespace pagoranto

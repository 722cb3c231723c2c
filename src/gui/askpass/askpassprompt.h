#pragma once

#include <string>
#include <string_view>

namespace pagoranto {

// What ssh asks through SSH_ASKPASS, read from its prompt text and the SSH_ASKPASS_PROMPT hint.
struct AskpassPrompt {
    enum class Kind {
        secret,       // a password or passphrase: typed hidden, printed on stdout
        hostKey,      // an unknown server: "yes" or "no" on stdout
        confirmation, // a yes/no question ssh reads from the exit status ("confirm")
        notice,       // shown while ssh waits elsewhere, a security key touch ("none")
    };
    Kind kind = Kind::secret;
    std::string host;        // hostKey: the server as ssh names it, "[127.0.0.1]:2222"
    std::string keyType;     // hostKey: "ED25519"
    std::string fingerprint; // hostKey: "SHA256:..."
};

AskpassPrompt ClassifyAskpassPrompt(std::string_view prompt, std::string_view hint);

// The host-key question in plain words, with the fingerprint on a line of its own.
std::string HostKeyQuestion(const AskpassPrompt &prompt);

} // namespace pagoranto

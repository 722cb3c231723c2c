#include "gui/askpass/askpassprompt.h"

namespace pagoranto {

namespace {

bool Contains(std::string_view text, std::string_view part)
{
    return text.find(part) != std::string_view::npos;
}

// The text between `before` and the next `end`, empty when either is missing.
std::string_view Between(std::string_view text, std::string_view before, std::string_view end)
{
    const auto start = text.find(before);
    if (start == std::string_view::npos)
        return {};
    text.remove_prefix(start + before.size());
    const auto stop = text.find(end);
    return stop == std::string_view::npos ? std::string_view() : text.substr(0, stop);
}

// "ED25519 key fingerprint is SHA256:abc." gives the type and "SHA256:abc".
void ReadFingerprint(std::string_view prompt, AskpassPrompt &parsed)
{
    constexpr std::string_view marker = " key fingerprint is ";
    const auto at = prompt.find(marker);
    if (at == std::string_view::npos)
        return;
    const auto lineStart = prompt.rfind('\n', at);
    const auto typeStart = lineStart == std::string_view::npos ? 0 : lineStart + 1;
    parsed.keyType = prompt.substr(typeStart, at - typeStart);
    std::string_view rest = prompt.substr(at + marker.size());
    const auto end = rest.find_first_of(" \t\r\n");
    rest = rest.substr(0, end);
    while (!rest.empty() && rest.back() == '.')
        rest.remove_suffix(1);
    parsed.fingerprint = rest;
}

} // namespace

AskpassPrompt ClassifyAskpassPrompt(std::string_view prompt, std::string_view hint)
{
    AskpassPrompt parsed;
    if (Contains(prompt, "(yes/no") || Contains(prompt, "Please type 'yes'")) {
        parsed.kind = AskpassPrompt::Kind::hostKey;
        const std::string_view host = Between(prompt, "authenticity of host '", "'");
        // ssh writes "name (address)"; the name is what the user typed.
        parsed.host = host.substr(0, host.find(" ("));
        ReadFingerprint(prompt, parsed);
    } else if (hint == "confirm") {
        parsed.kind = AskpassPrompt::Kind::confirmation;
    } else if (hint == "none") {
        parsed.kind = AskpassPrompt::Kind::notice;
    }
    return parsed;
}

std::string HostKeyQuestion(const AskpassPrompt &prompt)
{
    const std::string server = prompt.host.empty() ? "this server" : "the server " + prompt.host;
    std::string question = "This computer has not connected to " + server +
                           " before, so it cannot yet tell it from an impostor.\n\n";
    if (!prompt.fingerprint.empty()) {
        const std::string type = prompt.keyType.empty() ? "" : prompt.keyType + " ";
        question += "The server's " + type + "key fingerprint is:\n" + prompt.fingerprint + "\n\n";
    }
    question += "Connect only if the fingerprint is the one the server's administrator or "
                "provider gave you. The server is then remembered and not asked about again.\n\n"
                "Connect to it?";
    return question;
}

} // namespace pagoranto

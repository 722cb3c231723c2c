#include "core/publish/publishtarget.h"

#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

namespace pagoranto {

namespace fs = std::filesystem;

namespace {

constexpr const char *targetsFileName = "publishtargets.txt";

// Folder names may hold tabs or line breaks; one entry must stay one line.
std::string Escape(std::string_view text)
{
    std::string escaped;
    for (char c : text) {
        if (c == '\\')
            escaped += "\\\\";
        else if (c == '\t')
            escaped += "\\t";
        else if (c == '\n')
            escaped += "\\n";
        else if (c == '\r')
            escaped += "\\r";
        else
            escaped += c;
    }
    return escaped;
}

std::string Unescape(std::string_view text)
{
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            plain += text[i];
            continue;
        }
        const char next = text[++i];
        plain += next == 't' ? '\t' : next == 'n' ? '\n' : next == 'r' ? '\r' : next;
    }
    return plain;
}

// "/a/b/", "/a/b" and "/a/./b" are one gallery.
std::string GalleryKey(const std::string &galleryFolder)
{
    std::error_code error;
    fs::path path = fs::absolute(fs::path(galleryFolder), error).lexically_normal();
    std::string key = path.string();
    while (key.size() > 1 && key.back() == '/')
        key.pop_back();
    return key;
}

struct Entry {
    std::string gallery;
    PublishTarget target;
};

std::vector<Entry> ReadEntries(const fs::path &file)
{
    std::vector<Entry> entries;
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        const auto firstTab = line.find('\t');
        const auto secondTab =
            firstTab == std::string::npos ? firstTab : line.find('\t', firstTab + 1);
        if (secondTab == std::string::npos)
            continue;
        Entry entry;
        entry.target.removeStale = line.compare(0, firstTab, "1") == 0;
        entry.gallery =
            Unescape(std::string_view(line).substr(firstTab + 1, secondTab - firstTab - 1));
        entry.target.destination = Unescape(std::string_view(line).substr(secondTab + 1));
        entries.push_back(std::move(entry));
    }
    return entries;
}

bool HasControlCharacter(std::string_view text)
{
    for (unsigned char c : text)
        if (c < 0x20 || c == 0x7f)
            return true;
    return false;
}

} // namespace

std::optional<PublishTarget> LoadPublishTarget(const std::string &settingsDirectory,
                                               const std::string &galleryFolder)
{
    const std::string key = GalleryKey(galleryFolder);
    for (const Entry &entry : ReadEntries(fs::path(settingsDirectory) / targetsFileName))
        if (entry.gallery == key)
            return entry.target;
    return std::nullopt;
}

bool SavePublishTarget(const std::string &settingsDirectory, const std::string &galleryFolder,
                       const PublishTarget &target)
{
    const fs::path file = fs::path(settingsDirectory) / targetsFileName;
    const std::string key = GalleryKey(galleryFolder);
    std::vector<Entry> entries = ReadEntries(file);
    std::erase_if(entries, [&](const Entry &entry) { return entry.gallery == key; });
    entries.push_back({key, target});

    // Written beside and renamed, so a full disk never costs the other galleries' targets.
    const fs::path temporary = file.string() + ".new";
    {
        std::ofstream out(temporary, std::ios::trunc);
        for (const Entry &entry : entries)
            out << (entry.target.removeStale ? "1" : "0") << '\t' << Escape(entry.gallery) << '\t'
                << Escape(entry.target.destination) << '\n';
        out.flush();
        if (!out) {
            out.close();
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code error;
    fs::rename(temporary, file, error);
    if (error)
        fs::remove(temporary, error);
    return !error;
}

ParsedDestination ParseDestination(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.back() == ' '))
        text = text.front() == ' ' ? text.substr(1) : text.substr(0, text.size() - 1);
    if (text.empty())
        return {std::nullopt, "No destination is given."};
    if (HasControlCharacter(text))
        return {std::nullopt, "The destination holds a control character."};

    // rsync reads a colon before the first slash as a host name.
    const auto colon = text.find(':');
    const auto slash = text.find('/');
    const bool remote =
        colon != std::string_view::npos && (slash == std::string_view::npos || colon < slash);
    if (!remote) {
        std::error_code error;
        const fs::path folder = fs::absolute(fs::path(text), error).lexically_normal();
        if (error)
            return {std::nullopt, "The destination folder cannot be used."};
        return {Destination{false, {}, folder.string()}, {}};
    }

    const std::string_view host = text.substr(0, colon);
    const std::string_view path = text.substr(colon + 1);
    if (text.starts_with("rsync://") || path.starts_with(":"))
        return {std::nullopt,
                "Only SSH destinations (user@host:folder) and local folders can be used."};
    if (host.empty() || host.front() == '-' || host.front() == '@' || host.back() == '@' ||
        host.find(' ') != std::string_view::npos)
        return {std::nullopt, "The host name of the destination cannot be used."};
    if (path.starts_with("-"))
        return {std::nullopt, "The folder on the server must not begin with \"-\"."};
    return {Destination{true, std::string(host), std::string(path)}, {}};
}

} // namespace pagoranto

#include "core/platform/trash.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <optional>
#include <pwd.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <utility>
#include <vector>

namespace pagoranto {

namespace fs = std::filesystem;

namespace {

// A trashed name and its ".trashinfo" must both fit into one directory entry.
constexpr std::size_t maxEntryBytes = 255;
constexpr std::string_view infoSuffix = ".trashinfo";
constexpr int maxNameTries = 10000;

class Descriptor {
public:
    explicit Descriptor(int fd = -1) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    Descriptor(Descriptor &&other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}
    Descriptor &operator=(Descriptor &&other) noexcept
    {
        std::swap(m_fd, other.m_fd);
        return *this;
    }

    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }

private:
    int m_fd;
};

// strerror's buffer is shared between threads; the GNU strerror_r's is ours.
std::string ErrorText(int error)
{
    char buffer[256] = {};
    return ::strerror_r(error, buffer, sizeof buffer);
}

TrashResult Failed(std::string why)
{
    return {TrashOutcome::failed, std::move(why)};
}

// A trash folder with "files" and "info" opened inside it.
struct TrashFolder {
    Descriptor files;
    Descriptor info;
};

std::string PercentEncoded(std::string_view path)
{
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string encoded;
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        const bool plain = (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
                           (byte >= '0' && byte <= '9') || byte == '-' || byte == '_' ||
                           byte == '.' || byte == '~' || byte == '/';
        if (plain) {
            encoded += c;
        } else {
            encoded += '%';
            encoded += hex[byte >> 4];
            encoded += hex[byte & 0x0F];
        }
    }
    return encoded;
}

std::string LocalDeletionDate()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    char text[32] = {};
    if (::localtime_r(&now, &local) == nullptr ||
        std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local) == 0)
        return "1970-01-01T00:00:00";
    return text;
}

std::string TrashInfo(std::string_view path)
{
    return "[Trash Info]\nPath=" + PercentEncoded(path) + "\nDeletionDate=" + LocalDeletionDate() +
           "\n";
}

// Cuts at a character boundary, so a shortened UTF-8 name stays readable.
std::string_view Shortened(std::string_view text, std::size_t maxBytes)
{
    if (text.size() <= maxBytes)
        return text;
    std::size_t cut = maxBytes;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    return text.substr(0, cut);
}

// "photo.jpg", then "photo.2.jpg", "photo.3.jpg" ...; a hidden file's leading dot is no
// extension.
std::string TrashName(std::string_view name, int attempt)
{
    const std::size_t dot = name.rfind('.');
    std::string_view stem = name;
    std::string_view extension;
    if (dot != std::string_view::npos && dot > 0) {
        stem = name.substr(0, dot);
        extension = name.substr(dot);
    }
    const std::string number = attempt > 1 ? "." + std::to_string(attempt) : std::string();
    const std::size_t room = maxEntryBytes - infoSuffix.size() - number.size();
    if (extension.size() >= room) {
        stem = name;
        extension = {};
    }
    return std::string(Shortened(stem, room - extension.size())) + number + std::string(extension);
}

std::optional<dev_t> DeviceOf(const fs::path &path)
{
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
        return std::nullopt;
    return status.st_dev;
}

// The home trash may not exist yet: then the folder it will be made in decides.
std::optional<dev_t> DeviceOfNearestExisting(fs::path path)
{
    while (true) {
        if (const std::optional<dev_t> device = DeviceOf(path))
            return device;
        if (!path.has_relative_path())
            return std::nullopt;
        path = path.parent_path();
    }
}

std::string PasswordHome()
{
    std::vector<char> buffer(16384);
    struct passwd entry {};
    struct passwd *found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found ||
        !found->pw_dir)
        return {};
    return found->pw_dir;
}

std::optional<fs::path> HomeTrashPath()
{
    const char *dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome && fs::path(dataHome).is_absolute())
        return fs::path(dataHome) / "Trash";
    const char *homeVariable = std::getenv("HOME");
    const fs::path home = homeVariable && *homeVariable ? homeVariable : PasswordHome();
    if (!home.is_absolute())
        return std::nullopt;
    return home / ".local" / "share" / "Trash";
}

int MakeFolder(const fs::path &path)
{
    return ::mkdir(path.c_str(), 0700) == 0 || errno == EEXIST ? 0 : errno;
}

int MakeFolders(const fs::path &path)
{
    if (::mkdir(path.c_str(), 0700) == 0 || errno == EEXIST)
        return 0;
    if (errno != ENOENT || !path.has_relative_path())
        return errno;
    if (const int error = MakeFolders(path.parent_path()))
        return error;
    return MakeFolder(path);
}

Descriptor OpenSubfolder(int parent, const char *name, int &error)
{
    if (::mkdirat(parent, name, 0700) != 0 && errno != EEXIST) {
        error = errno;
        return Descriptor();
    }
    Descriptor folder(::openat(parent, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!folder.valid())
        error = errno;
    return folder;
}

// Opens (making what is missing) the trash at path with its "files" and "info", when its
// "files" lies on device. A trash shared with other users must be our own and no link.
std::optional<TrashFolder> OpenTrash(const fs::path &path, dev_t device, bool shared, int &error)
{
    error = shared ? MakeFolder(path) : MakeFolders(path);
    if (error)
        return std::nullopt;
    const int noLink = shared ? O_NOFOLLOW : 0;
    const Descriptor trash(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | noLink));
    if (!trash.valid()) {
        error = errno;
        return std::nullopt;
    }
    struct stat status {};
    if (shared && (::fstat(trash.get(), &status) != 0 || status.st_uid != ::geteuid() ||
                   (status.st_mode & (S_IWGRP | S_IWOTH)) != 0)) {
        error = EPERM;
        return std::nullopt;
    }
    TrashFolder folder;
    folder.files = OpenSubfolder(trash.get(), "files", error);
    if (!folder.files.valid())
        return std::nullopt;
    folder.info = OpenSubfolder(trash.get(), "info", error);
    if (!folder.info.valid())
        return std::nullopt;
    if (::fstat(folder.files.get(), &status) != 0 || status.st_dev != device) {
        error = EXDEV;
        return std::nullopt;
    }
    return folder;
}

// The folder at the top of the file system that holds folder (a canonical path).
fs::path TopOfFileSystem(fs::path folder, dev_t device)
{
    while (folder.has_relative_path()) {
        const fs::path parent = folder.parent_path();
        if (DeviceOf(parent) != device)
            break;
        folder = parent;
    }
    return folder;
}

// "$topdir/.Trash/$uid" when an administrator made "$topdir/.Trash" a sticky folder, else
// "$topdir/.Trash-$uid".
std::optional<TrashFolder> OpenTopTrash(const fs::path &top, dev_t device)
{
    const std::string uid = std::to_string(::getuid());
    int error = 0;
    const fs::path shared = top / ".Trash";
    struct stat status {};
    if (::lstat(shared.c_str(), &status) == 0 && S_ISDIR(status.st_mode) &&
        (status.st_mode & S_ISVTX) != 0)
        if (std::optional<TrashFolder> folder = OpenTrash(shared / uid, device, true, error))
            return folder;
    return OpenTrash(top / (".Trash-" + uid), device, true, error);
}

int RenameWithoutReplacing(const fs::path &from, int folder, const std::string &name)
{
    if (::renameat2(AT_FDCWD, from.c_str(), folder, name.c_str(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    // A file system that cannot refuse to replace: look first.
    struct stat status {};
    if (::fstatat(folder, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0)
        return EEXIST;
    return ::renameat(AT_FDCWD, from.c_str(), folder, name.c_str()) == 0 ? 0 : errno;
}

bool WriteAll(int fd, std::string_view text)
{
    while (!text.empty()) {
        const ssize_t written = ::write(fd, text.data(), text.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        text.remove_prefix(std::size_t(written));
    }
    return true;
}

// The ".trashinfo" is made first and exclusively, so two trashings never take the same name.
TrashResult MoveInto(const TrashFolder &trash, const fs::path &file, std::string_view originalPath)
{
    const std::string info = TrashInfo(originalPath);
    const std::string name = file.filename().string();
    for (int attempt = 1; attempt <= maxNameTries; ++attempt) {
        const std::string trashName = TrashName(name, attempt);
        const std::string infoName = trashName + std::string(infoSuffix);
        const Descriptor infoFile(::openat(trash.info.get(), infoName.c_str(),
                                           O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                                           0600));
        if (!infoFile.valid()) {
            if (errno == EEXIST)
                continue;
            return Failed("cannot write the trash information: " + ErrorText(errno));
        }
        if (!WriteAll(infoFile.get(), info)) {
            const int error = errno;
            ::unlinkat(trash.info.get(), infoName.c_str(), 0);
            return Failed("cannot write the trash information: " + ErrorText(error));
        }
        const int error = RenameWithoutReplacing(file, trash.files.get(), trashName);
        if (error == 0)
            return {TrashOutcome::trashed, {}};
        ::unlinkat(trash.info.get(), infoName.c_str(), 0);
        if (error != EEXIST)
            return Failed("cannot move the file into the trash: " + ErrorText(error));
    }
    return Failed("the trash holds too many files of this name");
}

} // namespace

TrashResult MoveToTrash(const fs::path &file)
{
    std::error_code error;
    fs::path absolute = fs::absolute(file, error);
    if (error || file.empty())
        return Failed("no file to move");
    if (!absolute.has_filename())
        absolute = absolute.parent_path();
    const fs::path name = absolute.filename();
    if (name.empty() || name == "." || name == "..")
        return Failed("not a file: " + file.string());
    // The folder's links are resolved, the file's own name is kept: a link goes as the link.
    const fs::path folder = fs::canonical(absolute.parent_path(), error);
    if (error)
        return Failed(ErrorText(error.value()));
    const fs::path original = folder / name;
    struct stat status {};
    if (::lstat(original.c_str(), &status) != 0)
        return Failed(ErrorText(errno));

    if (const std::optional<fs::path> home = HomeTrashPath();
        home && DeviceOfNearestExisting(*home) == status.st_dev) {
        int trashError = 0;
        const std::optional<TrashFolder> trash = OpenTrash(*home, status.st_dev, false, trashError);
        if (!trash)
            return Failed("cannot use the trash " + home->string() + ": " + ErrorText(trashError));
        return MoveInto(*trash, original, original.string());
    }
    const fs::path top = TopOfFileSystem(folder, status.st_dev);
    const std::optional<TrashFolder> trash = OpenTopTrash(top, status.st_dev);
    if (!trash)
        return {TrashOutcome::noTrash,
                "no trash can be used on the file system of " + top.string()};
    return MoveInto(*trash, original, original.lexically_relative(top).string());
}

} // namespace pagoranto

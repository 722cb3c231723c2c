#include "gui/pictures/sharedthumbnailcache.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace pagoranto {

namespace {

const QString uriKey = QStringLiteral("Thumb::URI");
const QString modifiedKey = QStringLiteral("Thumb::MTime");
const QString fileSizeKey = QStringLiteral("Thumb::Size");
const QString softwareKey = QStringLiteral("Software");
// Far above any 128 x 128 PNG: a larger file is no preview of ours to read.
constexpr qint64 maxEntryBytes = 1024 * 1024;

bool PlainInPath(unsigned char c)
{
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
        return true;
    return std::string_view("-_.!~*'()/&=:@+$,").find(static_cast<char>(c)) !=
           std::string_view::npos;
}

std::optional<struct stat> StatusOf(const std::filesystem::path &file)
{
    struct stat status {};
    if (::stat(file.c_str(), &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    return status;
}

bool MakePrivateFolder(const std::filesystem::path &folder)
{
    if (::mkdir(folder.c_str(), 0700) == 0)
        return true;
    struct stat status {};
    return errno == EEXIST && ::stat(folder.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

bool IsInside(const std::filesystem::path &file, const std::filesystem::path &folder)
{
    std::error_code error;
    const std::filesystem::path resolvedFile =
        std::filesystem::weakly_canonical(file.parent_path(), error);
    if (error)
        return false;
    const std::filesystem::path resolvedFolder = std::filesystem::weakly_canonical(folder, error);
    if (error)
        return false;
    const auto [folderEnd, fileAt] = std::mismatch(resolvedFolder.begin(), resolvedFolder.end(),
                                                   resolvedFile.begin(), resolvedFile.end());
    return folderEnd == resolvedFolder.end();
}

bool WriteAll(int fd, const QByteArray &bytes)
{
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t count = ::write(fd, bytes.constData() + written,
                                      static_cast<std::size_t>(bytes.size() - written));
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return false;
        written += count;
    }
    return true;
}

} // namespace

SharedThumbnailCache::SharedThumbnailCache(std::filesystem::path thumbnailsFolder,
                                           MediumCheck readOnlyMedium)
    : m_folder(std::move(thumbnailsFolder)), m_readOnlyMedium(readOnlyMedium)
{
}

bool SharedThumbnailCache::OnReadOnlyFileSystem(const std::filesystem::path &folder)
{
    struct statvfs medium {};
    return ::statvfs(folder.c_str(), &medium) != 0 || (medium.f_flag & ST_RDONLY) != 0;
}

SharedThumbnailCache SharedThumbnailCache::Default()
{
    const char *cacheHome = std::getenv("XDG_CACHE_HOME");
    if (cacheHome && cacheHome[0] == '/')
        return SharedThumbnailCache(std::filesystem::path(cacheHome) / "thumbnails");
    const char *home = std::getenv("HOME");
    return SharedThumbnailCache(std::filesystem::path(home ? home : "/") / ".cache" / "thumbnails");
}

std::filesystem::path SharedThumbnailCache::EntryFile(const std::filesystem::path &photo) const
{
    return m_folder / "normal" / QFile::encodeName(ThumbnailFileName(FileUri(photo))).toStdString();
}

QImage SharedThumbnailCache::Read(const std::filesystem::path &photo) const
{
    const std::optional<struct stat> status = StatusOf(photo);
    if (!status)
        return {};
    const std::filesystem::path entryFile = EntryFile(photo);
    QFile entry(QFile::decodeName(entryFile.c_str()));
    const std::optional<struct stat> entryStatus = StatusOf(entryFile);
    if (!entryStatus || entryStatus->st_size > maxEntryBytes || !entry.open(QIODevice::ReadOnly))
        return {};
    // Asking for the limit would allocate and clear it for every preview read.
    QImage image = QImage::fromData(entry.read(entryStatus->st_size), "PNG");
    if (image.isNull() || image.width() > normalSize || image.height() > normalSize)
        return {};
    bool timeRead = false;
    const qlonglong modified = image.text(modifiedKey).toLongLong(&timeRead);
    if (image.text(uriKey).toLatin1() != FileUri(photo) || !timeRead ||
        modified != static_cast<qlonglong>(status->st_mtim.tv_sec))
        return {};
    return image;
}

bool SharedThumbnailCache::MayWrite(const std::filesystem::path &photo) const
{
    return !m_readOnlyMedium(photo.parent_path()) && !IsInside(photo, m_folder);
}

bool SharedThumbnailCache::Write(const std::filesystem::path &photo, const QImage &preview) const
{
    const std::optional<struct stat> status = StatusOf(photo);
    if (!status || preview.isNull() || !MayWrite(photo))
        return false;
    if (!MakePrivateFolder(m_folder.parent_path()) || !MakePrivateFolder(m_folder) ||
        !MakePrivateFolder(m_folder / "normal"))
        return false;
    QImage keyed = preview;
    keyed.setText(uriKey, QString::fromLatin1(FileUri(photo)));
    keyed.setText(modifiedKey, QString::number(static_cast<qlonglong>(status->st_mtim.tv_sec)));
    keyed.setText(fileSizeKey, QString::number(static_cast<qlonglong>(status->st_size)));
    keyed.setText(softwareKey, QStringLiteral("Pagoranto"));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!keyed.save(&buffer, "PNG"))
        return false;

    const std::filesystem::path entry = EntryFile(photo);
    // mkstemp makes the file 0600, as the standard asks of every entry.
    std::string temporary = entry.string() + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return false;
    const bool written = WriteAll(fd, png);
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || ::rename(temporary.c_str(), entry.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

QByteArray FileUri(const std::filesystem::path &absolutePath)
{
    static constexpr char hex[] = "0123456789ABCDEF";
    QByteArray uri("file://");
    for (const char byte : absolutePath.native()) {
        const auto c = static_cast<unsigned char>(byte);
        if (PlainInPath(c)) {
            uri += byte;
        } else {
            uri += '%';
            uri += hex[c >> 4];
            uri += hex[c & 0xF];
        }
    }
    return uri;
}

QString ThumbnailFileName(const QByteArray &uri)
{
    return QString::fromLatin1(QCryptographicHash::hash(uri, QCryptographicHash::Md5).toHex()) +
           QStringLiteral(".png");
}

PixelSize NormalThumbnailSize(PixelSize photo)
{
    if (photo.width <= 0 || photo.height <= 0)
        return PixelSize{0, 0};
    const int longer = std::max(photo.width, photo.height);
    if (longer <= SharedThumbnailCache::normalSize)
        return photo;
    const double scale = double(SharedThumbnailCache::normalSize) / longer;
    return PixelSize{std::max(1, int(std::lround(photo.width * scale))),
                     std::max(1, int(std::lround(photo.height * scale)))};
}

} // namespace pagoranto

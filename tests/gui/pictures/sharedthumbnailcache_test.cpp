#include "gui/pictures/sharedthumbnailcache.h"
#include "gui/pictures/thumbnaillist.h"
#include "gui/pictures/thumbnaillistsettings.h"
#include "gui/platform/messagebox.h"
#include "tests/gui/pictures/picturefolder.h"
#include "tests/support/scopedvariable.h"

#include <QCryptographicHash>
#include <QDir>
#include <QImage>
#include <QTest>
#include <sys/stat.h>

namespace pagoranto {

using testing::PictureFolder;

class SharedThumbnailCacheTest : public QObject {
    Q_OBJECT

private slots:
    void namesEntriesByTheMd5OfTheUriAsTheDesktopDoes();
    void writesADecodedPreviewWithItsKeysForTheUserAlone();
    void readsAFreshEntryInsteadOfDecoding();
    void aChangedPhotoIsDecodedAgainAndItsEntryRewritten();
    void neverWritesForFilesInsideTheCacheOrOnAReadOnlyMedium();
    void turnedOffItNeitherReadsNorWrites();

private:
    // A photo large enough that its one-eighth decode fills an entry.
    static constexpr int photoWidth = 1600;
    static constexpr int photoHeight = 1200;
    static QColor TileCentre(const ThumbnailList &list, int index = 0);
    static qint64 ModifiedSeconds(const std::string &file);
    static void PlantEntry(const SharedThumbnailCache &cache, const std::string &photo,
                           QColor colour, qint64 modified);
    std::filesystem::path CacheHome() const { return m_scratch.path() / "cache"; }
    SharedThumbnailCache Cache() const { return SharedThumbnailCache(CacheHome() / "thumbnails"); }
    void Build(ThumbnailList &list, const PictureFolder &folder, const std::string &name);

    MessageBox m_messages;
    testing::ScratchDirectory m_scratch;
};

QColor SharedThumbnailCacheTest::TileCentre(const ThumbnailList &list, int index)
{
    const QImage tile = list.item(index)->icon().pixmap(list.iconSize()).toImage();
    return tile.pixelColor(tile.width() / 2, tile.height() / 2);
}

qint64 SharedThumbnailCacheTest::ModifiedSeconds(const std::string &file)
{
    struct stat status {};
    ::stat(file.c_str(), &status);
    return status.st_mtim.tv_sec;
}

void SharedThumbnailCacheTest::PlantEntry(const SharedThumbnailCache &cache,
                                          const std::string &photo, QColor colour, qint64 modified)
{
    QImage entry(128, 96, QImage::Format_RGB888);
    entry.fill(colour);
    entry.setText(QStringLiteral("Thumb::URI"), QString::fromLatin1(FileUri(photo)));
    entry.setText(QStringLiteral("Thumb::MTime"), QString::number(modified));
    QDir().mkpath(QFile::decodeName(cache.EntryFile(photo).parent_path().c_str()));
    QVERIFY(entry.save(QFile::decodeName(cache.EntryFile(photo).c_str()), "PNG"));
}

void SharedThumbnailCacheTest::Build(ThumbnailList &list, const PictureFolder &folder,
                                     const std::string &name)
{
    const testing::ScopedVariable cacheHome("XDG_CACHE_HOME", CacheHome().string());
    list.Build(folder.dir(), {name});
    QCOMPARE(list.count(), 1);
}

void SharedThumbnailCacheTest::namesEntriesByTheMd5OfTheUriAsTheDesktopDoes()
{
    // The standard's own example.
    QCOMPARE(ThumbnailFileName("file:///home/jens/photos/me.png"),
             QStringLiteral("c6ee772d9e49320e97ec29a7eb5b1697.png"));
    QCOMPARE(
        FileUri("/home/a b/\xC3\xA4#%?;\"<>[]`{|}^\\.jpg"),
        QByteArray("file:///home/a%20b/%C3%A4%23%25%3F%3B%22%3C%3E%5B%5D%60%7B%7C%7D%5E%5C.jpg"));
    QCOMPARE(FileUri("/x/it's (1)+&=,@$:~!*_-.jpg"),
             QByteArray("file:///x/it's (1)+&=,@$:~!*_-.jpg").replace(" ", "%20"));
    const testing::ScopedVariable cacheHome("XDG_CACHE_HOME", "/somewhere/cache");
    QCOMPARE(SharedThumbnailCache::Default().EntryFile("/p/a.jpg"),
             std::filesystem::path("/somewhere/cache/thumbnails/normal") /
                 ThumbnailFileName("file:///p/a.jpg").toStdString());
    // A relative setting is to be ignored.
    const testing::ScopedVariable relative("XDG_CACHE_HOME", "cache");
    const testing::ScopedVariable home("HOME", "/home/ada");
    QCOMPARE(SharedThumbnailCache::Default().folder(),
             std::filesystem::path("/home/ada/.cache/thumbnails"));
    QCOMPARE(NormalThumbnailSize({4000, 3000}), (PixelSize{128, 96}));
    QCOMPARE(NormalThumbnailSize({3000, 4000}), (PixelSize{96, 128}));
    QCOMPARE(NormalThumbnailSize({100, 50}), (PixelSize{100, 50}));
}

void SharedThumbnailCacheTest::writesADecodedPreviewWithItsKeysForTheUserAlone()
{
    PictureFolder folder;
    folder.writePicture("big.jpg", photoWidth, photoHeight, QColor(200, 40, 40));
    ThumbnailList list(m_messages);
    Build(list, folder, "big.jpg");

    const std::string photo = folder.path("big.jpg");
    const QString entryFile = QFile::decodeName(Cache().EntryFile(photo).c_str());
    const QByteArray uri = "file://" + QByteArray::fromStdString(photo);
    QCOMPARE(QFileInfo(entryFile).fileName(),
             QString::fromLatin1(QCryptographicHash::hash(uri, QCryptographicHash::Md5).toHex() +
                                 ".png"));
    const QImage entry(entryFile, "PNG");
    QVERIFY(!entry.isNull());
    QCOMPARE(entry.size(), QSize(128, 96));
    QCOMPARE(entry.text(QStringLiteral("Thumb::URI")).toLatin1(), uri);
    QCOMPARE(entry.text(QStringLiteral("Thumb::MTime")).toLongLong(), ModifiedSeconds(photo));
    QVERIFY(qAbs(entry.pixelColor(64, 48).red() - 200) < 8);

    const auto mode = [](const std::filesystem::path &path) {
        struct stat status {};
        ::stat(path.c_str(), &status);
        return status.st_mode & 07777;
    };
    QCOMPARE(mode(Cache().EntryFile(photo)), 0600u);
    QCOMPARE(mode(CacheHome() / "thumbnails"), 0700u);
    QCOMPARE(mode(CacheHome() / "thumbnails" / "normal"), 0700u);
    // Written under another name and renamed: nothing else is left beside it.
    QCOMPARE(QDir(QFileInfo(entryFile).path()).entryList(QDir::Files).size(), 1);
}

void SharedThumbnailCacheTest::readsAFreshEntryInsteadOfDecoding()
{
    PictureFolder folder;
    folder.writePicture("a.jpg", photoWidth, photoHeight, QColor(200, 40, 40));
    PlantEntry(Cache(), folder.path("a.jpg"), QColor(20, 200, 20),
               ModifiedSeconds(folder.path("a.jpg")));
    ThumbnailList list(m_messages);
    Build(list, folder, "a.jpg");
    QVERIFY(TileCentre(list).green() > 150);
}

void SharedThumbnailCacheTest::aChangedPhotoIsDecodedAgainAndItsEntryRewritten()
{
    PictureFolder folder;
    const std::string photo = folder.path("a.jpg");
    folder.writePicture("a.jpg", photoWidth, photoHeight, QColor(20, 200, 20));
    const qint64 modified = ModifiedSeconds(photo);
    // An entry made before the photo was last changed.
    PlantEntry(Cache(), photo, QColor(20, 20, 200), modified - 60);
    ThumbnailList list(m_messages);
    Build(list, folder, "a.jpg");
    QVERIFY(TileCentre(list).green() > 150);
    const QImage rewritten(QFile::decodeName(Cache().EntryFile(photo).c_str()), "PNG");
    QCOMPARE(rewritten.text(QStringLiteral("Thumb::MTime")).toLongLong(), modified);
    QVERIFY(rewritten.pixelColor(64, 48).green() > 150);
}

void SharedThumbnailCacheTest::neverWritesForFilesInsideTheCacheOrOnAReadOnlyMedium()
{
    const SharedThumbnailCache cache = Cache();
    std::filesystem::create_directories(cache.folder() / "normal");
    const std::filesystem::path inside = cache.folder() / "normal" / "x.png";
    QVERIFY(WriteFileBytes(inside.string(), "x"));
    QVERIFY(!cache.MayWrite(inside));
    QVERIFY(!cache.Write(inside, QImage(8, 8, QImage::Format_RGB888)));
    QVERIFY(!QFileInfo::exists(QFile::decodeName(cache.EntryFile(inside).c_str())));

    PictureFolder folder;
    folder.writePicture("a.jpg", photoWidth, photoHeight);
    QVERIFY(cache.MayWrite(folder.path("a.jpg")));
    const SharedThumbnailCache readOnly(cache.folder(),
                                        [](const std::filesystem::path &) { return true; });
    QVERIFY(!readOnly.MayWrite(folder.path("a.jpg")));
    QVERIFY(!readOnly.Write(folder.path("a.jpg"), QImage(8, 8, QImage::Format_RGB888)));
    QVERIFY(!QFileInfo::exists(QFile::decodeName(cache.EntryFile(folder.path("a.jpg")).c_str())));
}

void SharedThumbnailCacheTest::turnedOffItNeitherReadsNorWrites()
{
    PictureFolder folder;
    folder.writePicture("a.jpg", photoWidth, photoHeight, QColor(200, 40, 40));
    folder.writePicture("b.jpg", photoWidth, photoHeight, QColor(200, 40, 40));
    PlantEntry(Cache(), folder.path("a.jpg"), QColor(20, 200, 20),
               ModifiedSeconds(folder.path("a.jpg")));
    ThumbnailList list(m_messages);
    QVERIFY(list.sharesPreviews());
    list.setSharesPreviews(false);
    Build(list, folder, "a.jpg");
    QVERIFY(TileCentre(list).red() > 150);
    Build(list, folder, "b.jpg");
    QVERIFY(!QFileInfo::exists(QFile::decodeName(Cache().EntryFile(folder.path("b.jpg")).c_str())));

    // The choice outlives the program; without a file it is on.
    const QString settings = QFile::decodeName((m_scratch.path() / "thumbnaillist.ini").c_str());
    QVERIFY(ReadSharesPreviews(settings));
    WriteSharesPreviews(settings, false);
    QVERIFY(!ReadSharesPreviews(settings));
}

} // namespace pagoranto

QTEST_MAIN(pagoranto::SharedThumbnailCacheTest)
#include "sharedthumbnailcache_test.moc"

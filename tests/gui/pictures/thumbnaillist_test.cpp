#include "core/pictures/thumbnailtile.h"
#include "gui/pictures/thumbnaillist.h"
#include "gui/platform/messagebox.h"
#include "tests/gui/pictures/picturefolder.h"

#include <QAction>
#include <QSignalSpy>
#include <QTest>

namespace pagoranto {

using testing::PictureFolder;

class ThumbnailListTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void buildsItemsInFileOrderWithDamagedFilesInPlace();
    void damagedPicturesAreMarkedWithTheReasonAsTooltip();
    void progressivePhotosShowUprightAndCutOffOnesStillShow();
    void tilesHaveBlackBarsWhereTheyBelong_data();
    void tilesHaveBlackBarsWhereTheyBelong();
    void emptyDirectoryCountsZero();
    void longBuildTellsEveryCountAndEndsOnTheNewestInView();
    void secondBuildRequestStopsTheRunningBuild();
    void directoryChangeDuringBuildShowsOnlyTheNewDirectory();
    void changeToAnEmptyDirectoryDuringBuildLeavesTheListEmpty();
    void takesAtMost2000PicturesAndSaysSo();
    void selectUnselectAndInvert();
    void sortingListTicksCaptionsInAnyCase();
    void removeItemRemovesOnlyTheSelectedItem();

private:
    static std::vector<std::string> Names(const char *prefix, int count);
    void WriteRow(PictureFolder &folder, const std::vector<std::string> &names, int width = 64,
                  int height = 48);

    MessageBox m_messages;
};

std::vector<std::string> ThumbnailListTest::Names(const char *prefix, int count)
{
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i)
        names.push_back(
            prefix + QString::number(i).rightJustified(4, QLatin1Char('0')).toStdString() + ".jpg");
    return names;
}

void ThumbnailListTest::WriteRow(PictureFolder &folder, const std::vector<std::string> &names,
                                 int width, int height)
{
    const std::string picture = PictureFolder::Jpeg(width, height);
    for (const std::string &name : names)
        folder.write(name, picture);
}

void ThumbnailListTest::init()
{
    // Every box of a test is recorded and answered without a dialog.
    MessageBox::setResponder([](const MessageBox::Shown &) { return PromptAnswer::Ok; });
}

void ThumbnailListTest::cleanup()
{
    MessageBox::clearScript();
}

void ThumbnailListTest::buildsItemsInFileOrderWithDamagedFilesInPlace()
{
    PictureFolder folder;
    folder.writePicture("a.jpg", 640, 480);
    folder.writeDamaged("b.jpg");
    folder.writePicture("C.JPG", 300, 400);
    folder.writePicture("d.jpg", 400, 300);
    ThumbnailList list(m_messages);
    QSignalSpy counts(&list, &ThumbnailList::countTextChanged);
    list.Build(folder.dir(), {"a.jpg", "b.jpg", "C.JPG", "d.jpg"});

    QCOMPARE(list.captions(), (std::vector<std::string>{"a.jpg", "b.jpg", "C.JPG", "d.jpg"}));
    QCOMPARE(list.item(2)->text(), QStringLiteral("C.JPG"));
    QCOMPARE(list.damage(1), PictureDamage::unreadable);
    QVERIFY(!list.thumbnailListBuilding());
    QCOMPARE(list.nextThumbnailIndex(), 4);
    QVERIFY(MessageBox::shownMessages().empty());
    QCOMPARE(counts.first().at(0).toString(), QStringLiteral("1 jpg pictures"));
    QCOMPARE(counts.last().at(0).toString(), QStringLiteral("4 jpg pictures"));
    QVERIFY(list.CollectCheckedPictures().empty());
    QCOMPARE(list.selectedIndex(), std::optional<int>(3));
    QCOMPARE(list.pictureDir(), folder.dir());
    for (int i = 0; i < list.count(); ++i)
        QVERIFY(list.item(i)->flags() & Qt::ItemIsUserCheckable);
}

void ThumbnailListTest::damagedPicturesAreMarkedWithTheReasonAsTooltip()
{
    PictureFolder folder;
    const QColor green(40, 200, 60);
    const std::string picture = PictureFolder::Jpeg(400, 300, green);
    folder.write("cut.jpg", picture.substr(0, picture.size() * 2 / 3));
    folder.write("empty.jpg", "");
    folder.write("intact.jpg", picture);
    folder.write("text.jpg", "not a picture");
    ThumbnailList list(m_messages);
    list.Build(folder.dir(), {"cut.jpg", "empty.jpg", "intact.jpg", "text.jpg"});

    QCOMPARE(list.count(), 4);
    const auto tile = [&list](int index) {
        return list.item(index)
            ->icon()
            .pixmap(QSize(thumbnailTileWidth, thumbnailTileHeight))
            .toImage();
    };
    const auto reddish = [](QColor colour) {
        return colour.red() > 150 && colour.green() < 100 && colour.blue() < 100;
    };
    const auto near = [](QColor colour, QColor expected) {
        return std::abs(colour.red() - expected.red()) < 30 &&
               std::abs(colour.green() - expected.green()) < 30 &&
               std::abs(colour.blue() - expected.blue()) < 30;
    };

    // Unreadable: a red frame around a light tile, not the black of an empty picture.
    for (int index : {1, 3}) {
        QCOMPARE(list.damage(index), PictureDamage::unreadable);
        const QImage marked = tile(index);
        QVERIFY(reddish(marked.pixelColor(0, thumbnailTileHeight / 2)));
        QVERIFY(reddish(marked.pixelColor(thumbnailTileWidth / 2, thumbnailTileHeight - 1)));
        QVERIFY(marked.pixelColor(4, 4).lightness() > 200);
        QVERIFY(list.item(index)->flags() & Qt::ItemIsUserCheckable);
    }
    QCOMPARE(list.item(1)->toolTip(),
             QStringLiteral("empty.jpg\nCannot be read. The file is empty."));
    QCOMPARE(list.item(3)->toolTip(),
             QStringLiteral("text.jpg\nCannot be read. The file is not a JPEG picture."));

    // Partly damaged: the picture that arrived, framed in amber.
    QCOMPARE(list.damage(0), PictureDamage::partly);
    const QImage partly = tile(0);
    QVERIFY(near(partly.pixelColor(10, 6), green));
    const QColor frame = partly.pixelColor(0, thumbnailTileHeight / 2);
    QVERIFY2(frame.red() > 200 && frame.green() > 100 && frame.blue() < 60,
             qPrintable(frame.name()));
    QCOMPARE(list.item(0)->toolTip(),
             QStringLiteral("cut.jpg\nPartly damaged. The file is cut off: it ends before the "
                            "picture does."));

    QCOMPARE(list.damage(2), PictureDamage::none);
    QCOMPARE(list.item(2)->toolTip(), QStringLiteral("intact.jpg"));
    // Where the damaged tiles have their frame, an intact one shows its picture.
    QVERIFY(near(tile(2).pixelColor(2, thumbnailTileHeight / 2), green));
}

void ThumbnailListTest::progressivePhotosShowUprightAndCutOffOnesStillShow()
{
    JpegEncodeOptions progressive;
    progressive.progressive = true;
    progressive.quality = 95;
    const std::string stored =
        testing::EncodePicture(testing::RedOverBluePicture(96, 64), progressive).jpeg;
    PictureFolder folder;
    folder.write("a.jpg", PictureFolder::Jpeg(64, 48));
    // Turned a quarter clockwise for display: red on the right, blue on the left.
    folder.write("b.jpg", testing::WithExifOrientation(stored, 6));
    // Cut off in the middle of its scans, as a copy that broke off.
    const std::string noise =
        testing::EncodePicture(testing::NoisePicture(320, 240), progressive).jpeg;
    folder.write("c.jpg", noise.substr(0, noise.size() / 2));
    folder.write("d.jpg", stored);
    ThumbnailList list(m_messages);
    list.Build(folder.dir(), {"a.jpg", "b.jpg", "c.jpg", "d.jpg"});

    QCOMPARE(list.captions(), (std::vector<std::string>{"a.jpg", "b.jpg", "c.jpg", "d.jpg"}));
    QCOMPARE(list.damage(1), PictureDamage::none);
    QCOMPARE(list.damage(2), PictureDamage::partly);
    const auto tile = [&list](int index) {
        return list.item(index)
            ->icon()
            .pixmap(QSize(thumbnailTileWidth, thumbnailTileHeight))
            .toImage();
    };
    const QImage turned = tile(1);
    const int middle = thumbnailTileHeight / 2;
    QCOMPARE(turned.pixelColor(0, middle), QColor(Qt::black));
    QCOMPARE(turned.pixelColor(thumbnailTileWidth - 1, middle), QColor(Qt::black));
    const QColor left = turned.pixelColor(thumbnailTileWidth / 2 - 6, middle);
    const QColor right = turned.pixelColor(thumbnailTileWidth / 2 + 6, middle);
    QVERIFY2(left.blue() > 200 && left.red() < 60, qPrintable(left.name()));
    QVERIFY2(right.red() > 200 && right.blue() < 60, qPrintable(right.name()));
    const QImage upright = tile(3);
    QVERIFY(upright.pixelColor(thumbnailTileWidth / 2, 6).red() > 200);
    QVERIFY(upright.pixelColor(thumbnailTileWidth / 2, thumbnailTileHeight - 6).blue() > 200);
}

void ThumbnailListTest::tilesHaveBlackBarsWhereTheyBelong_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<QRect>("drawn");
    QTest::newRow("landscape 640x480") << 640 << 480 << QRect(1, 0, 49, 37);
    QTest::newRow("portrait 300x400") << 300 << 400 << QRect(11, 0, 28, 37);
    QTest::newRow("panorama 800x200") << 800 << 200 << QRect(0, 12, 50, 12);
}

void ThumbnailListTest::tilesHaveBlackBarsWhereTheyBelong()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QRect, drawn);
    PictureFolder folder;
    folder.writePicture("p.jpg", width, height, QColor(40, 200, 40));
    ThumbnailList list(m_messages);
    list.Build(folder.dir(), {"p.jpg"});
    QCOMPARE(list.count(), 1);

    const QImage tile =
        list.item(0)->icon().pixmap(QSize(thumbnailTileWidth, thumbnailTileHeight)).toImage();
    QCOMPARE(tile.size(), QSize(thumbnailTileWidth, thumbnailTileHeight));
    for (int y = 0; y < tile.height(); ++y)
        for (int x = 0; x < tile.width(); ++x) {
            const QColor pixel = tile.pixelColor(x, y);
            if (drawn.contains(x, y))
                QVERIFY2(pixel.green() > 150, qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            else
                QVERIFY2(pixel == QColor(Qt::black),
                         qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
        }
}

void ThumbnailListTest::emptyDirectoryCountsZero()
{
    PictureFolder folder;
    ThumbnailList list(m_messages);
    folder.writePicture("old.jpg", 16, 16);
    list.Build(folder.dir(), {"old.jpg"});
    QSignalSpy counts(&list, &ThumbnailList::countTextChanged);
    list.Build(folder.dir(), {});
    QCOMPARE(list.count(), 0);
    QCOMPARE(counts.last().at(0).toString(), QStringLiteral("0 jpg pictures"));
    QVERIFY(!list.thumbnailListBuilding());
}

void ThumbnailListTest::longBuildTellsEveryCountAndEndsOnTheNewestInView()
{
    PictureFolder folder;
    const std::vector<std::string> names = Names("p", 400);
    WriteRow(folder, names, 16, 12);
    ThumbnailList list(m_messages);
    list.resize(300, 200);
    list.show();
    QSignalSpy counts(&list, &ThumbnailList::countTextChanged);
    list.Build(folder.dir(), names);

    QCOMPARE(list.captions(), names);
    // Items go in by the slice, but the counter still steps through every number.
    QCOMPARE(counts.count(), int(names.size()) + 1);
    for (int i = 0; i < int(names.size()); ++i)
        QCOMPARE(counts.at(i).at(0).toString(), QStringLiteral("%1 jpg pictures").arg(i + 1));
    QCOMPARE(list.selectedIndex(), std::optional<int>(int(names.size()) - 1));
    QCOMPARE(list.currentRow(), int(names.size()) - 1);
    QVERIFY(list.viewport()->rect().contains(list.visualItemRect(list.item(list.count() - 1))));
}

void ThumbnailListTest::secondBuildRequestStopsTheRunningBuild()
{
    PictureFolder folder;
    const std::vector<std::string> names = Names("p", 60);
    WriteRow(folder, names);
    ThumbnailList list(m_messages);
    QSignalSpy finished(&list, &ThumbnailList::buildFinished);
    bool requested = false;
    connect(&list, &ThumbnailList::countTextChanged, &list, [&] {
        if (list.count() == 3 && !requested) {
            requested = true;
            list.Build(folder.dir(), names);
            QVERIFY(!list.thumbnailListBuilding());
        }
    });
    list.Build(folder.dir(), names);
    QVERIFY(requested);
    // The stop request itself makes no list; the stopped build keeps what it made.
    QCOMPARE(finished.count(), 1);
    QCOMPARE(list.count(), 3);
    QCOMPARE(list.selectedIndex(), std::optional<int>(2));
    QVERIFY(!list.thumbnailListBuilding());
}

void ThumbnailListTest::directoryChangeDuringBuildShowsOnlyTheNewDirectory()
{
    PictureFolder first;
    PictureFolder second;
    const std::vector<std::string> oldNames = Names("old", 80);
    const std::vector<std::string> newNames = Names("new", 5);
    WriteRow(first, oldNames);
    WriteRow(second, newNames, 30, 40);
    ThumbnailList list(m_messages);
    QSignalSpy finished(&list, &ThumbnailList::buildFinished);
    bool changed = false;
    connect(&list, &ThumbnailList::countTextChanged, &list, [&] {
        if (!changed && list.count() == 2) {
            changed = true;
            list.StopBuilding();
            list.Build(second.dir(), newNames);
        }
    });
    list.Build(first.dir(), oldNames);
    QVERIFY(changed);
    QCOMPARE(finished.count(), 2);
    QCOMPARE(list.captions(), newNames);
    QCOMPARE(list.pictureDir(), second.dir());
    QCOMPARE(list.nextThumbnailIndex(), 5);
    QCOMPARE(list.selectedIndex(), std::optional<int>(4));
    // Tiles of the old directory still on their way must not turn up later either.
    QTest::qWait(100);
    QCOMPARE(list.captions(), newNames);
}

void ThumbnailListTest::changeToAnEmptyDirectoryDuringBuildLeavesTheListEmpty()
{
    PictureFolder first;
    PictureFolder empty;
    const std::vector<std::string> names = Names("old", 80);
    WriteRow(first, names);
    ThumbnailList list(m_messages);
    QSignalSpy finished(&list, &ThumbnailList::buildFinished);
    connect(&list, &ThumbnailList::countTextChanged, &list, [&] {
        if (list.count() == 5 && finished.isEmpty()) {
            list.StopBuilding();
            list.Build(empty.dir(), {});
        }
    });
    list.Build(first.dir(), names);
    QCOMPARE(finished.count(), 2);
    QCOMPARE(list.count(), 0);
    QCOMPARE(list.pictureDir(), empty.dir());
    QCOMPARE(list.selectedIndex(), std::nullopt);
    QTest::qWait(100);
    QCOMPARE(list.count(), 0);
}

void ThumbnailListTest::takesAtMost2000PicturesAndSaysSo()
{
    PictureFolder folder;
    std::vector<std::string> names = Names("p", maxThumbnails + 2);
    WriteRow(folder, names, 8, 8);
    folder.writeDamaged(names[5]);
    ThumbnailList list(m_messages);
    list.Build(folder.dir(), names);

    const auto &shown = MessageBox::shownMessages();
    QCOMPARE(shown.size(), std::size_t(1));
    QCOMPARE(shown.front().title, std::string("ERROR"));
    QCOMPARE(shown.front().text, std::string("Found more than 2000 pictures !\rOnly 2000 pictures "
                                             "were going to be taken for the gallery !"));
    // A damaged picture has its place in the list like any other.
    QCOMPARE(list.count(), maxThumbnails);
    QCOMPARE(list.caption(maxThumbnails - 1), names[maxThumbnails - 1]);
    QCOMPARE(list.damage(5), PictureDamage::unreadable);
}

void ThumbnailListTest::selectUnselectAndInvert()
{
    PictureFolder folder;
    const std::vector<std::string> names = Names("p", 4);
    WriteRow(folder, names);
    ThumbnailList list(m_messages);
    list.Build(folder.dir(), names);

    list.setChecked(1, true);
    list.InvertImageSelection();
    QCOMPARE(list.CollectCheckedPictures(),
             (std::vector<std::string>{names[0], names[2], names[3]}));
    list.SelectAllPictures();
    QCOMPARE(list.CollectCheckedPictures(), names);
    QVERIFY(list.selectedItems().isEmpty());
    list.setCurrentRow(2);
    list.UnselectAllPictures();
    QVERIFY(list.CollectCheckedPictures().empty());
    QVERIFY(list.selectedItems().isEmpty());
    // Out of range is no item.
    list.setChecked(9, true);
    QVERIFY(!list.isChecked(9));
}

void ThumbnailListTest::sortingListTicksCaptionsInAnyCase()
{
    PictureFolder folder;
    const std::vector<std::string> names{"IMG_1.jpg", "img_2.JPG", "img_3.jpg"};
    WriteRow(folder, names);
    ThumbnailList list(m_messages);
    list.Build(folder.dir(), names);
    list.setChecked(1, true);
    list.MarkListedPictures({"img_3.JPG", "IMG_1.JPG", "missing.jpg"});
    QCOMPARE(list.CollectCheckedPictures(), (std::vector<std::string>{"IMG_1.jpg", "img_3.jpg"}));
}

void ThumbnailListTest::removeItemRemovesOnlyTheSelectedItem()
{
    PictureFolder folder;
    const std::vector<std::string> names = Names("p", 3);
    WriteRow(folder, names);
    ThumbnailList list(m_messages);
    list.Build(folder.dir(), names);
    list.setCurrentRow(1);
    QAction *remove = list.findChild<QAction *>(QStringLiteral("removeItem"));
    QVERIFY(remove);
    QCOMPARE(remove->text(), QStringLiteral("Remove item"));
    remove->trigger();
    QCOMPARE(list.captions(), (std::vector<std::string>{names[0], names[2]}));
    QVERIFY(QFile::exists(QString::fromStdString(folder.path(names[1]))));
    list.clearSelection();
    remove->trigger();
    QCOMPARE(list.count(), 2);
}

} // namespace pagoranto

QTEST_MAIN(pagoranto::ThumbnailListTest)
#include "thumbnaillist_test.moc"

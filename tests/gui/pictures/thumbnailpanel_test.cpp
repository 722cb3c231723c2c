#include "core/pictures/descriptionstore.h"
#include "gui/pictures/thumbnaillist.h"
#include "gui/pictures/thumbnailpanel.h"
#include "gui/platform/messagebox.h"
#include "tests/gui/pictures/picturefolder.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace pagoranto {

using testing::PictureFolder;

class ThumbnailPanelTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void previewFitsTheBoxButNeverEnlarges_data();
    void previewFitsTheBoxButNeverEnlarges();
    void doubleClickOpensPreviewOfTheSelectedItem();
    void nextAndPreviousWrapAround();
    void useForGalleryTicksTheItem();
    void pictureThatCannotBeLoadedKeepsTheOldPicture();
    void buttonsActOnTheList();

private:
    // Three pictures of different sizes, built into the panel's list.
    void BuildThree();

    MessageBox m_messages;
    DescriptionStore m_descriptions;
    std::unique_ptr<PictureFolder> m_folder;
    std::unique_ptr<ThumbnailPanel> m_panel;
};

void ThumbnailPanelTest::init()
{
    MessageBox::setResponder([](const MessageBox::Shown &) { return PromptAnswer::Ok; });
    m_descriptions.SetLines({});
    m_folder = std::make_unique<PictureFolder>();
    m_panel = std::make_unique<ThumbnailPanel>(m_messages, m_descriptions);
}

void ThumbnailPanelTest::cleanup()
{
    m_panel.reset();
    m_folder.reset();
    MessageBox::clearScript();
}

void ThumbnailPanelTest::BuildThree()
{
    m_folder->writePicture("a.jpg", 1024, 768);
    m_folder->writePicture("b.jpg", 200, 100);
    m_folder->writePicture("c.jpg", 300, 400);
    m_panel->ListView1->Build(m_folder->dir(), {"a.jpg", "b.jpg", "c.jpg"});
    QCOMPARE(m_panel->ListView1->count(), 3);
}

void ThumbnailPanelTest::previewFitsTheBoxButNeverEnlarges_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<QString>("dimensions");
    QTest::newRow("landscape 1024x768") << 1024 << 768 << QStringLiteral("253x190");
    QTest::newRow("small 200x100") << 200 << 100 << QStringLiteral("200x100");
    QTest::newRow("camera 4000x3000") << 4000 << 3000 << QStringLiteral("253x190");
    QTest::newRow("wide 4000x1000") << 4000 << 1000 << QStringLiteral("397x99");
}

void ThumbnailPanelTest::previewFitsTheBoxButNeverEnlarges()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QString, dimensions);
    m_folder->writePicture("p.jpg", width, height);
    m_descriptions.SetLines({"P.JPG|Harbour at dawn|Taken from the pier"});
    m_panel->ListView1->Build(m_folder->dir(), {"p.jpg"});
    m_panel->ShowPreview(0);

    QVERIFY(m_panel->previewShown());
    QCOMPARE(m_panel->previewDimensions->text(), dimensions);
    const QSize shown(m_panel->previewImage->size());
    QCOMPARE(QStringLiteral("%1x%2").arg(shown.width()).arg(shown.height()), dimensions);
    QCOMPARE(m_panel->previewImage->pixmap().size(), shown);
    QCOMPARE(m_panel->previewFileName->text(), QStringLiteral("p.jpg"));
    QCOMPARE(m_panel->previewDescription->toPlainText(),
             QStringLiteral("Harbour at dawn\nTaken from the pier"));
    QVERIFY(m_panel->previewDescription->isReadOnly());
    m_panel->showThumbnailList->click();
    QVERIFY(!m_panel->previewShown());
}

void ThumbnailPanelTest::doubleClickOpensPreviewOfTheSelectedItem()
{
    BuildThree();
    m_panel->resize(900, 500);
    m_panel->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_panel.get()));
    ThumbnailList *list = m_panel->ListView1;
    const QRect second = list->visualItemRect(list->item(1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, second.center());
    QVERIFY(m_panel->previewShown());
    QCOMPARE(m_panel->currentPictureIndex(), 1);
    QCOMPARE(m_panel->previewFileName->text(), QStringLiteral("b.jpg"));
    QCOMPARE(m_panel->previewDimensions->text(), QStringLiteral("200x100"));
}

void ThumbnailPanelTest::nextAndPreviousWrapAround()
{
    BuildThree();
    m_panel->ShowPreview(2);
    m_panel->nextPicture->click();
    QCOMPARE(m_panel->currentPictureIndex(), 0);
    QCOMPARE(m_panel->previewFileName->text(), QStringLiteral("a.jpg"));
    m_panel->previousPicture->click();
    QCOMPARE(m_panel->currentPictureIndex(), 2);
    QCOMPARE(m_panel->previewDimensions->text(), QStringLiteral("142x190"));
    m_panel->previousPicture->click();
    QCOMPARE(m_panel->currentPictureIndex(), 1);

    // With every item removed the steps do nothing.
    m_panel->ListView1->clear();
    m_panel->nextPicture->click();
    m_panel->previousPicture->click();
    m_panel->useForGallery->click();
    QCOMPARE(m_panel->currentPictureIndex(), 1);
}

void ThumbnailPanelTest::useForGalleryTicksTheItem()
{
    BuildThree();
    m_panel->ListView1->setChecked(1, true);
    m_panel->ShowPreview(1);
    QVERIFY(m_panel->useForGallery->isChecked());
    m_panel->useForGallery->click();
    QVERIFY(!m_panel->ListView1->isChecked(1));
    m_panel->nextPicture->click();
    QVERIFY(!m_panel->useForGallery->isChecked());
    m_panel->useForGallery->click();
    QCOMPARE(m_panel->ListView1->CollectCheckedPictures(), (std::vector<std::string>{"c.jpg"}));

    // An index left beyond the end by a removed item acts on the last item.
    m_panel->ListView1->setCurrentRow(2);
    m_panel->ListView1->RemoveItemClick();
    QVERIFY(m_panel->ListView1->CollectCheckedPictures().empty());
    m_panel->useForGallery->click();
    QCOMPARE(m_panel->currentPictureIndex(), 1);
    QVERIFY(m_panel->ListView1->CollectCheckedPictures().empty());
    m_panel->useForGallery->click();
    QCOMPARE(m_panel->ListView1->CollectCheckedPictures(), (std::vector<std::string>{"b.jpg"}));

    QSignalSpy full(m_panel.get(), &ThumbnailPanel::fullPictureRequested);
    m_panel->showFullPicture->click();
    QCOMPARE(full.count(), 1);
    QCOMPARE(full.first().at(0).toInt(), 1);
}

void ThumbnailPanelTest::pictureThatCannotBeLoadedKeepsTheOldPicture()
{
    BuildThree();
    m_panel->ShowPreview(0);
    QCOMPARE(m_panel->previewDimensions->text(), QStringLiteral("253x190"));
    QVERIFY(QFile::remove(QString::fromStdString(m_folder->path("b.jpg"))));
    m_panel->nextPicture->click();
    QCOMPARE(m_panel->currentPictureIndex(), 1);
    QCOMPARE(m_panel->previewFileName->text(), QStringLiteral("b.jpg"));
    QCOMPARE(m_panel->previewDimensions->text(), QStringLiteral("253x190"));
    QCOMPARE(m_panel->previewImage->size(), QSize(253, 190));
}

void ThumbnailPanelTest::buttonsActOnTheList()
{
    BuildThree();
    QCOMPARE(m_panel->pictureCounter->text(), QStringLiteral("3 jpg pictures"));
    m_panel->selectAllPictures->click();
    QCOMPARE(m_panel->ListView1->CollectCheckedPictures().size(), std::size_t(3));
    m_panel->ListView1->setChecked(0, false);
    m_panel->invertImageSelection->click();
    QCOMPARE(m_panel->ListView1->CollectCheckedPictures(), (std::vector<std::string>{"a.jpg"}));
    m_panel->unselectAllPictures->click();
    QVERIFY(m_panel->ListView1->CollectCheckedPictures().empty());
    QSignalSpy refresh(m_panel.get(), &ThumbnailPanel::refreshRequested);
    m_panel->refreshThumbnails->click();
    QCOMPARE(refresh.count(), 1);
}

} // namespace pagoranto

QTEST_MAIN(pagoranto::ThumbnailPanelTest)
#include "thumbnailpanel_test.moc"

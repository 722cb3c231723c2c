#include "core/pictures/descriptionstore.h"
#include "gui/pictures/thumbnaillist.h"
#include "gui/pictures/thumbnailpanel.h"
#include "gui/pictures/tshowfullpicture.h"
#include "gui/platform/messagebox.h"
#include "tests/gui/pictures/picturefolder.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QTest>

namespace pagoranto {

using testing::PictureFolder;

class TshowfullpictureTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void onePictureStaysOnBothSteps();
    void stepsWrapAndRefreshTheMainPreview();
    void picturesFitWithoutEnlarging();
    void checkBoxTicksTheListItemAtOnce();
    void namesThatAreNotUtf8AndUnreadablePictures();

private:
    void Open(int index);

    MessageBox m_messages;
    DescriptionStore m_descriptions;
    std::unique_ptr<PictureFolder> m_folder;
    std::unique_ptr<ThumbnailPanel> m_panel;
    std::unique_ptr<Tshowfullpicture> m_viewer;
};

void TshowfullpictureTest::init()
{
    MessageBox::setResponder([](const MessageBox::Shown &) { return PromptAnswer::Ok; });
    m_folder = std::make_unique<PictureFolder>();
    m_panel = std::make_unique<ThumbnailPanel>(m_messages, m_descriptions);
    m_viewer = std::make_unique<Tshowfullpicture>(*m_panel);
}

void TshowfullpictureTest::cleanup()
{
    m_viewer.reset();
    m_panel.reset();
    m_folder.reset();
    MessageBox::clearScript();
}

void TshowfullpictureTest::Open(int index)
{
    m_panel->ShowPreview(index);
    m_viewer->resize(700, 600);
    m_viewer->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_viewer.get()));
    m_viewer->WaitForPicture();
}

void TshowfullpictureTest::onePictureStaysOnBothSteps()
{
    m_folder->writePicture("only.jpg", 120, 90);
    m_panel->ListView1->Build(m_folder->dir(), {"only.jpg"});
    Open(0);
    m_viewer->NextPictureClick();
    QCOMPARE(m_viewer->currentPictureIndex(), 0);
    m_viewer->PreviousPictureClick();
    QCOMPARE(m_viewer->currentPictureIndex(), 0);
    QCOMPARE(m_viewer->name1->text(), QStringLiteral("only.jpg"));
}

void TshowfullpictureTest::stepsWrapAndRefreshTheMainPreview()
{
    for (const char *name : {"a.jpg", "b.jpg", "c.jpg"})
        m_folder->writePicture(name, 200, 100);
    m_panel->ListView1->Build(m_folder->dir(), {"a.jpg", "b.jpg", "c.jpg"});
    Open(2);
    // The keys reach the viewer's shortcuts once it is the active window.
    m_viewer->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_viewer.get()));
    QTest::keyClick(m_viewer.get(), Qt::Key_Right);
    QCOMPARE(m_viewer->currentPictureIndex(), 0);
    QCOMPARE(m_panel->previewFileName->text(), QStringLiteral("a.jpg"));
    QCOMPARE(m_viewer->name1->text(), QStringLiteral("a.jpg"));
    QTest::keyClick(m_viewer.get(), Qt::Key_Left);
    QCOMPARE(m_viewer->currentPictureIndex(), 2);
    QVERIFY(m_panel->previewShown());
    QTest::keyClick(m_viewer.get(), Qt::Key_Escape);
    QVERIFY(!m_viewer->isVisible());
    QCOMPARE(m_viewer->result(), int(QDialog::Accepted));
}

void TshowfullpictureTest::picturesFitWithoutEnlarging()
{
    m_folder->writePicture("small.jpg", 100, 50);
    m_folder->writePicture("large.jpg", 2400, 1800);
    m_panel->ListView1->Build(m_folder->dir(), {"small.jpg", "large.jpg"});
    Open(0);
    QCOMPARE(m_viewer->imageSize(), QSize(100, 50));
    QCOMPARE(m_viewer->Image1->size(), QSize(100, 50));
    m_viewer->NextPictureClick();
    m_viewer->WaitForPicture();
    const QSize shown = m_viewer->imageSize();
    const QWidget *canvas = m_viewer->Image1->parentWidget();
    QVERIFY(shown.width() <= canvas->width() && shown.height() <= canvas->height());
    QVERIFY(shown.width() >= canvas->width() - 1 || shown.height() >= canvas->height() - 1);
    QCOMPARE(m_viewer->Image1->x(), canvas->width() / 2 - shown.width() / 2);

    // A larger window shows the picture again, larger.
    m_viewer->resize(900, 800);
    QTRY_VERIFY([&] {
        m_viewer->WaitForPicture();
        return m_viewer->imageSize().width() > shown.width();
    }());
}

void TshowfullpictureTest::checkBoxTicksTheListItemAtOnce()
{
    m_folder->writePicture("a.jpg", 200, 100);
    m_folder->writePicture("b.jpg", 200, 100);
    m_panel->ListView1->Build(m_folder->dir(), {"a.jpg", "b.jpg"});
    m_panel->ListView1->setChecked(1, true);
    Open(1);
    QVERIFY(m_viewer->fullpicturechecked->isChecked());
    m_viewer->fullpicturechecked->click();
    QVERIFY(!m_panel->ListView1->isChecked(1));
    QVERIFY(!m_panel->useForGallery->isChecked());
    m_viewer->NextPictureClick();
    QVERIFY(!m_viewer->fullpicturechecked->isChecked());
    m_viewer->fullpicturechecked->click();
    QVERIFY(m_panel->ListView1->isChecked(0));
    QVERIFY(m_panel->useForGallery->isChecked());
}

void TshowfullpictureTest::namesThatAreNotUtf8AndUnreadablePictures()
{
    const std::string latin1Name = "m\xFCller.jpg";
    m_folder->writePicture(latin1Name, 120, 90);
    m_folder->writeDamaged("broken.jpg");
    m_panel->ListView1->Build(m_folder->dir(), {latin1Name, "broken.jpg"});
    Open(0);
    QCOMPARE(m_viewer->imageSize(), QSize(120, 90));
    QCOMPARE(m_panel->previewImageSize(), (PixelSize{120, 90}));

    // The picture before it does not stay on show under the unreadable one's name.
    m_viewer->NextPictureClick();
    m_viewer->WaitForPicture();
    QCOMPARE(m_viewer->name1->text(), QStringLiteral("broken.jpg"));
    QCOMPARE(m_viewer->imageSize(), QSize(0, 0));
    QVERIFY(m_viewer->Image1->pixmap().isNull());
}

} // namespace pagoranto

QTEST_MAIN(pagoranto::TshowfullpictureTest)
#include "tshowfullpicture_test.moc"

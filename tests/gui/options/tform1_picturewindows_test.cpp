// The main window's way into the picture windows: its menu entries, tool buttons and preview.
#include "core/pictures/jpegencoder.h"
#include "gui/options/tform1.h"
#include "gui/pictures/directorypanel.h"
#include "gui/pictures/tcopywin.h"
#include "gui/pictures/thumbnaillist.h"
#include "gui/pictures/thumbnailpanel.h"
#include "gui/pictures/timagedescription.h"
#include "gui/pictures/tshowfullpicture.h"
#include "gui/platform/messagebox.h"
#include "tests/support/eventloopdriver.h"
#include "tests/support/qtchildren.h"
#include "tests/support/qtscratchdirectory.h"
#include "tests/support/shippeddefaults.h"
#include "tests/support/testpictures.h"

#include <QAction>
#include <QCheckBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>

using namespace pagoranto;
using pagoranto::testing::Child;
using pagoranto::testing::Driver;
namespace fs = std::filesystem;

namespace {

} // namespace

class TForm1PictureWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void copyMenuCopiesTheTickedPicturesAndShowsTheCopies();
    void fullPictureButtonOpensTheViewer();
    void descriptionWindowGetsTheTickedPictures();
    void resizerIniGoesIntoTheCopyWindowAndBack();

private:
    void MakeForm();
    ThumbnailList *List() const { return Child<ThumbnailList>(m_form.get(), "ListView1"); }
    void Trigger(const char *action) { Child<QAction>(m_form.get(), action)->trigger(); }

    std::unique_ptr<testing::QtScratchDirectory> m_root;
    QString m_program;
    QString m_pictures;
    std::unique_ptr<TForm1> m_form;
};

void TForm1PictureWindowsTest::init()
{
    m_root = std::make_unique<testing::QtScratchDirectory>();
    m_program = m_root->filePath(QStringLiteral("program/"));
    m_pictures = m_root->filePath(QStringLiteral("pictures/"));
    fs::create_directories(m_program.toStdString() + "thumbnailer");
    testing::KeepShippedDefaultsOut(PAGORANTO_PROGRAM_DIR, m_program.toStdString());
    fs::create_directories(m_pictures.toStdString());
    fs::create_directories(m_root->filePath(QStringLiteral("copies")).toStdString());
    for (const char *name : {"a.jpg", "b.jpg", "c.jpg"})
        QVERIFY(EncodeJpegFile(m_pictures.toStdString() + name,
                               ViewOf(testing::GradientPicture(80, 60)))
                    .ok);
    MessageBox::clearScript();
    MessageBox::setResponder({});
}

void TForm1PictureWindowsTest::cleanup()
{
    m_form.reset();
    MessageBox::clearScript();
    m_root.reset();
}

void TForm1PictureWindowsTest::MakeForm()
{
    StartupPaths paths{m_program.toStdString(), std::string(PAGORANTO_PROGRAM_DIR) + "/",
                       m_pictures};
    m_form = std::make_unique<TForm1>(paths, InformationTimes{0, 0});
    m_form->show();
    m_form->FormActivate();
    QTRY_VERIFY(!List()->thumbnailListBuilding());
    QTRY_COMPARE(List()->count(), 3);
}

void TForm1PictureWindowsTest::copyMenuCopiesTheTickedPicturesAndShowsTheCopies()
{
    MakeForm();
    List()->setChecked(0, true);
    List()->setChecked(2, true);
    auto *copy = Child<Tcopywin>(m_form.get(), "Tcopywin");
    const QString copies = m_root->filePath(QStringLiteral("copies/"));
    Driver drive([copy, copies] {
        if (!copy->isVisible())
            return false;
        copy->setDestination(copies);
        copy->RadioButton2->click();
        copy->RadioButton5->click();
        copy->startCopy->click();
        copy->WaitForCopy();
        copy->useForRefresh->click();
        copy->backButton->click();
        return true;
    });
    Trigger("Copyallselectedpictures1");
    QVERIFY(fs::exists(copies.toStdString() + "NEW_0001.jpg"));
    QVERIFY(fs::exists(copies.toStdString() + "NEW_0002.jpg"));
    QVERIFY(!fs::exists(copies.toStdString() + "NEW_0003.jpg"));
    QTRY_COMPARE(Child<DirectoryPanel>(m_form.get(), "Panel10")->pictureDir(), copies);
    QTRY_COMPARE(List()->captions(), (std::vector<std::string>{"NEW_0001.jpg", "NEW_0002.jpg"}));
}

void TForm1PictureWindowsTest::fullPictureButtonOpensTheViewer()
{
    MakeForm();
    auto *panel = Child<ThumbnailPanel>(m_form.get(), "thumbnail");
    auto *viewer = Child<Tshowfullpicture>(m_form.get(), "Tshowfullpicture");
    panel->ShowPreview(2);
    List()->setChecked(0, true);
    Driver drive([viewer] {
        if (!viewer->isVisible())
            return false;
        viewer->NextPictureClick(); // wraps to the first
        viewer->fullpicturechecked->click();
        viewer->BackClick();
        return true;
    });
    panel->showFullPicture->click();
    QCOMPARE(viewer->result(), int(QDialog::Accepted));
    QCOMPARE(panel->currentPictureIndex(), 0);
    QVERIFY(!List()->isChecked(0));
    QVERIFY(!panel->useForGallery->isChecked());
}

void TForm1PictureWindowsTest::descriptionWindowGetsTheTickedPictures()
{
    MakeForm();
    List()->setChecked(1, true);
    auto *window = Child<Timagedescription>(m_form.get(), "Timagedescription");
    QStringList marked;
    Driver drive([window, &marked] {
        if (!window->isVisible())
            return false;
        for (int row = 0; row < window->ListBox1->count(); ++row)
            marked << window->ListBox1->item(row)->text();
        window->ChoosePicture("b.jpg");
        window->Memo1->setPlainText(QStringLiteral("Harbour"));
        window->BackClick();
        return true;
    });
    Trigger("ToolButtonDescriptions");
    QCOMPARE(marked, QStringList{QStringLiteral("b.jpg")});
    QCOMPARE(window->directory(), m_pictures);
    // The window's store is the one the preview shows.
    auto *panel = Child<ThumbnailPanel>(m_form.get(), "thumbnail");
    panel->ShowPreview(1);
    QCOMPARE(panel->previewDescription->toPlainText(), QStringLiteral("Harbour"));
}

void TForm1PictureWindowsTest::resizerIniGoesIntoTheCopyWindowAndBack()
{
    {
        QSettings ini(m_program + QStringLiteral("resizer.ini"), QSettings::IniFormat);
        ini.setValue(QStringLiteral("Default/compression"), 55);
        ini.setValue(QStringLiteral("Default/resizer"), 1);
    }
    MakeForm();
    auto *copy = Child<Tcopywin>(m_form.get(), "Tcopywin");
    QCOMPARE(copy->quality(), 55);
    QCOMPARE(copy->sizeIndex(), 1);
    copy->setQuality(90);
    copy->setSizeIndex(7);
    MessageBox::setResponder([](const MessageBox::Shown &) { return PromptAnswer::Yes; });
    m_form->close();
    QSettings ini(m_program + QStringLiteral("resizer.ini"), QSettings::IniFormat);
    QCOMPARE(ini.value(QStringLiteral("Default/compression")).toInt(), 90);
    QCOMPARE(ini.value(QStringLiteral("Default/resizer")).toInt(), 7);
}

QTEST_MAIN(TForm1PictureWindowsTest)
#include "tform1_picturewindows_test.moc"

// Drives the real main window through whole Create runs.
#include "core/pictures/jpegencoder.h"
#include "gui/generator/tendstatus.h"
#include "gui/options/specialoptionspanel.h"
#include "gui/options/tform1.h"
#include "gui/pictures/directorypanel.h"
#include "gui/pictures/tfilelistwindow.h"
#include "gui/pictures/thumbnaillist.h"
#include "gui/pictures/thumbnailpanel.h"
#include "gui/platform/filedialog.h"
#include "gui/platform/messagebox.h"
#include "tests/support/eventloopdriver.h"
#include "tests/support/qtchildren.h"
#include "tests/support/qtscratchdirectory.h"
#include "tests/support/shippeddefaults.h"
#include "tests/support/testpictures.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <memory>

using namespace pagoranto;
using pagoranto::testing::Child;
using pagoranto::testing::Driver;
namespace fs = std::filesystem;

namespace {

bool CloseWhenShown(QDialog *dialog)
{
    if (!dialog->isVisible())
        return false;
    dialog->accept();
    return true;
}

// "Start gallery creation" as soon as the run shows the picture list.
std::function<bool()> StartGalleryWhenShown(Tfilelistwindow *list)
{
    return [list] {
        if (!list->isVisible())
            return false;
        list->startButton->click();
        return true;
    };
}

bool MessageShown(const std::string &text)
{
    for (const MessageBox::Shown &shown : MessageBox::shownMessages())
        if (shown.text == text)
            return true;
    return false;
}

QString ReadPage(const QString &file)
{
    QFile page(file);
    return page.open(QIODevice::ReadOnly) ? QString::fromUtf8(page.readAll()) : QString();
}

} // namespace

class TForm1Test : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void optionFilesAreReadAtFirstActivation();
    void createWithReorderedPictures();
    void stopEndsTheLoopAtTheNextPage();
    void singlePageRunFromThePictureList();
    void closingDuringARunDoesNothing();
    void closingAsksAndWritesTheOptionFiles();
    void damagedPictureIsMarkedAndNamedAtTheEnd();

private:
    void MakeForm(int pictures = 12);
    void SelectTemplate(const char *layout);
    void TickPictures(int count);
    QString PageFile(const char *name) const { return m_pictures + QString::fromLatin1(name); }
    QPushButton *Create() const { return Child<QPushButton>(m_form.get(), "Button3"); }
    ThumbnailList *List() const { return Child<ThumbnailList>(m_form.get(), "ListView1"); }
    Tfilelistwindow *PictureList() const
    {
        return Child<Tfilelistwindow>(m_form.get(), "Tfilelistwindow");
    }
    Tendstatus *EndWindow() const { return Child<Tendstatus>(m_form.get(), "Tendstatus"); }
    // The picture-list window has a Label5 of its own.
    QLabel *PageLabel() const { return Child<QLabel>(m_form->centralWidget(), "Label5"); }
    DirectoryPanel *Directories() const { return Child<DirectoryPanel>(m_form.get(), "Panel10"); }

    std::unique_ptr<testing::QtScratchDirectory> m_root;
    QString m_program;
    QString m_pictures;
    std::unique_ptr<TForm1> m_form;
};

void TForm1Test::init()
{
    m_root = std::make_unique<testing::QtScratchDirectory>();
    QVERIFY(m_root->isValid());
    m_program = m_root->filePath(QStringLiteral("program/"));
    m_pictures = m_root->filePath(QStringLiteral("pictures/"));
    const fs::path bin = PAGORANTO_PROGRAM_DIR;
    fs::create_directories(m_program.toStdString() + "thumbnailer");
    testing::KeepShippedDefaultsOut(PAGORANTO_PROGRAM_DIR, m_program.toStdString());
    fs::copy(bin / "layouts", m_program.toStdString() + "layouts", fs::copy_options::recursive);
    fs::create_directories(m_pictures.toStdString());
    const RgbImage image = testing::FlatPicture(80, 60, {128, 128, 128});
    for (int i = 1; i <= 12; ++i) {
        const std::string name = "p" + std::string(i < 10 ? "0" : "") + std::to_string(i) + ".jpg";
        QVERIFY(EncodeJpegFile(m_pictures.toStdString() + name, ViewOf(image)).ok);
    }
    MessageBox::clearScript();
    MessageBox::setResponder({});
}

void TForm1Test::cleanup()
{
    m_form.reset();
    MessageBox::clearScript();
    m_root.reset();
}

void TForm1Test::MakeForm(int pictures)
{
    StartupPaths paths{m_program.toStdString(), std::string(PAGORANTO_PROGRAM_DIR) + "/",
                       m_pictures};
    m_form = std::make_unique<TForm1>(paths, InformationTimes{0, 0});
    m_form->show();
    m_form->FormActivate();
    QTRY_VERIFY(!List()->thumbnailListBuilding());
    QTRY_COMPARE(List()->count(), pictures);
}

void TForm1Test::SelectTemplate(const char *layout)
{
    FileDialog::setNextFileName(m_program + QStringLiteral("layouts/") +
                                QString::fromLatin1(layout));
    m_form->Selectpagelayout1Click();
}

void TForm1Test::TickPictures(int count)
{
    for (int i = 0; i < count; ++i)
        List()->setChecked(i, true);
}

void TForm1Test::optionFilesAreReadAtFirstActivation()
{
    QFile options(m_program + QStringLiteral("pgrooptions.cfg"));
    QVERIFY(options.open(QIODevice::WriteOnly));
    options.write("ADDITIONALOPTIONS\r\nNEXT=Weiter\r\n");
    options.close();
    MakeForm();
    QVERIFY(m_form->optionsLoaded());
    QCOMPARE(m_form->findChild<QLineEdit *>(QStringLiteral("Next_label"))->text(),
             QStringLiteral("Weiter"));
    QCOMPARE(m_form->settings().linkTexts.Next_label, std::string("Weiter"));
    // Every activation gives the jpg list the mask as typed.
    Directories()->Edit1->setText(QStringLiteral("p1*.jpg"));
    m_form->FormActivate();
    QCOMPARE(Directories()->jpgFileNames(),
             (std::vector<std::string>{"p10.jpg", "p11.jpg", "p12.jpg"}));
}

void TForm1Test::createWithReorderedPictures()
{
    MakeForm();
    SelectTemplate("picture.html");
    TickPictures(5);
    Tfilelistwindow *list = PictureList();
    Driver reorder([list] {
        if (!list->isVisible())
            return false;
        list->Dateiliste->setCurrentRow(0);
        list->lastPositionButton->click();
        list->startButton->click();
        return true;
    });
    Driver endWindow([this] { return CloseWhenShown(EndWindow()); });
    Create()->click();

    QCOMPARE(m_form->run().outcome(), RunOutcome::Completed);
    for (const char *page : {"page0001.html", "page0002.html", "page0005.html"})
        QVERIFY2(QFile::exists(PageFile(page)), page);
    QVERIFY(!QFile::exists(PageFile("page0006.html")));
    QVERIFY(ReadPage(PageFile("page0001.html")).contains(QStringLiteral("p02.jpg")));
    QVERIFY(ReadPage(PageFile("page0005.html")).contains(QStringLiteral("p01.jpg")));
    QCOMPARE(Create()->text(), QStringLiteral("Create"));
    QVERIFY(Create()->isEnabled());
}

void TForm1Test::damagedPictureIsMarkedAndNamedAtTheEnd()
{
    QFile cut(m_pictures + QStringLiteral("p03 cut.jpg"));
    QVERIFY(cut.open(QIODevice::WriteOnly));
    cut.write("\xFF\xD8\xFF");
    cut.close();
    MakeForm(13);
    QCOMPARE(List()->caption(2), std::string("p03 cut.jpg"));
    QCOMPARE(List()->damage(2), PictureDamage::unreadable);
    QVERIFY(List()->item(2)->toolTip().contains(QStringLiteral("Cannot be read.")));

    SelectTemplate("picture.html");
    TickPictures(5);
    Driver start(StartGalleryWhenShown(PictureList()));
    QString named;
    Driver endWindow([this, &named] {
        if (!EndWindow()->isVisible())
            return false;
        named = EndWindow()->unreadablePictures->isVisible()
                    ? EndWindow()->unreadablePictures->text()
                    : QStringLiteral("<hidden>");
        EndWindow()->accept();
        return true;
    });
    Create()->click();

    QCOMPARE(m_form->run().outcome(), RunOutcome::Completed);
    QCOMPARE(named, QStringLiteral("1 picture could not be read: p03 cut.jpg"));
}

void TForm1Test::stopEndsTheLoopAtTheNextPage()
{
    MakeForm();
    SelectTemplate("picture.html");
    TickPictures(12);
    Driver start(StartGalleryWhenShown(PictureList()));
    bool endWindowShown = false;
    Driver stop([this, &endWindowShown] {
        endWindowShown |= EndWindow()->isVisible();
        if (PageLabel()->text() != QStringLiteral("3") ||
            Create()->text() != QStringLiteral("Stop"))
            return false;
        Create()->click();
        return true;
    });
    Create()->click();

    QCOMPARE(m_form->run().outcome(), RunOutcome::Stopped);
    QVERIFY(MessageShown("Creation aborted by user !"));
    for (const char *page : {"page0001.html", "page0002.html", "page0003.html"})
        QVERIFY2(QFile::exists(PageFile(page)), page);
    QVERIFY(!QFile::exists(PageFile("page0004.html")));
    QVERIFY(!endWindowShown);
    QCOMPARE(Create()->text(), QStringLiteral("Create"));
}

void TForm1Test::singlePageRunFromThePictureList()
{
    MakeForm();
    SelectTemplate("picture.html");
    TickPictures(4);
    // "Cancel gallery creation" asks whether to stay for saving: No closes the window.
    MessageBox::setResponder([](const MessageBox::Shown &shown) {
        return shown.buttons == PromptButtons::YesNo ? PromptAnswer::No : PromptAnswer::Ok;
    });
    Tfilelistwindow *list = PictureList();
    bool enabledAfterSinglePage = false;
    Driver preview([list, &enabledAfterSinglePage] {
        if (!list->isVisible())
            return false;
        list->SpeedButton1->click();
        enabledAfterSinglePage = list->isEnabled();
        list->cancelButton->click();
        return true;
    });
    int endWindows = 0;
    Driver endWindow([this, &endWindows] {
        if (CloseWhenShown(EndWindow()))
            ++endWindows;
        return false;
    });
    Create()->click();

    QVERIFY(QFile::exists(PageFile("page0001.html")));
    QVERIFY(!QFile::exists(PageFile("page0002.html")));
    QCOMPARE(endWindows, 1);
    QVERIFY(enabledAfterSinglePage);
    QVERIFY(MessageShown("Creation aborted by USER !"));
    QVERIFY(!m_form->run().singlePageRun());
}

void TForm1Test::closingDuringARunDoesNothing()
{
    MakeForm();
    SelectTemplate("picture.html");
    TickPictures(12);
    Driver start(StartGalleryWhenShown(PictureList()));
    bool closed = true;
    std::size_t messagesBefore = 0;
    std::size_t messagesAfter = 0;
    Driver closeThenStop([&, this] {
        if (PageLabel()->text() != QStringLiteral("2"))
            return false;
        messagesBefore = MessageBox::shownMessages().size();
        closed = m_form->close();
        messagesAfter = MessageBox::shownMessages().size();
        Create()->click();
        return true;
    });
    Create()->click();

    QVERIFY(!closed);
    QCOMPARE(messagesAfter, messagesBefore);
    QVERIFY(m_form->isVisible());
}

void TForm1Test::closingAsksAndWritesTheOptionFiles()
{
    MakeForm();
    const QString options = m_program + QStringLiteral("pgrooptions.cfg");
    MessageBox::queueAnswer(PromptAnswer::No);
    QVERIFY(!m_form->close());
    QVERIFY(MessageShown("Do you really want to quit Pagoranto ?"));
    QCOMPARE(QFileInfo(options).size(), 0); // as init left it

    MessageBox::queueAnswer(PromptAnswer::Yes);
    QVERIFY(m_form->close());
    for (const char *file : {"pgrooptions.cfg", "hcoptions.cfg", "thumbnailer/mtoptions.cfg",
                             "navoptions.cfg", "webtools.cfg", "tools.cfg", "headerandfooter.cfg",
                             "resizer.ini", "usedpaths.list", "usedtemplates.list"})
        QVERIFY2(QFile::exists(m_program + QString::fromLatin1(file)), file);
}

int main(int argc, char **argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TForm1Test test;
    return QTest::qExec(&test, argc, argv);
}

#include "tform1_test.moc"

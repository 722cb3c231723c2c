// The main window's ways into the option windows, the complete configuration and a run that
// uses what the windows set.
#include "core/options/navigationoptionsfile.h"
#include "core/options/thumbnailoptionsfile.h"
#include "core/pictures/jpegdecoder.h"
#include "core/pictures/jpegencoder.h"
#include "core/text/linefile.h"
#include "gui/generator/tendstatus.h"
#include "gui/options/specialoptionspanel.h"
#include "gui/options/tform1.h"
#include "gui/options/tnavigationsleistewindow.h"
#include "gui/options/tpagenamewindow.h"
#include "gui/options/tquickinfo.h"
#include "gui/options/tthreegalleries.h"
#include "gui/options/tthumbnaileropt.h"
#include "gui/options/wizardpanel.h"
#include "gui/pictures/tcopywin.h"
#include "gui/pictures/tfilelistwindow.h"
#include "gui/pictures/thumbnaillist.h"
#include "gui/platform/filedialog.h"
#include "gui/platform/messagebox.h"
#include "tests/support/eventloopdriver.h"
#include "tests/support/qtchildren.h"
#include "tests/support/qtscratchdirectory.h"
#include "tests/support/shippeddefaults.h"
#include "tests/support/startedmainwindow.h"
#include "tests/support/testpictures.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>

using namespace pagoranto;
using pagoranto::testing::Child;
using pagoranto::testing::Driver;
namespace fs = std::filesystem;

namespace {

// Acts on a window once it is shown.
template <class Window>
std::function<bool()> WhenShown(Window *window, std::function<void(Window *)> action)
{
    return [window, action] {
        if (!window->isVisible())
            return false;
        action(window);
        return true;
    };
}

bool HasLine(const QString &file, const std::string &line)
{
    const auto lines = ReadLineFile(file.toStdString());
    return lines && std::find(lines->begin(), lines->end(), line) != lines->end();
}

const MessageBox::Shown &LastMessage()
{
    return MessageBox::shownMessages().back();
}

} // namespace

class TForm1OptionWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void wizardThumbnailStepFollowsTheChosenLayout();
    void menusOpenTheWindowsAndWriteTheirFiles();
    void completeConfigurationRoundTripThroughTheWindows();
    void completeConfigurationFailuresAreReported();
    void shippedConfigurationsLoad();
    void helpWindowsShowTheirPictures();
    void aRunMakesThumbnailsOfTheChosenSize();

private:
    void MakeForm();
    void SelectTemplate(const char *layout);
    void Trigger(const char *action);
    TThumbnailerOpt *ThumbnailWindow() const
    {
        return Child<TThumbnailerOpt>(m_form.get(), "TThumbnailerOpt");
    }
    Tnavigationsleistewindow *NavigationWindow() const
    {
        return Child<Tnavigationsleistewindow>(m_form.get(), "Tnavigationsleistewindow");
    }
    Tpagenamewindow *PageNameWindow() const
    {
        return Child<Tpagenamewindow>(m_form.get(), "Tpagenamewindow");
    }
    QLineEdit *OwnFileName() const { return Child<QLineEdit>(m_form.get(), "ownfilename"); }
    Tcopywin *CopyWindow() const { return Child<Tcopywin>(m_form.get(), "Tcopywin"); }
    QString ThumbnailerFile() const
    {
        return m_program + QString::fromLatin1(thumbnailerOptionsPath.data());
    }

    std::unique_ptr<testing::QtScratchDirectory> m_root;
    QString m_program;
    QString m_pictures;
    std::unique_ptr<TForm1> m_form;
};

void TForm1OptionWindowsTest::init()
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
    const RgbImage image = testing::RedOverBluePicture(400, 300);
    for (int i = 1; i <= 4; ++i)
        QVERIFY(EncodeJpegFile(m_pictures.toStdString() + "p0" + std::to_string(i) + ".jpg",
                               ViewOf(image))
                    .ok);
    MessageBox::clearScript();
    MessageBox::setResponder({});
}

void TForm1OptionWindowsTest::cleanup()
{
    m_form.reset();
    MessageBox::clearScript();
    m_root.reset();
}

void TForm1OptionWindowsTest::MakeForm()
{
    testing::StartMainWindow(m_form, m_program, m_pictures, 4);
}

void TForm1OptionWindowsTest::SelectTemplate(const char *layout)
{
    FileDialog::setNextFileName(m_program + QStringLiteral("layouts/") +
                                QString::fromLatin1(layout));
    m_form->Selectpagelayout1Click();
}

void TForm1OptionWindowsTest::Trigger(const char *action)
{
    Child<QAction>(m_form.get(), action)->trigger();
}

void TForm1OptionWindowsTest::wizardThumbnailStepFollowsTheChosenLayout()
{
    MakeForm();
    auto *wizard = Child<WizardPanel>(m_form.get(), "Panel21");
    SelectTemplate("picture.html");
    wizard->Button36->click();
    QCOMPARE(LastMessage().title, std::string("Hint"));
    QVERIFY(!ThumbnailWindow()->isVisible());

    // The layout chosen by the file dialog lights its own indicators, not the last one's.
    SelectTemplate("index.html");
    const std::size_t messages = MessageBox::shownMessages().size();
    Driver choose(WhenShown<TThumbnailerOpt>(ThumbnailWindow(), [](TThumbnailerOpt *window) {
        window->RadioGroup1->button(2)->click();
        window->Button2->click();
    }));
    wizard->Button36->click();
    QCOMPARE(MessageBox::shownMessages().size(), messages);
    QCOMPARE(m_form->settings().thumbnails.ScrollBar2, 160);
    QVERIFY(HasLine(ThumbnailerFile(), "WIDT=160"));
    QVERIFY(HasLine(ThumbnailerFile(), "HEIG=120"));
    QVERIFY(HasLine(ThumbnailerFile(), "SDIR=" + m_pictures.toStdString()));

    // From the picture-list window the file is written as well.
    Driver grey(WhenShown<TThumbnailerOpt>(ThumbnailWindow(), [](TThumbnailerOpt *window) {
        window->CheckBox1->setChecked(true);
        window->close();
    }));
    auto *configButton =
        Child<Tfilelistwindow>(m_form.get(), "Tfilelistwindow")->thumbnailConfigButton;
    configButton->click();
    QVERIFY(HasLine(ThumbnailerFile(), "GREY=1"));
    // There a run has checked the folder already: an emptied name is not taken.
    Driver empty(WhenShown<TThumbnailerOpt>(ThumbnailWindow(), [](TThumbnailerOpt *window) {
        window->thumbdir->clear();
        window->close();
    }));
    configButton->click();
    QCOMPARE(m_form->settings().thumbnails.thumbdir, std::string("thumbnails"));
    QCOMPARE(ThumbnailWindow()->thumbdir->text(), QStringLiteral("thumbnails"));
    QVERIFY(HasLine(ThumbnailerFile(), "DDIR=thumbnails/"));
}

void TForm1OptionWindowsTest::menusOpenTheWindowsAndWriteTheirFiles()
{
    MakeForm();
    Driver navigation(WhenShown<Tnavigationsleistewindow>(
        NavigationWindow(), [](Tnavigationsleistewindow *window) {
            window->nav_edit_first->setText(QStringLiteral("Go"));
            window->close();
        }));
    Trigger("Navigatebaroptions1");
    QVERIFY(HasLine(m_program + QStringLiteral("navoptions.cfg"), "NFIR=Go"));

    Driver wizardStep(WhenShown<Tnavigationsleistewindow>(NavigationWindow(),
                                                          [](Tnavigationsleistewindow *window) {
                                                              window->SpinButton1Down->click();
                                                              window->Button1->click();
                                                          }));
    Child<WizardPanel>(m_form.get(), "Panel21")->Button40->click();
    QVERIFY(HasLine(m_program + QStringLiteral("navoptions.cfg"), "NLIN=12"));

    Driver pageName(WhenShown<Tpagenamewindow>(PageNameWindow(), [](Tpagenamewindow *window) {
        QCOMPARE(window->Edit1->text(), QStringLiteral("page"));
        window->Edit1->setText(QStringLiteral("gal$nd$"));
        window->close();
    }));
    Trigger("Usespecialcommandsforthepagenames1");
    QCOMPARE(OwnFileName()->text(), QStringLiteral("gal$nd$"));
    QCOMPARE(m_form->settings().pageNames.ownfilename, std::string("gal$nd$"));

    Driver thumbnails(WhenShown<TThumbnailerOpt>(ThumbnailWindow(), [](TThumbnailerOpt *window) {
        window->thumbdir->setText(QStringLiteral("small"));
        window->Button2->click();
    }));
    Trigger("Thumbnailoptions2");
    QVERIFY(HasLine(ThumbnailerFile(), "DDIR=small/"));
    QVERIFY(!Child<QAction>(m_form.get(), "Thumbnailoptions1")->isVisible());
}

void TForm1OptionWindowsTest::completeConfigurationRoundTripThroughTheWindows()
{
    MakeForm();
    const QString file = m_program + QStringLiteral("own_config_files/complete_cfg/mine.ccc");
    NavigationWindow()->plain3->setChecked(true);
    NavigationWindow()->nav_edit_linkseparator->setText(QStringLiteral(" | "));
    ThumbnailWindow()->RadioGroup1->button(2)->click();
    ThumbnailWindow()->Drei3d_check->setChecked(true);
    OwnFileName()->setText(QStringLiteral("photo$nd$"));
    CopyWindow()->Edit1->setText(QStringLiteral("Holiday_"));
    CopyWindow()->Edit4->setText(QStringLiteral("_sea"));
    m_form->settings().headerFooter.headeredit = "<p>before</p>";

    FileDialog::setNextFileName(file);
    Trigger("Savecompleteconfiguration1");
    QVERIFY(QFile::exists(file));
    QCOMPARE(LastMessage().title, std::string("Info"));
    QVERIFY(LastMessage().text.starts_with("Saved \"Complete Configuration File\" !\r"));

    NavigationWindow()->plain3->setChecked(false);
    NavigationWindow()->nav_edit_linkseparator->setText(QStringLiteral("-"));
    ThumbnailWindow()->RadioGroup1->button(10)->click();
    ThumbnailWindow()->Drei3d_check->setChecked(false);
    OwnFileName()->setText(QStringLiteral("page"));
    CopyWindow()->Edit1->setText(QStringLiteral("Work_"));
    CopyWindow()->Edit4->setText(QStringLiteral("_desk"));
    m_form->settings().headerFooter.headeredit = "<p>after</p>";

    FileDialog::setNextFileName(file);
    Trigger("Loadcompleteconfiguration1");
    QCOMPARE(LastMessage().title, std::string("Info"));
    QVERIFY(LastMessage().text.starts_with("Loaded \"Complete Configuration File\" !\r"));
    QVERIFY(NavigationWindow()->plain3->isChecked());
    QCOMPARE(NavigationWindow()->nav_edit_linkseparator->text(), QStringLiteral(" | "));
    QCOMPARE(ThumbnailWindow()->Label7->text(), QStringLiteral("160"));
    QCOMPARE(ThumbnailWindow()->ScrollBar3->value(), 120);
    QVERIFY(ThumbnailWindow()->Drei3d_check->isChecked());
    QCOMPARE(OwnFileName()->text(), QStringLiteral("photo$nd$"));
    // The copy window names its next copies by what it shows.
    QCOMPARE(CopyWindow()->Edit1->text(), QStringLiteral("Holiday_"));
    QCOMPARE(CopyWindow()->Edit4->text(), QStringLiteral("_sea"));
    CopyWindow()->RadioButton2->setChecked(true);
    CopyWindow()->RadioButton3->setChecked(true);
    QCOMPARE(CopyWindow()->nameOptions().text, std::string("Holiday_"));
    // The header and footer are not part of it.
    QCOMPARE(m_form->settings().headerFooter.headeredit, std::string("<p>after</p>"));
}

void TForm1OptionWindowsTest::completeConfigurationFailuresAreReported()
{
    MakeForm();
    const QString file = m_program + QStringLiteral("blank.ccc");
    QFile blank(file);
    QVERIFY(blank.open(QIODevice::WriteOnly));
    blank.write("[COMPLETECONFIG] \r\nNEXT=Weiter\r\n");
    blank.close();
    FileDialog::setNextFileName(file);
    Trigger("Loadcompleteconfiguration1");
    QCOMPARE(LastMessage().title, std::string("ERROR"));
    QCOMPARE(LastMessage().text,
             std::string("Unable to load \"Complete Configuration File\" !\rPlease try again"));
    QCOMPARE(m_form->settings().linkTexts.Next_label, std::string("Next"));

    // A directory where the file should be.
    FileDialog::setNextFileName(m_program + QStringLiteral("layouts"));
    Trigger("Savecompleteconfiguration1");
    QCOMPARE(LastMessage().title, std::string("ERROR"));
    QCOMPARE(LastMessage().text,
             std::string("Unable to save \"Complete Configuration File\" !\rPlease try again"));

    // Cancel asks nothing.
    const std::size_t messages = MessageBox::shownMessages().size();
    FileDialog::setNextFileName(QString());
    Trigger("Loadcompleteconfiguration1");
    QCOMPARE(MessageBox::shownMessages().size(), messages);
    QVERIFY(QDir(m_program + QStringLiteral("own_config_files/complete_cfg")).exists());
}

void TForm1OptionWindowsTest::shippedConfigurationsLoad()
{
    MakeForm();
    const QDir shipped(QStringLiteral(PAGORANTO_PROGRAM_DIR "/own_config_files/complete_cfg"));
    const QStringList files = shipped.entryList({QStringLiteral("*.ccc")}, QDir::Files);
    QVERIFY(files.size() >= 2);
    for (const QString &name : files) {
        FileDialog::setNextFileName(shipped.filePath(name));
        Trigger("Loadcompleteconfiguration1");
        QVERIFY2(LastMessage().title == "Info", qPrintable(name));
    }
    FileDialog::setNextFileName(shipped.filePath(QStringLiteral("strip_dark_160x120.ccc")));
    Trigger("Loadcompleteconfiguration1");
    const ThumbnailOptions &thumbnails = m_form->settings().thumbnails;
    QCOMPARE(thumbnails.ScrollBar2, 160);
    QCOMPARE(thumbnails.ScrollBar3, 120);
    QCOMPARE(thumbnails.Panel11, thumbnails.Panel12);
    QCOMPARE(ThumbnailWindow()->Label8->text(), QStringLiteral("120"));
}

void TForm1OptionWindowsTest::helpWindowsShowTheirPictures()
{
    MakeForm();
    auto *legend = Child<TQuickinfo>(m_form.get(), "TQuickinfo");
    Driver closeLegend(
        WhenShown<TQuickinfo>(legend, [](TQuickinfo *window) { window->Button1->click(); }));
    Trigger("Symbolquickinfo1");
    QVERIFY(!legend->isVisible());

    auto *kinds = Child<Tthreegalleries>(m_form.get(), "Tthreegalleries");
    for (QLabel *image : kinds->Image)
        QVERIFY2(!image->pixmap().isNull(), qPrintable(image->text()));
    Driver closeKinds(WhenShown<Tthreegalleries>(
        kinds, [](Tthreegalleries *window) { window->Button1->click(); }));
    Trigger("Threegallerytypes1");
    QVERIFY(!kinds->isVisible());

    // A missing picture leaves a note where it would be.
    Tthreegalleries without(m_program + QStringLiteral("nothing/"));
    QVERIFY(without.Image[0]->pixmap().isNull());
    QVERIFY(without.Image[0]->text().contains(QStringLiteral("pic.jpg")));
}

void TForm1OptionWindowsTest::aRunMakesThumbnailsOfTheChosenSize()
{
    MakeForm();
    if (!m_form->thumbnailerIsPresent())
        QSKIP("the thumbnailer program is not built");
    SelectTemplate("index.html");
    ThumbnailWindow()->RadioGroup1->button(2)->click();
    Child<SpecialOptionsPanel>(m_form.get(), "Panel11")->createthumbnails->setChecked(true);
    auto *list = Child<ThumbnailList>(m_form.get(), "ListView1");
    for (int i = 0; i < list->count(); ++i)
        list->setChecked(i, true);
    auto *pictureList = Child<Tfilelistwindow>(m_form.get(), "Tfilelistwindow");
    auto *endWindow = Child<Tendstatus>(m_form.get(), "Tendstatus");
    Driver start(WhenShown<Tfilelistwindow>(
        pictureList, [](Tfilelistwindow *window) { window->startButton->click(); }));
    Driver end(WhenShown<Tendstatus>(endWindow, [](Tendstatus *window) { window->accept(); }));
    Child<QPushButton>(m_form.get(), "Button3")->click();
    const std::optional<PixelSize> size =
        ReadPictureSize((m_pictures + QStringLiteral("thumbnails/p01.jpg")).toStdString());
    QVERIFY(size.has_value());
    QCOMPARE(size->width, 160);
    QCOMPARE(size->height, 120);
}

QTEST_MAIN(TForm1OptionWindowsTest)
#include "tform1optionwindows_test.moc"

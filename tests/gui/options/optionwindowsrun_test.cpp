// A gallery made after the option windows were used as a user uses them: the pages carry what
// was set there.
#include "core/options/thumbnailoptionsfile.h"
#include "core/pictures/jpegencoder.h"
#include "core/pictures/jpegsize.h"
#include "core/text/linefile.h"
#include "gui/options/commandhelppanel.h"
#include "gui/options/specialoptionspanel.h"
#include "gui/options/tform1.h"
#include "gui/options/theaderfooterwindow.h"
#include "gui/options/thiddenoptwindow.h"
#include "gui/options/tthumbnaileropt.h"
#include "gui/pictures/tfilelistwindow.h"
#include "gui/pictures/thumbnaillist.h"
#include "gui/platform/filedialog.h"
#include "gui/platform/messagebox.h"
#include "tests/support/createthroughwindows.h"
#include "tests/support/eventloopdriver.h"
#include "tests/support/qtchildren.h"
#include "tests/support/qtscratchdirectory.h"
#include "tests/support/shippeddefaults.h"
#include "tests/support/startedmainwindow.h"
#include "tests/support/testpictures.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>

using namespace pagoranto;
using pagoranto::testing::Child;
using pagoranto::testing::Driver;
namespace fs = std::filesystem;

namespace {

QString ReadPage(const QString &file)
{
    QFile page(file);
    return page.open(QIODevice::ReadOnly) ? QString::fromUtf8(page.readAll()) : QString();
}

} // namespace

class OptionWindowsRunTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void pagesCarryHeaderTitleAndThumbnailSize();
    void optionFilesAreWrittenWhenTheWindowsClose();
    void commandHelpOpensTheHiddenOptionsForTheHtmlCommands();
    void thumbnailsOfOtherOptionsAreNamedBeforeThePages();

private:
    void MakeForm();
    QAction *Action(const char *name) const { return Child<QAction>(m_form.get(), name); }

    std::unique_ptr<testing::QtScratchDirectory> m_root;
    QString m_program;
    QString m_pictures;
    std::unique_ptr<TForm1> m_form;
};

void OptionWindowsRunTest::init()
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
    const RgbImage image = testing::FlatPicture(400, 300, {40, 120, 200});
    for (const char *name : {"a.jpg", "b.jpg", "c.jpg"})
        QVERIFY(EncodeJpegFile(m_pictures.toStdString() + name, ViewOf(image)).ok);
    MessageBox::clearScript();
    MessageBox::setResponder({});
}

void OptionWindowsRunTest::cleanup()
{
    m_form.reset();
    MessageBox::clearScript();
    m_root.reset();
}

void OptionWindowsRunTest::MakeForm()
{
    testing::StartMainWindow(m_form, m_program, m_pictures, 3);
}

void OptionWindowsRunTest::pagesCarryHeaderTitleAndThumbnailSize()
{
    // The thumbnail size as the thumbnail options window leaves it in its file.
    ThumbnailerFile thumbnailer;
    thumbnailer.options.ScrollBar2 = 160;
    thumbnailer.options.ScrollBar3 = 120;
    QVERIFY(WriteThumbnailerOptions(m_program.toStdString() + std::string(thumbnailerOptionsPath),
                                    thumbnailer));
    MakeForm();
    QVERIFY(m_form->thumbnailerIsPresent());

    auto *headerFooter = Child<THeaderFooterWindow>(m_form.get(), "THeaderFooterWindow");
    Driver header([headerFooter] {
        if (!headerFooter->isVisible())
            return false;
        headerFooter->Memo1->setPlainText(
            QStringLiteral("  <p id=\"banner\">\n  Our holiday</p>  "));
        headerFooter->Button1->click();
        headerFooter->HeaderUse->click();
        headerFooter->Button9->click();
        return true;
    });
    Action("Headerandfooterforyourgallery1")->trigger();
    QVERIFY(!headerFooter->isVisible());

    auto *hidden = Child<Thiddenoptwindow>(m_form.get(), "Thiddenoptwindow");
    Driver title([hidden] {
        if (!hidden->isVisible())
            return false;
        hidden->hpagetitle->setText(QStringLiteral("Holiday $count$ of $total$"));
        hidden->Button1->click();
        return true;
    });
    Child<QPushButton>(m_form.get(), "Button39")->click();
    QVERIFY(!hidden->isVisible());

    FileDialog::setNextFileName(m_program + QStringLiteral("layouts/showcase.html"));
    m_form->Selectpagelayout1Click();
    Child<SpecialOptionsPanel>(m_form.get(), "Panel11")->createthumbnails->setChecked(true);
    auto *list = Child<ThumbnailList>(m_form.get(), "ListView1");
    for (int i = 0; i < 3; ++i)
        list->setChecked(i, true);
    testing::CreateThroughTheWindows(*m_form);
    QCOMPARE(m_form->run().outcome(), RunOutcome::Completed);

    const QString page = ReadPage(m_pictures + QStringLiteral("page0002.html"));
    QVERIFY(!page.isEmpty());
    QVERIFY(page.contains(QStringLiteral("<title>Holiday 2 of 3</title>")));
    const qsizetype body = page.indexOf(QStringLiteral("<body>"));
    QVERIFY(body >= 0);
    QVERIFY(page.indexOf(QStringLiteral("<p id=\"banner\">Our holiday</p>")) > body);
    for (const char *name : {"a.jpg", "b.jpg", "c.jpg"}) {
        const std::string thumbnail = m_pictures.toStdString() + "thumbnails/" + name;
        const std::optional<PixelSize> size = ReadJpegSize(thumbnail);
        QVERIFY2(size.has_value(), name);
        QCOMPARE(size->width, 160);
        QCOMPARE(size->height, 120);
    }
}

void OptionWindowsRunTest::optionFilesAreWrittenWhenTheWindowsClose()
{
    MakeForm();
    auto *hidden = Child<Thiddenoptwindow>(m_form.get(), "Thiddenoptwindow");
    Driver title([hidden] {
        if (!hidden->isVisible())
            return false;
        hidden->showfilesize->setChecked(true);
        hidden->usetargetcommand->setChecked(true);
        hidden->Button1->click();
        return true;
    });
    Action("Options1")->trigger();
    const auto options = ReadLineFile(m_program.toStdString() + "hcoptions.cfg");
    QVERIFY(options.has_value());
    QCOMPARE(options->at(10), std::string("SSIZ=1"));
    QVERIFY(QFile::exists(m_program + QStringLiteral("navoptions.cfg")));
    // The picture-list window's lights follow the boxes.
    QVERIFY(Child<QLabel>(m_form.get(), "MyLed10")->property("lit").toBool());

    auto *headerFooter = Child<THeaderFooterWindow>(m_form.get(), "THeaderFooterWindow");
    Driver footer([headerFooter] {
        if (!headerFooter->isVisible())
            return false;
        headerFooter->footeredit->setText(QStringLiteral("<p>bye</p>"));
        headerFooter->Button9->click();
        return true;
    });
    Action("Headerandfooterforyourgallery1")->trigger();
    const auto lines = ReadLineFile(m_program.toStdString() + "headerandfooter.cfg");
    QVERIFY(lines.has_value());
    QCOMPARE(lines->at(2), std::string("FOOT=<p>bye</p>"));
}

void OptionWindowsRunTest::commandHelpOpensTheHiddenOptionsForTheHtmlCommands()
{
    MakeForm();
    auto *help = Child<CommandHelpPanel>(m_form.get(), "Panel7");
    auto *hidden = Child<Thiddenoptwindow>(m_form.get(), "Thiddenoptwindow");
    int opened = 0;
    Driver back([hidden, &opened] {
        if (!hidden->isVisible())
            return false;
        ++opened;
        hidden->Button1->click();
        return true;
    });
    help->ListBox2->setCurrentRow(33); // $HTML1$
    help->ListBox2Click();
    help->Button32->click();
    QCOMPARE(opened, 1);
    // Written at close only, not after this window.
    QCOMPARE(QFileInfo(m_program + QStringLiteral("hcoptions.cfg")).size(), 0); // as init left it
}

void OptionWindowsRunTest::thumbnailsOfOtherOptionsAreNamedBeforeThePages()
{
    MakeForm();
    FileDialog::setNextFileName(m_program + QStringLiteral("layouts/index.html"));
    m_form->Selectpagelayout1Click();
    auto *createThumbnails = Child<SpecialOptionsPanel>(m_form.get(), "Panel11")->createthumbnails;
    createThumbnails->setChecked(true);
    auto *list = Child<ThumbnailList>(m_form.get(), "ListView1");
    for (int i = 0; i < 3; ++i)
        list->setChecked(i, true);
    testing::CreateThroughTheWindows(*m_form);
    QCOMPARE(m_form->run().outcome(), RunOutcome::Completed);
    const std::string thumbnail = m_pictures.toStdString() + "thumbnails/a.jpg";
    const std::optional<std::string> made = ReadFileBytes(thumbnail);
    QVERIFY(made.has_value());
    QVERIFY(!createThumbnails->isChecked());

    // Another thumbnail width in the options window; Create with the box unticked.
    auto *options = Child<TThumbnailerOpt>(m_form.get(), "TThumbnailerOpt");
    Driver wider([options] {
        if (!options->isVisible())
            return false;
        options->ScrollBar2->setValue(options->ScrollBar2->value() + 20);
        options->close();
        return true;
    });
    Action("Thumbnailoptions1")->trigger();
    std::vector<std::string> questions;
    MessageBox::setResponder([&questions](const MessageBox::Shown &shown) {
        if (shown.title != "Question")
            return PromptAnswer::Ok;
        questions.push_back(shown.text);
        return PromptAnswer::No;
    });
    testing::CreateThroughTheWindows(*m_form);
    QCOMPARE(m_form->run().outcome(), RunOutcome::Completed);
    QCOMPARE(questions.size(), std::size_t{1});
    QVERIFY2(questions[0].starts_with("Of the 3 pictures of your list, 3 have a thumbnail that is "
                                      "out of date (made with other thumbnail options"),
             questions[0].c_str());
    QCOMPARE(ReadFileBytes(thumbnail), made);
}

int main(int argc, char **argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    OptionWindowsRunTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "optionwindowsrun_test.moc"

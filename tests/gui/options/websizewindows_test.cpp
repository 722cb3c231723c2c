// Web-size pictures as a user meets them: the control on the special options tab, where the
// directory levels and the wizard say the copies go, the creation window while they are made,
// Stop meanwhile, and the option file kept from one start to the next.
#include "core/options/websizeoptionsfile.h"
#include "core/pictures/jpegencoder.h"
#include "core/pictures/jpegsize.h"
#include "gui/generator/tcreationwindow.h"
#include "gui/options/directorylevelspanel.h"
#include "gui/options/specialoptionspanel.h"
#include "gui/options/tform1.h"
#include "gui/options/wizardpanel.h"
#include "gui/pictures/tfilelistwindow.h"
#include "gui/pictures/thumbnaillist.h"
#include "gui/platform/filedialog.h"
#include "gui/platform/messagebox.h"
#include "tests/support/createthroughwindows.h"
#include "tests/support/eventloopdriver.h"
#include "tests/support/qtchildren.h"
#include "tests/support/qtscratchdirectory.h"
#include "tests/support/shippeddefaults.h"
#include "tests/support/testpictures.h"

#include <QApplication>
#include <QFile>
#include <QTabBar>
#include <QTest>
#include <filesystem>

using namespace pagoranto;
using pagoranto::testing::Child;
using pagoranto::testing::Driver;
namespace fs = std::filesystem;

class WebSizeWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void typedBoxIsTakenAndABadOneRefused();
    void optionsAreReadAtStartAndWrittenAtClose();
    void directoryLevelsAndWizardSayWhereTheCopiesGo();
    void copiesAreMadeWithProgressAndThePagesShowThem();
    void stopEndsTheRunWhileCopiesAreMade();

private:
    void MakePictures(int count, int width, int height);
    void MakeForm();
    void TickAll();
    WebSizeControls *Controls() const
    {
        return Child<SpecialOptionsPanel>(m_form.get(), "Panel11")->webSize;
    }
    void TypeBox(const QString &text);

    std::unique_ptr<testing::QtScratchDirectory> m_root;
    QString m_program;
    QString m_pictures;
    int m_pictureCount = 0;
    std::unique_ptr<TForm1> m_form;
};

void WebSizeWindowsTest::init()
{
    m_root = std::make_unique<testing::QtScratchDirectory>();
    QVERIFY(m_root->isValid());
    m_program = m_root->filePath(QStringLiteral("program/"));
    m_pictures = m_root->filePath(QStringLiteral("pictures/"));
    const fs::path bin = PAGORANTO_PROGRAM_DIR;
    fs::create_directories(m_program.toStdString() + "thumbnailer");
    fs::copy(bin / "layouts", m_program.toStdString() + "layouts", fs::copy_options::recursive);
    fs::create_directories(m_pictures.toStdString());
    // The program's own defaults, not those it ships for a first gallery.
    testing::KeepShippedDefaultsOut(PAGORANTO_PROGRAM_DIR, m_program.toStdString());
    MessageBox::clearScript();
    MessageBox::setResponder({});
}

void WebSizeWindowsTest::cleanup()
{
    m_form.reset();
    MessageBox::clearScript();
    m_root.reset();
}

void WebSizeWindowsTest::MakePictures(int count, int width, int height)
{
    const RgbImage image = testing::FlatPicture(width, height, {200, 120, 40});
    for (int i = 0; i < count; ++i)
        QVERIFY(EncodeJpegFile(m_pictures.toStdString() + "p" + std::to_string(i) + ".jpg",
                               ViewOf(image))
                    .ok);
    m_pictureCount = count;
}

void WebSizeWindowsTest::MakeForm()
{
    StartupPaths paths{m_program.toStdString(), std::string(PAGORANTO_PROGRAM_DIR) + "/",
                       m_pictures};
    m_form = std::make_unique<TForm1>(paths, InformationTimes{0, 0});
    m_form->show();
    m_form->FormActivate();
    auto *list = Child<ThumbnailList>(m_form.get(), "ListView1");
    QTRY_VERIFY(!list->thumbnailListBuilding());
    QTRY_COMPARE(list->count(), m_pictureCount);
}

void WebSizeWindowsTest::TickAll()
{
    FileDialog::setNextFileName(m_program + QStringLiteral("layouts/picture.html"));
    m_form->Selectpagelayout1Click();
    auto *list = Child<ThumbnailList>(m_form.get(), "ListView1");
    for (int i = 0; i < m_pictureCount; ++i)
        list->setChecked(i, true);
}

void WebSizeWindowsTest::TypeBox(const QString &text)
{
    QComboBox *box = Controls()->webSizeBox;
    box->lineEdit()->selectAll();
    QTest::keyClicks(box->lineEdit(), text);
    QTest::keyClick(box->lineEdit(), Qt::Key_Return);
}

void WebSizeWindowsTest::typedBoxIsTakenAndABadOneRefused()
{
    WebSizeOptions options;
    WebSizeControls controls(options);
    controls.show();
    QVERIFY(!controls.webSizeBox->isEnabled());
    controls.WebSizePictures->setChecked(true);
    QVERIFY(options.WebSizePictures);
    QVERIFY(controls.webSizeBox->isEnabled());
    QCOMPARE(controls.webSizeBox->currentText(), QStringLiteral("1600 x 1200"));
    QCOMPARE(controls.webSizeBox->itemText(1), QStringLiteral("1024 x 768"));
    QCOMPARE(controls.webSizeBox->count(), 10);

    controls.webSizeBox->lineEdit()->selectAll();
    QTest::keyClicks(controls.webSizeBox->lineEdit(), QStringLiteral("900X700"));
    QTest::keyClick(controls.webSizeBox->lineEdit(), Qt::Key_Return);
    QCOMPARE(options.WebSizeWidth, 900);
    QCOMPARE(options.WebSizeHeight, 700);
    QCOMPARE(controls.webSizeBox->currentText(), QStringLiteral("900 x 700"));
    QVERIFY(controls.boxRefused->isHidden());

    for (const char *bad : {"12 x 700", "wide", "900 x 70000"}) {
        controls.webSizeBox->lineEdit()->selectAll();
        QTest::keyClicks(controls.webSizeBox->lineEdit(), QString::fromLatin1(bad));
        QTest::keyClick(controls.webSizeBox->lineEdit(), Qt::Key_Return);
        QCOMPARE(options.WebSizeWidth, 900);
        QCOMPARE(options.WebSizeHeight, 700);
        QCOMPARE(controls.webSizeBox->currentText(), QStringLiteral("900 x 700"));
        QVERIFY(controls.boxRefused->isVisible());
        QVERIFY(controls.boxRefused->text().contains(QString::fromLatin1(bad)));
    }

    controls.webSizeBox->textActivated(controls.webSizeBox->itemText(9));
    QCOMPARE(options.WebSizeWidth, 100);
    QCOMPARE(options.WebSizeHeight, 100);
    QVERIFY(controls.boxRefused->isHidden());

    controls.webdir->clear();
    QTest::keyClicks(controls.webdir, QStringLiteral("../big pics"));
    QCOMPARE(options.webdir, std::string("bigpics"));
}

void WebSizeWindowsTest::optionsAreReadAtStartAndWrittenAtClose()
{
    MakePictures(1, 200, 150);
    WebSizeOptions stored;
    stored.WebSizePictures = true;
    stored.WebSizeWidth = 640;
    stored.WebSizeHeight = 480;
    stored.webdir = "large";
    const std::string file = m_program.toStdString() + std::string(webSizeOptionsPath);
    QVERIFY(WriteWebSizeOptions(file, stored));
    MakeForm();
    QVERIFY(Controls()->WebSizePictures->isChecked());
    QCOMPARE(Controls()->webSizeBox->currentText(), QStringLiteral("640 x 480"));
    QCOMPARE(Controls()->webdir->text(), QStringLiteral("large"));

    TypeBox(QStringLiteral("800 x 600"));
    Controls()->webdir->setText(QStringLiteral("web_copies"));
    MessageBox::queueAnswer(PromptAnswer::Yes);
    QVERIFY(m_form->close());
    WebSizeOptions written;
    QVERIFY(ReadWebSizeOptions(file, written));
    QVERIFY(written.WebSizePictures);
    QCOMPARE(written.WebSizeWidth, 800);
    QCOMPARE(written.WebSizeHeight, 600);
    QCOMPARE(written.webdir, std::string("web_copies"));
}

void WebSizeWindowsTest::directoryLevelsAndWizardSayWhereTheCopiesGo()
{
    MakePictures(1, 200, 150);
    MakeForm();
    auto *levels = Child<DirectoryLevelsPanel>(m_form.get(), "Panel2");
    auto *wizard = Child<WizardPanel>(m_form.get(), "Panel21");
    QCOMPARE(levels->webSizeTarget->text(), QStringLiteral("off"));
    QVERIFY(wizard->webSizeStep->text().endsWith(QStringLiteral("off")));

    Controls()->WebSizePictures->setChecked(true);
    TypeBox(QStringLiteral("800x600"));
    QCOMPARE(levels->webSizeTarget->text(), m_pictures + QStringLiteral("web/ (800 x 600)"));
    QVERIFY(wizard->webSizeStep->text().endsWith(QStringLiteral("800 x 600")));
    levels->RadioButton2->setChecked(true);
    const QString parent = QFileInfo(m_pictures + QStringLiteral("..")).canonicalFilePath();
    QCOMPARE(levels->webSizeTarget->text(), parent + QStringLiteral("/web/ (800 x 600)"));
    Controls()->webdir->setText(QStringLiteral("big"));
    QCOMPARE(levels->webSizeTarget->text(), parent + QStringLiteral("/big/ (800 x 600)"));

    // The wizard's line leads to the control.
    auto *tabs = Child<QTabBar>(m_form.get(), "TabControl1");
    tabs->setCurrentIndex(0);
    wizard->webSizeStep->click();
    QCOMPARE(tabs->currentIndex(), static_cast<int>(TForm1::OptionTab::specialOptions));
}

void WebSizeWindowsTest::copiesAreMadeWithProgressAndThePagesShowThem()
{
    MakePictures(3, 400, 300);
    MakeForm();
    TickAll();
    Controls()->WebSizePictures->setChecked(true);
    TypeBox(QStringLiteral("160 x 120"));

    auto *creationWindow = Child<TCreationWindow>(m_form.get(), "TCreationWindow");
    QStringList lines;
    bool controlsLocked = false;
    Driver watch([&] {
        const QString line = creationWindow->progressLine();
        if (!line.isEmpty() && (lines.isEmpty() || lines.last() != line)) {
            lines.append(line);
            controlsLocked = !Controls()->isEnabled();
        }
        return false;
    });
    testing::CreateThroughTheWindows(*m_form);
    QCOMPARE(m_form->run().outcome(), RunOutcome::Completed);

    QVERIFY(!lines.isEmpty());
    QVERIFY2(lines.first().startsWith(QStringLiteral("Web-size pictures ")) &&
                 lines.first().endsWith(QStringLiteral(" of 3")),
             qPrintable(lines.first()));
    QVERIFY(controlsLocked);
    QVERIFY(!creationWindow->isVisible());
    QVERIFY(Controls()->isEnabled());
    for (int i = 0; i < 3; ++i) {
        const std::string copy = m_pictures.toStdString() + "web/p" + std::to_string(i) + ".jpg";
        const std::optional<PixelSize> size = ReadJpegSize(copy);
        QVERIFY2(size.has_value(), copy.c_str());
        QCOMPARE(*size, (PixelSize{160, 120}));
    }
    QFile page(m_pictures + QStringLiteral("page0001.html"));
    QVERIFY(page.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(page.readAll());
    QVERIFY2(html.contains(QStringLiteral("\"web/p0.jpg\"")), qPrintable(html));
}

void WebSizeWindowsTest::stopEndsTheRunWhileCopiesAreMade()
{
    MakePictures(12, 2400, 1800);
    MakeForm();
    TickAll();
    Controls()->WebSizePictures->setChecked(true);
    auto *creationWindow = Child<TCreationWindow>(m_form.get(), "TCreationWindow");
    auto *create = Child<QPushButton>(m_form.get(), "Button3");
    QString stoppedAt;
    QString captionMeanwhile;
    Driver stop([&] {
        if (creationWindow->progressLine().isEmpty())
            return false;
        stoppedAt = creationWindow->progressLine();
        captionMeanwhile = create->text();
        create->click();
        return true;
    });
    auto *pictureList = Child<Tfilelistwindow>(m_form.get(), "Tfilelistwindow");
    Driver start([pictureList] {
        if (!pictureList->isVisible())
            return false;
        pictureList->startButton->click();
        return true;
    });
    create->click();
    QVERIFY(!stoppedAt.isEmpty());
    QCOMPARE(captionMeanwhile, QStringLiteral("Stop"));
    QCOMPARE(m_form->run().outcome(), RunOutcome::Stopped);
    QVERIFY(!creationWindow->isVisible());
    QVERIFY(!QFile::exists(m_pictures + QStringLiteral("page0001.html")));
    int copies = 0;
    for (const auto &entry : fs::directory_iterator(m_pictures.toStdString() + "web"))
        copies += entry.is_regular_file();
    QVERIFY2(copies < 12, qPrintable(QString::number(copies)));
    QCOMPARE(create->text(), QStringLiteral("Create"));
}

int main(int argc, char **argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    WebSizeWindowsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "websizewindows_test.moc"

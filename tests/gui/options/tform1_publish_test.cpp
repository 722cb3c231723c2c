// The main window's way into publishing: which gallery folder it opens the publish window for,
// and that a run keeps it closed.
#include "core/pictures/jpegencoder.h"
#include "core/publish/publishtarget.h"
#include "gui/options/directorylevelspanel.h"
#include "gui/options/tform1.h"
#include "gui/pictures/tfilelistwindow.h"
#include "gui/pictures/thumbnaillist.h"
#include "gui/platform/filedialog.h"
#include "gui/platform/messagebox.h"
#include "gui/publish/publishwindow.h"
#include "tests/support/eventloopdriver.h"
#include "tests/support/qtchildren.h"
#include "tests/support/qtscratchdirectory.h"
#include "tests/support/shippeddefaults.h"
#include "tests/support/startedmainwindow.h"
#include "tests/support/testpictures.h"

#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolBar>
#include <QtTest>
#include <filesystem>
#include <memory>

using namespace pagoranto;
using pagoranto::testing::Child;
using pagoranto::testing::Driver;
namespace fs = std::filesystem;

namespace {

QString Canonical(const QString &path)
{
    return QFileInfo(path).canonicalFilePath();
}

// The menu the action is an entry of, or nullptr.
QMenu *MenuHolding(QAction *action)
{
    for (QObject *holder : action->associatedObjects())
        if (auto *menu = qobject_cast<QMenu *>(holder))
            return menu;
    return nullptr;
}

} // namespace

class TForm1PublishTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void publishOpensTheWindowForTheFolderThePagesGoTo_data();
    void publishOpensTheWindowForTheFolderThePagesGoTo();
    void publishIsOutOfReachDuringARun();
    void sshIsReachedThroughRsyncRshAndAsksThroughOurAskpass();

private:
    void MakeForm();
    QAction *Action(const char *name) const { return Child<QAction>(m_form.get(), name); }
    PublishWindow *Publishing() const
    {
        return Child<PublishWindow>(m_form.get(), "PublishWindow");
    }
    QPushButton *Create() const { return Child<QPushButton>(m_form.get(), "Button3"); }

    std::unique_ptr<testing::QtScratchDirectory> m_root;
    QString m_program;
    QString m_site;     // the pictures' grandparent
    QString m_album;    // the pictures' parent
    QString m_pictures; // ends in "/"
    std::unique_ptr<TForm1> m_form;
};

void TForm1PublishTest::init()
{
    m_root = std::make_unique<testing::QtScratchDirectory>();
    QVERIFY(m_root->isValid());
    m_program = m_root->filePath(QStringLiteral("program/"));
    m_site = m_root->filePath(QStringLiteral("site"));
    m_album = m_site + QStringLiteral("/album");
    m_pictures = m_album + QStringLiteral("/photos/");
    fs::create_directories(m_program.toStdString() + "thumbnailer");
    testing::KeepShippedDefaultsOut(PAGORANTO_PROGRAM_DIR, m_program.toStdString());
    fs::copy(fs::path(PAGORANTO_PROGRAM_DIR) / "layouts", m_program.toStdString() + "layouts",
             fs::copy_options::recursive);
    fs::create_directories(m_pictures.toStdString());
    const RgbImage image = testing::FlatPicture(80, 60, {90, 120, 150});
    for (int i = 1; i <= 8; ++i)
        QVERIFY(EncodeJpegFile(m_pictures.toStdString() + "p" + std::to_string(i) + ".jpg",
                               ViewOf(image))
                    .ok);
    MessageBox::clearScript();
    MessageBox::setResponder({});
}

void TForm1PublishTest::cleanup()
{
    qunsetenv("RSYNC_RSH");
    m_form.reset();
    MessageBox::clearScript();
    m_root.reset();
}

void TForm1PublishTest::MakeForm()
{
    testing::StartMainWindow(m_form, m_program, m_pictures, 8);
}

void TForm1PublishTest::publishOpensTheWindowForTheFolderThePagesGoTo_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("level");
    QTest::addColumn<QString>("folder"); // "pictures", "album" or "site"
    QTest::newRow("tool bar, pictures' folder") << "ToolButtonPublish"
                                                << "RadioButton1"
                                                << "pictures";
    QTest::newRow("tool bar, one level up") << "ToolButtonPublish"
                                            << "RadioButton2"
                                            << "album";
    QTest::newRow("menu, one level up") << "Publish1"
                                        << "RadioButton2"
                                        << "album";
    QTest::newRow("menu, two levels up") << "Publish1"
                                         << "RadioButton3"
                                         << "site";
}

void TForm1PublishTest::publishOpensTheWindowForTheFolderThePagesGoTo()
{
    QFETCH(QString, command);
    QFETCH(QString, level);
    QFETCH(QString, folder);
    const QString expected = folder == "pictures" ? m_pictures
                             : folder == "album"  ? m_album
                                                  : m_site;
    // Each folder has its own destination; the window must show the one of the pages' folder.
    for (const QString &gallery : {m_pictures, m_album, m_site})
        QVERIFY(SavePublishTarget(
            m_program.toStdString(), gallery.toStdString(),
            {"/srv/www/" + QFileInfo(gallery).fileName().toStdString(), gallery == expected}));
    MakeForm();
    Child<QRadioButton>(m_form.get(), level.toLatin1().constData())->setChecked(true);

    PublishWindow *publishing = Publishing();
    QString shownGallery;
    QString shownDestination;
    bool removeStaleShown = false;
    Driver readAndClose([&] {
        if (!publishing->isVisible())
            return false;
        shownGallery = publishing->gallery->text();
        shownDestination = publishing->destination->text();
        removeStaleShown = publishing->removeStale->isChecked();
        publishing->closeButton->click();
        return true;
    });
    Action(command.toLatin1().constData())->trigger();

    QVERIFY(!publishing->isVisible());
    QCOMPARE(Canonical(shownGallery), Canonical(expected));
    QCOMPARE(shownDestination, "/srv/www/" + QFileInfo(expected).fileName());
    QVERIFY(removeStaleShown);
}

void TForm1PublishTest::publishIsOutOfReachDuringARun()
{
    MakeForm();
    FileDialog::setNextFileName(m_program + QStringLiteral("layouts/picture.html"));
    m_form->Selectpagelayout1Click();
    auto *list = Child<ThumbnailList>(m_form.get(), "ListView1");
    for (int i = 0; i < 8; ++i)
        list->setChecked(i, true);
    auto *pictureList = Child<Tfilelistwindow>(m_form.get(), "Tfilelistwindow");
    Driver start([pictureList] {
        if (!pictureList->isVisible())
            return false;
        pictureList->startButton->click();
        return true;
    });

    QAction *toolButton = Action("ToolButtonPublish");
    QAction *menuEntry = Action("Publish1");
    QWidget *toolBarButton = Child<QToolBar>(m_form.get(), "ToolBar1")->widgetForAction(toolButton);
    QMenu *fileMenu = MenuHolding(menuEntry);
    QVERIFY(toolBarButton && fileMenu);
    QVERIFY(toolBarButton->isEnabled() && fileMenu->menuAction()->isEnabled());

    bool checkedDuringRun = false;
    bool toolBarButtonEnabled = true;
    bool fileMenuEnabled = true;
    Driver checkThenStop([&] {
        if (Create()->text() != QStringLiteral("Stop"))
            return false;
        checkedDuringRun = true;
        toolBarButtonEnabled = toolBarButton->isEnabled();
        fileMenuEnabled = fileMenu->menuAction()->isEnabled();
        Create()->click();
        return true;
    });
    Create()->click();

    QVERIFY(checkedDuringRun);
    QVERIFY2(!toolBarButtonEnabled, "the tool-bar button is locked while pages are made");
    QVERIFY2(!fileMenuEnabled, "the menu holding the entry is locked while pages are made");
    QVERIFY(!Publishing()->isVisible());
    QCOMPARE(m_form->run().outcome(), RunOutcome::Stopped);
    QVERIFY(toolBarButton->isEnabled());
    QVERIFY(fileMenu->menuAction()->isEnabled());
}

void TForm1PublishTest::sshIsReachedThroughRsyncRshAndAsksThroughOurAskpass()
{
    // Stands in for ssh: notes how it was started and fails as an unreachable server does.
    const QString fakeSsh = m_root->filePath(QStringLiteral("fake-ssh"));
    const QString record = fakeSsh + QStringLiteral(".out");
    {
        QFile script(fakeSsh);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(QStringLiteral("#!/bin/sh\n"
                                    "printf '%s\\n' \"$SSH_ASKPASS\" \"$SSH_ASKPASS_REQUIRE\" "
                                    "\"$*\" > '%1'\n"
                                    "echo 'ssh: connect to host 127.0.0.1 port 22: Connection "
                                    "refused' >&2\nexit 255\n")
                         .arg(record)
                         .toUtf8());
        script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                              QFileDevice::ExeOwner);
    }
    qputenv("RSYNC_RSH", fakeSsh.toUtf8());
    QFile page(m_pictures + QStringLiteral("index.html"));
    QVERIFY(page.open(QIODevice::WriteOnly));
    page.write("<html><body><img src=\"p1.jpg\"></body></html>");
    page.close();
    MakeForm();

    PublishWindow *publishing = Publishing();
    QString result;
    Driver publishAndClose([&] {
        if (!publishing->isVisible())
            return false;
        publishing->destination->setText(QStringLiteral("someone@127.0.0.1:/srv/gallery"));
        publishing->publishButton->click();
        result = publishing->resultLine->text();
        publishing->closeButton->click();
        return true;
    });
    Action("ToolButtonPublish")->trigger();

    QVERIFY2(result.contains(QStringLiteral("cannot be reached")), qPrintable(result));
    QFile started(record);
    QVERIFY2(started.open(QIODevice::ReadOnly), "ssh is the program RSYNC_RSH names");
    const QStringList lines = QString::fromUtf8(started.readAll()).split(QLatin1Char('\n'));
    QVERIFY(lines.size() >= 3);
    QCOMPARE(Canonical(lines[0]),
             Canonical(QStringLiteral(PAGORANTO_PROGRAM_DIR "/pagoranto-askpass")));
    QCOMPARE(lines[1], QStringLiteral("force"));
    QVERIFY2(lines[2].contains(QStringLiteral("someone")) &&
                 lines[2].contains(QStringLiteral("127.0.0.1")),
             qPrintable(lines[2]));
}

QTEST_MAIN(TForm1PublishTest)
#include "tform1_publish_test.moc"

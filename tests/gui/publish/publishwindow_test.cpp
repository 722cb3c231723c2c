#include "core/publish/publishtarget.h"
#include "gui/platform/messagebox.h"
#include "gui/publish/publishwindow.h"
#include "tests/support/qtscratchdirectory.h"
#include "tests/support/sshdserver.h"

#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <memory>

using pagoranto::LoadPublishTarget;
using pagoranto::MessageBox;
using pagoranto::PromptAnswer;
using pagoranto::PublishSetup;
using pagoranto::PublishWindow;

class PublishWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void destinationIsRememberedPerGalleryFolder();
    void publishesThePagesAndWhatTheyShowThenNothingWhenUnchanged();
    void failuresAreToldInPlainWords_data();
    void failuresAreToldInPlainWords();
    void staleFilesAreNamedAndRemovedOnlyWhenConfirmed();
    void theGalleryIsNeverItsOwnDestination_data();
    void theGalleryIsNeverItsOwnDestination();
    void stopKeepsTheWindowResponsiveAndASecondPublishCompletes();
    void publishesOverSshAskingAboutAnUnknownServerOnce();
    void aDeclinedUnknownServerIsToldAndNothingSent();
    void readableBytes_data();
    void readableBytes();

private:
    // A gallery folder with a page showing a picture, and a file no page links.
    QString makeGallery(const QString &name, qsizetype pictureBytes = 3000);
    std::unique_ptr<PublishWindow> window(PublishSetup setup = {});
    static QByteArray contents(const QString &file);
    // An askpass program that appends each question it gets to "prompts" and gives the answer.
    QString writeAskpass(const char *answer);
    // A window publishing to the server through ssh, which asks about host keys it does not find
    // in the scratch known-hosts file.
    std::unique_ptr<PublishWindow> sshWindow(const pagoranto::testing::SshdServer &server,
                                             const QString &askpass);

    std::unique_ptr<pagoranto::testing::QtScratchDirectory> m_dir;
    MessageBox m_prompts;
};

void PublishWindowTest::init()
{
    m_dir = std::make_unique<pagoranto::testing::QtScratchDirectory>();
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir(m_dir->path()).mkpath("settings"));
    MessageBox::clearScript();
    MessageBox::setResponder([](const MessageBox::Shown &) { return PromptAnswer::No; });
}

void PublishWindowTest::cleanup()
{
    MessageBox::clearScript();
    m_dir.reset();
}

QString PublishWindowTest::makeGallery(const QString &name, qsizetype pictureBytes)
{
    const QString folder = m_dir->filePath(name);
    QDir().mkpath(folder + "/pictures");
    const auto write = [](const QString &file, const QByteArray &bytes) {
        QFile out(file);
        if (out.open(QIODevice::WriteOnly))
            out.write(bytes);
    };
    write(folder + "/index.html", "<html><body><img src=\"pictures/photo.jpg\"></body></html>");
    QByteArray picture(pictureBytes, '\0');
    for (qsizetype i = 0; i < picture.size(); ++i)
        picture[i] = static_cast<char>((i * 7919) % 251);
    write(folder + "/pictures/photo.jpg", picture);
    write(folder + "/sorting.txt", "photo.jpg\n");
    return folder;
}

std::unique_ptr<PublishWindow> PublishWindowTest::window(PublishSetup setup)
{
    setup.settingsDirectory = m_dir->filePath("settings").toStdString();
    return std::make_unique<PublishWindow>(std::move(setup), m_prompts);
}

QByteArray PublishWindowTest::contents(const QString &file)
{
    QFile in(file);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray("<missing>");
}

QString PublishWindowTest::writeAskpass(const char *answer)
{
    const QString program = m_dir->filePath("askpass");
    QFile script(program);
    if (!script.open(QIODevice::WriteOnly))
        return {};
    script.write(QStringLiteral("#!/bin/sh\n"
                                "{ printf '%s\\n' \"$1\"; printf 'hint: %s\\n--\\n' "
                                "\"$SSH_ASKPASS_PROMPT\"; } >> '%1'\n"
                                "printf '%s\\n' '%2'\n")
                     .arg(m_dir->filePath("prompts"), QLatin1String(answer))
                     .toUtf8());
    script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return program;
}

std::unique_ptr<PublishWindow>
PublishWindowTest::sshWindow(const pagoranto::testing::SshdServer &server, const QString &askpass)
{
    PublishSetup setup;
    setup.askpassProgram = askpass.toStdString();
    setup.remoteShell = server.AskingRemoteShell(m_dir->filePath("known_hosts").toStdString());
    return window(std::move(setup));
}

void PublishWindowTest::destinationIsRememberedPerGalleryFolder()
{
    const QString first = makeGallery("first");
    const QString second = makeGallery("second");
    const QString firstServer = m_dir->filePath("server1");
    const QString secondServer = m_dir->filePath("server2");
    {
        auto publish = window();
        publish->Prepare(first.toStdString());
        QVERIFY(publish->destination->text().isEmpty());
        publish->destination->setText(firstServer);
        publish->PublishClick();
        publish->Prepare(second.toStdString());
        QVERIFY2(publish->destination->text().isEmpty(), "a folder's destination stays its own");
        publish->destination->setText(secondServer);
        publish->removeStale->setChecked(true);
        publish->PublishClick();
    }
    // A window made anew, as after a restart, fills both in again.
    auto publish = window();
    publish->Prepare((first + "/").toStdString());
    QCOMPARE(publish->destination->text(), firstServer);
    QVERIFY(!publish->removeStale->isChecked());
    publish->Prepare(second.toStdString());
    QCOMPARE(publish->destination->text(), secondServer);
    QVERIFY(publish->removeStale->isChecked());
    QCOMPARE(publish->gallery->text(), second);
}

void PublishWindowTest::publishesThePagesAndWhatTheyShowThenNothingWhenUnchanged()
{
    const QString gallery = makeGallery("gallery");
    const QString server = m_dir->filePath("server");
    auto publish = window();
    publish->Prepare(gallery.toStdString());
    publish->destination->setText(server);
    publish->PublishClick();

    QVERIFY(!publish->publishing());
    QVERIFY(publish->resultLine->isVisibleTo(publish.get()));
    QVERIFY(!publish->resultLine->property("failed").toBool());
    QVERIFY2(publish->resultLine->text().contains("2 files were sent"),
             qPrintable(publish->resultLine->text()));
    QCOMPARE(publish->filesSent->text(), QString("2"));
    QCOMPARE(publish->progressBar->value(), publish->progressBar->maximum());
    QVERIFY(publish->publishButton->isEnabled());
    QVERIFY(!publish->stopButton->isEnabled());
    for (const char *file : {"/index.html", "/pictures/photo.jpg"})
        QCOMPARE(contents(server + file), contents(gallery + file));
    QVERIFY2(!QFile::exists(server + "/sorting.txt"), "files no page links stay at home");

    publish->PublishClick();
    QVERIFY2(publish->resultLine->text().contains("no file was sent"),
             qPrintable(publish->resultLine->text()));
    QCOMPARE(publish->filesSent->text(), QString("0"));
}

void PublishWindowTest::failuresAreToldInPlainWords_data()
{
    QTest::addColumn<QString>("destination");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("remembered");
    QTest::newRow("empty") << ""
                           << "No destination is given" << false;
    QTest::newRow("daemon address") << "host::module"
                                    << "Only SSH destinations" << false;
    // Nothing listens on port 1; without the askpass program ssh may not ask and fails at once.
    QTest::newRow("nothing listening") << "nobody@127.0.0.1:/srv/gallery"
                                       << "cannot be reached" << true;
}

void PublishWindowTest::failuresAreToldInPlainWords()
{
    QFETCH(QString, destination);
    QFETCH(QString, expected);
    QFETCH(bool, remembered);
    const QString gallery = makeGallery("gallery");
    PublishSetup setup;
    setup.remoteShell = "ssh -p 1 -o UserKnownHostsFile=/dev/null";
    setup.askpassProgram = m_dir->filePath("no-such-askpass").toStdString();
    auto publish = window(setup);
    publish->Prepare(gallery.toStdString());
    publish->destination->setText(destination);
    QElapsedTimer clock;
    clock.start();
    publish->PublishClick();
    QVERIFY(clock.elapsed() < 60000);
    QVERIFY(publish->resultLine->property("failed").toBool());
    const QString message = publish->resultLine->text();
    QVERIFY2(!message.isEmpty() && message.contains(expected), qPrintable(message));
    QCOMPARE(publish->statusLine->text(), QString("Not published"));
    QCOMPARE(LoadPublishTarget(m_dir->filePath("settings").toStdString(), gallery.toStdString())
                 .has_value(),
             remembered);
}

void PublishWindowTest::staleFilesAreNamedAndRemovedOnlyWhenConfirmed()
{
    const QString gallery = makeGallery("gallery");
    const QString server = m_dir->filePath("server");
    QDir().mkpath(server);
    for (int i = 0; i < 15; ++i) {
        QFile old(server + QString("/old%1.html").arg(i, 2, 10, QChar('0')));
        QVERIFY(old.open(QIODevice::WriteOnly));
    }
    auto publish = window();
    publish->Prepare(gallery.toStdString());
    publish->destination->setText(server);
    publish->removeStale->setChecked(true);

    MessageBox::queueAnswer(PromptAnswer::No);
    publish->PublishClick();
    QCOMPARE(MessageBox::shownMessages().size(), std::size_t(1));
    const std::string question = MessageBox::shownMessages().front().text;
    QVERIFY2(question.find("15 files") != std::string::npos, question.c_str());
    QVERIFY(question.find("old00.html") != std::string::npos);
    QVERIFY(question.find("old14.html") == std::string::npos);
    QVERIFY2(question.find("and 3 more") != std::string::npos, question.c_str());
    QVERIFY2(QFile::exists(server + "/old00.html"), "No keeps the server's files");
    QVERIFY(QFile::exists(server + "/index.html"));

    MessageBox::queueAnswer(PromptAnswer::Yes);
    publish->PublishClick();
    QVERIFY(!QFile::exists(server + "/old00.html"));
    QVERIFY(!QFile::exists(server + "/old14.html"));
    QVERIFY(QFile::exists(server + "/pictures/photo.jpg"));
    QVERIFY2(publish->resultLine->text().contains("15 removed"),
             qPrintable(publish->resultLine->text()));
}

void PublishWindowTest::theGalleryIsNeverItsOwnDestination_data()
{
    QTest::addColumn<QString>("destination");
    QTest::addColumn<bool>("removeStale");
    QTest::addColumn<bool>("refused");
    QTest::newRow("the gallery folder") << "gallery" << false << true;
    QTest::newRow("the gallery folder, written otherwise") << "gallery/pictures/.." << true << true;
    QTest::newRow("a folder holding it, removing") << "." << true << true;
    QTest::newRow("a folder holding it, keeping") << "." << false << false;
    QTest::newRow("a folder inside it") << "gallery/out" << true << false;
}

void PublishWindowTest::theGalleryIsNeverItsOwnDestination()
{
    QFETCH(QString, destination);
    QFETCH(bool, removeStale);
    QFETCH(bool, refused);
    const QString gallery = makeGallery("gallery");
    auto publish = window();
    publish->Prepare(gallery.toStdString());
    publish->destination->setText(m_dir->filePath(destination));
    publish->removeStale->setChecked(removeStale);
    MessageBox::setResponder([](const MessageBox::Shown &) { return PromptAnswer::Yes; });
    publish->PublishClick();
    QCOMPARE(publish->resultLine->property("failed").toBool(), refused);
    QVERIFY2(QFile::exists(gallery + "/sorting.txt"), "the gallery keeps its own files");
    QVERIFY(QFile::exists(gallery + "/pictures/photo.jpg"));
}

void PublishWindowTest::stopKeepsTheWindowResponsiveAndASecondPublishCompletes()
{
    const QString gallery = makeGallery("gallery", 2'000'000);
    const QString server = m_dir->filePath("server");
    PublishSetup slow;
    slow.extraRsyncArguments = {"--bwlimit=200"};
    auto publish = window(slow);
    publish->Prepare(gallery.toStdString());
    publish->destination->setText(server);

    int ticksWhilePublishing = 0;
    bool controlsLocked = false;
    QElapsedTimer clock;
    clock.start();
    QTimer watcher;
    connect(&watcher, &QTimer::timeout, publish.get(), [&] {
        if (!publish->publishing())
            return;
        ++ticksWhilePublishing;
        controlsLocked = !publish->publishButton->isEnabled() &&
                         !publish->destination->isEnabled() && publish->stopButton->isEnabled();
        // Once the picture is on its way, or after a while in any case.
        if (publish->currentFile->text().contains("photo.jpg") || clock.elapsed() > 20000)
            publish->stopButton->click();
    });
    watcher.start(20);
    publish->PublishClick();
    watcher.stop();

    QVERIFY2(ticksWhilePublishing > 1, "the window handles its messages while it publishes");
    QVERIFY(controlsLocked);
    QVERIFY(clock.elapsed() < 15000);
    QCOMPARE(publish->statusLine->text(), QString("Stopped"));
    QVERIFY(publish->resultLine->property("failed").toBool());
    QVERIFY(publish->publishButton->isEnabled());
    const QString picture = server + "/pictures/photo.jpg";
    QVERIFY2(!QFile::exists(picture) ||
                 contents(picture) == contents(gallery + "/pictures/photo.jpg"),
             "no half-sent file under its final name");

    // Closing in the middle stops as the button does, and leaves the window open.
    publish->show();
    QTimer closer;
    connect(&closer, &QTimer::timeout, publish.get(), [&] {
        if (publish->publishing())
            publish->close();
    });
    closer.start(50);
    publish->PublishClick();
    closer.stop();
    QCOMPARE(publish->statusLine->text(), QString("Stopped"));
    QVERIFY(publish->isVisible());
    publish->hide();

    auto complete = window();
    complete->Prepare(gallery.toStdString());
    complete->PublishClick();
    QVERIFY2(!complete->resultLine->property("failed").toBool(),
             qPrintable(complete->resultLine->text()));
    QCOMPARE(contents(picture), contents(gallery + "/pictures/photo.jpg"));
}

void PublishWindowTest::publishesOverSshAskingAboutAnUnknownServerOnce()
{
    const pagoranto::testing::SshdServer server;
    if (!server.available())
        QSKIP(server.problem().c_str());
    const QString gallery = makeGallery("gallery");
    const QString serverFolder = m_dir->filePath("on the server");
    auto publish = sshWindow(server, writeAskpass("yes"));
    publish->Prepare(gallery.toStdString());
    publish->destination->setText(
        QString::fromStdString(server.Destination(serverFolder.toStdString())));
    publish->PublishClick();

    QVERIFY2(!publish->resultLine->property("failed").toBool(),
             qPrintable(publish->resultLine->text() + "\n" + QString::fromStdString(server.Log())));
    QCOMPARE(publish->statusLine->text(), QString("Published"));
    QCOMPARE(publish->filesSent->text(), QString("2"));
    for (const char *file : {"/index.html", "/pictures/photo.jpg"})
        QCOMPARE(contents(serverFolder + file), contents(gallery + file));
    QVERIFY(!QFile::exists(serverFolder + "/sorting.txt"));

    const QString prompts = QString::fromUtf8(contents(m_dir->filePath("prompts")));
    QCOMPARE(prompts.count("\n--\n"), 1);
    const QString fingerprint = QString::fromStdString(server.HostKeyFingerprint());
    QVERIFY(fingerprint.startsWith("SHA256:"));
    QVERIFY2(prompts.contains(fingerprint), qPrintable(prompts));
    QVERIFY2(prompts.contains("authenticity of host"), qPrintable(prompts));

    // The accepted server is remembered: no second question, and nothing changed travels.
    publish->PublishClick();
    QVERIFY2(!publish->resultLine->property("failed").toBool(),
             qPrintable(publish->resultLine->text()));
    QVERIFY2(publish->resultLine->text().contains("no file was sent"),
             qPrintable(publish->resultLine->text()));
    QCOMPARE(QString::fromUtf8(contents(m_dir->filePath("prompts"))), prompts);
}

void PublishWindowTest::aDeclinedUnknownServerIsToldAndNothingSent()
{
    const pagoranto::testing::SshdServer server;
    if (!server.available())
        QSKIP(server.problem().c_str());
    const QString gallery = makeGallery("gallery");
    const QString serverFolder = m_dir->filePath("on the server");
    auto publish = sshWindow(server, writeAskpass("no"));
    publish->Prepare(gallery.toStdString());
    publish->destination->setText(
        QString::fromStdString(server.Destination(serverFolder.toStdString())));
    QElapsedTimer clock;
    clock.start();
    publish->PublishClick();

    QVERIFY(clock.elapsed() < 60000);
    QVERIFY(publish->resultLine->property("failed").toBool());
    QVERIFY2(publish->resultLine->text().contains("host key is not known and was not accepted"),
             qPrintable(publish->resultLine->text()));
    QCOMPARE(publish->statusLine->text(), QString("Not published"));
    QVERIFY2(contents(m_dir->filePath("prompts"))
                 .contains(QByteArray::fromStdString(server.HostKeyFingerprint())),
             "the question went through the askpass program");
    QVERIFY(!QFileInfo::exists(serverFolder));
    QVERIFY2(contents(m_dir->filePath("known_hosts")) == "<missing>" ||
                 contents(m_dir->filePath("known_hosts")).isEmpty(),
             "a declined server is not remembered");
}

void PublishWindowTest::readableBytes_data()
{
    QTest::addColumn<qulonglong>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("one") << 1ULL << "1 byte";
    QTest::newRow("below a thousand") << 999ULL << "999 bytes";
    QTest::newRow("kilobytes") << 1500ULL << "1.5 kB";
    QTest::newRow("megabytes") << 4'200'000ULL << "4.2 MB";
    QTest::newRow("beyond terabytes") << 5'000'000'000'000'000ULL << "5000.0 TB";
}

void PublishWindowTest::readableBytes()
{
    QFETCH(qulonglong, bytes);
    QFETCH(QString, text);
    QCOMPARE(pagoranto::ReadableBytes(bytes), text);
}

QTEST_MAIN(PublishWindowTest)
#include "publishwindow_test.moc"

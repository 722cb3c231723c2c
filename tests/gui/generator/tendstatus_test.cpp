#include "gui/generator/tendstatus.h"
#include "gui/platform/messagebox.h"
#include "gui/publish/publishwindow.h"
#include "tests/support/qtscratchdirectory.h"
#include "tests/support/recordingshell.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>

using pagoranto::BrowserStart;
using pagoranto::EndStatus;
using pagoranto::MessageBox;
using pagoranto::PromptAnswer;
using pagoranto::Tendstatus;
using pagoranto::testing::RecordingShell;

class TendstatusTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void fixedModalWindow();
    void showButtonsFollowThePaths_data();
    void showButtonsFollowThePaths();
    void showOpensTheDirectory_data();
    void showOpensTheDirectory();
    void firstPageWithoutBrowserUsesTheDefault();
    void closingGivesItsResult_data();
    void closingGivesItsResult();
    void unreadablePicturesAreNamedAboveTheFields();
    void publishOpensThePublishWindowForThePagesFolder();

private:
    // Shows the window, runs `whileShown` inside it, then closes it with OK or the close box.
    int showAndClose(const EndStatus &status, BrowserStart choice,
                     const std::function<void()> &whileShown, bool pressOk = true);
    QPushButton *showButton(const char *field) const;
    std::string path(const QString &relative) const;
    EndStatus existingStatus() const;

    pagoranto::testing::QtScratchDirectory m_dir;
    RecordingShell m_shell;
    MessageBox m_prompts;
    std::unique_ptr<Tendstatus> m_window;
};

void TendstatusTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QDir root(m_dir.path());
    QVERIFY(root.mkpath("web/pictures"));
    QVERIFY(root.mkpath("web/thumbs"));
    QFile page(root.filePath("web/page01.html"));
    QVERIFY(page.open(QIODevice::WriteOnly));
    page.write("<html></html>");
}

void TendstatusTest::init()
{
    m_shell = RecordingShell();
    m_window = std::make_unique<Tendstatus>(m_shell, m_prompts);
    MessageBox::clearScript();
    MessageBox::setResponder([](const MessageBox::Shown &) { return PromptAnswer::Ok; });
}

void TendstatusTest::cleanup()
{
    MessageBox::clearScript();
    m_window.reset();
}

std::string TendstatusTest::path(const QString &relative) const
{
    return QDir(m_dir.path()).filePath(relative).toStdString();
}

EndStatus TendstatusTest::existingStatus() const
{
    return {path("web/"), path("web/pictures/"), path("web/thumbs/"), path("web/page01.html"), {}};
}

QPushButton *TendstatusTest::showButton(const char *field) const
{
    return m_window->findChild<QPushButton *>(QString("show_") + field);
}

int TendstatusTest::showAndClose(const EndStatus &status, BrowserStart choice,
                                 const std::function<void()> &whileShown, bool pressOk)
{
    QTimer::singleShot(0, m_window.get(), [&] {
        whileShown();
        if (pressOk)
            m_window->findChild<QPushButton *>("OK")->click();
        else
            m_window->close();
    });
    return m_window->ShowEndStatus(status, choice);
}

void TendstatusTest::fixedModalWindow()
{
    bool modalWhileShown = false;
    showAndClose(existingStatus(), BrowserStart::defaultBrowser,
                 [&] { modalWhileShown = m_window->isVisible() && m_window->isModal(); });
    QVERIFY(modalWhileShown);
    QCOMPARE(m_window->windowTitle(), QString("Creation status"));
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
}

void TendstatusTest::showButtonsFollowThePaths_data()
{
    QTest::addColumn<QString>("pages");
    QTest::addColumn<QString>("images");
    QTest::addColumn<QString>("thumbnails");
    QTest::addColumn<QString>("firstpage");
    QTest::addColumn<QString>("enabled"); // one letter per field: y or n

    QTest::newRow("all exist") << "web/"
                               << "web/pictures/"
                               << "web/thumbs/"
                               << "web/page01.html"
                               << "yyyy";
    QTest::newRow("thumbnails not made") << "web/"
                                         << "web/pictures/"
                                         << "web/nothumbs/"
                                         << "web/page01.html"
                                         << "yyny";
    QTest::newRow("first page missing") << "web/"
                                        << "web/pictures/"
                                        << "web/thumbs/"
                                        << "web/page02.html"
                                        << "yyyn";
    QTest::newRow("file where a directory is named") << "web/page01.html"
                                                     << "gone/"
                                                     << "web/thumbs/"
                                                     << "web/"
                                                     << "ynyy";
    QTest::newRow("empty fields") << ""
                                  << ""
                                  << ""
                                  << ""
                                  << "nnnn";
}

void TendstatusTest::showButtonsFollowThePaths()
{
    QFETCH(QString, pages);
    QFETCH(QString, images);
    QFETCH(QString, thumbnails);
    QFETCH(QString, firstpage);
    QFETCH(QString, enabled);

    const auto full = [&](const QString &relative) {
        return relative.isEmpty() ? std::string() : path(relative);
    };
    const EndStatus status{full(pages), full(images), full(thumbnails), full(firstpage), {}};
    QString shown;
    QString texts;
    showAndClose(status, BrowserStart::defaultBrowser, [&] {
        for (const char *field : {"d_pages", "d_images", "d_thumbnails", "d_firstpage"}) {
            shown += showButton(field)->isEnabled() ? 'y' : 'n';
            texts += m_window->findChild<QLineEdit *>(field)->text() + '|';
        }
    });
    QCOMPARE(shown, enabled);
    QCOMPARE(texts, QString::fromStdString(status.d_pages + "|" + status.d_images + "|" +
                                           status.d_thumbnails + "|" + status.d_firstpage + "|"));
    QVERIFY(m_shell.opened.empty());
}

void TendstatusTest::showOpensTheDirectory_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("opened");
    QTest::newRow("pages") << "d_pages"
                           << "web/";
    QTest::newRow("images") << "d_images"
                            << "web/pictures/";
    QTest::newRow("thumbnails") << "d_thumbnails"
                                << "web/thumbs/";
}

void TendstatusTest::showOpensTheDirectory()
{
    QFETCH(QString, field);
    QFETCH(QString, opened);
    showAndClose(existingStatus(), BrowserStart::none,
                 [&] { showButton(field.toLatin1().constData())->click(); });
    QCOMPARE(m_shell.opened, std::vector<std::string>{path(opened)});
    QVERIFY(m_shell.starts.empty());
    QVERIFY(MessageBox::shownMessages().empty());
}

void TendstatusTest::firstPageWithoutBrowserUsesTheDefault()
{
    std::size_t openedBeforeAnswer = 1;
    MessageBox::setResponder([&](const MessageBox::Shown &) {
        openedBeforeAnswer = m_shell.opened.size();
        return PromptAnswer::Ok;
    });
    showAndClose(existingStatus(), BrowserStart::none, [&] { showButton("d_firstpage")->click(); });
    QCOMPARE(MessageBox::shownMessages().size(), std::size_t(1));
    const MessageBox::Shown &shown = MessageBox::shownMessages().front();
    QCOMPARE(shown.title, std::string("ERROR"));
    QCOMPARE(shown.text,
             std::string("Please select a browser.\rThe default browser will be started !"));
    QCOMPARE(openedBeforeAnswer, std::size_t(0));
    QCOMPARE(m_shell.opened, std::vector<std::string>{path("web/page01.html")});
}

void TendstatusTest::closingGivesItsResult_data()
{
    QTest::addColumn<bool>("pressOk");
    QTest::addColumn<int>("result");
    QTest::newRow("OK") << true << int(QDialog::Accepted);
    QTest::newRow("close box") << false << int(QDialog::Rejected);
}

void TendstatusTest::closingGivesItsResult()
{
    QFETCH(bool, pressOk);
    QFETCH(int, result);
    QCOMPARE(showAndClose(
                 existingStatus(), BrowserStart::defaultBrowser, [] {}, pressOk),
             result);
    QVERIFY(!m_window->isVisible());
    // The window is reused: a second run shows it again.
    QCOMPARE(showAndClose(existingStatus(), BrowserStart::defaultBrowser, [] {}),
             int(QDialog::Accepted));
}

void TendstatusTest::unreadablePicturesAreNamedAboveTheFields()
{
    EndStatus status = existingStatus();
    status.unreadablePictures = {"a.jpg", "b.jpg", "c.jpg", "d.jpg", "e.jpg", "f.jpg", "g.jpg"};
    bool shownWithStatus = false;
    QString text;
    QString toolTip;
    QString firstPage;
    showAndClose(status, BrowserStart::defaultBrowser, [&] {
        const QLabel *line = m_window->unreadablePictures;
        shownWithStatus = line->isVisible();
        text = line->text();
        toolTip = line->toolTip();
        firstPage = m_window->d_firstpage->text();
    });
    QVERIFY(shownWithStatus);
    QCOMPARE(text, QString("7 pictures could not be read: a.jpg, b.jpg, c.jpg, d.jpg, e.jpg and 2 "
                           "more"));
    QCOMPARE(toolTip, QString("a.jpg\nb.jpg\nc.jpg\nd.jpg\ne.jpg\nf.jpg\ng.jpg"));
    QCOMPARE(firstPage, QString::fromStdString(status.d_firstpage));

    // The window is reused: the next run without such pictures shows no line.
    bool shownWithout = true;
    showAndClose(existingStatus(), BrowserStart::defaultBrowser,
                 [&] { shownWithout = m_window->unreadablePictures->isVisible(); });
    QVERIFY(!shownWithout);
}

void TendstatusTest::publishOpensThePublishWindowForThePagesFolder()
{
    QPushButton *publish = m_window->findChild<QPushButton *>("publish");
    bool shownWithoutWindow = true;
    showAndClose(existingStatus(), BrowserStart::defaultBrowser,
                 [&] { shownWithoutWindow = publish->isVisible(); });
    QVERIFY2(!shownWithoutWindow, "no Publish without a publish window");

    pagoranto::PublishSetup setup;
    setup.settingsDirectory = path("settings");
    pagoranto::PublishWindow publishWindow(setup, m_prompts, m_window.get());
    m_window->setPublishWindow(&publishWindow);
    QString shownGallery;
    showAndClose(existingStatus(), BrowserStart::defaultBrowser, [&] {
        QVERIFY(publish->isVisible() && publish->isEnabled());
        QTimer::singleShot(0, &publishWindow, [&] {
            shownGallery = publishWindow.isVisible() ? publishWindow.gallery->text() : QString();
            publishWindow.findChild<QPushButton *>("closeButton")->click();
        });
        publish->click();
    });
    QCOMPARE(shownGallery, QString::fromStdString(path("web/")));

    EndStatus missing = existingStatus();
    missing.d_pages = path("gone/");
    bool enabledForMissingPages = true;
    showAndClose(missing, BrowserStart::defaultBrowser,
                 [&] { enabledForMissingPages = publish->isEnabled(); });
    QVERIFY(!enabledForMissingPages);
}

QTEST_MAIN(TendstatusTest)
#include "tendstatus_test.moc"

// The web tools, tools and help documents of the main window.
#include "gui/options/tform1.h"
#include "gui/options/ttoolwindow.h"
#include "gui/options/twebtoolwindow.h"
#include "gui/platform/filedialog.h"
#include "gui/platform/messagebox.h"
#include "tests/support/qtchildren.h"
#include "tests/support/qtscratchdirectory.h"
#include "tests/support/shippeddefaults.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFocusEvent>
#include <QTabBar>
#include <QTimer>
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>

using namespace pagoranto;
using pagoranto::testing::Child;
namespace fs = std::filesystem;

namespace {

// Acts on a modal window as soon as it is shown.
class WhenShown : public QObject {
public:
    WhenShown(QWidget *window, std::function<void()> action)
    {
        m_timer.setInterval(0);
        connect(&m_timer, &QTimer::timeout, this, [this, window, action] {
            if (!window->isVisible())
                return;
            m_timer.stop();
            action();
        });
        m_timer.start();
    }

private:
    QTimer m_timer;
};

QStringList FileLines(const QString &file)
{
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(in.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

class TForm1ToolWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void backTrimsThePathsAndCaptionsTheMenus();
    void webToolNeedsAProgramAndATemplate();
    void toolsStartWithTheirFileInTheThumbnailerFolder();
    void documentEntriesFollowTheBrowserChoice();
    void focusOnTheFirstTabShowsItsPanelAgain();

private:
    QAction *Action(const char *name) const { return Child<QAction>(m_form.get(), name); }
    QString WriteRecordingTool(const QString &name);

    std::unique_ptr<testing::QtScratchDirectory> m_root;
    QString m_program;
    std::unique_ptr<TForm1> m_form;
};

void TForm1ToolWindowsTest::init()
{
    m_root = std::make_unique<testing::QtScratchDirectory>();
    QVERIFY(m_root->isValid());
    m_program = m_root->filePath(QStringLiteral("program/"));
    fs::create_directories(m_program.toStdString() + "thumbnailer");
    testing::KeepShippedDefaultsOut(PAGORANTO_PROGRAM_DIR, m_program.toStdString());
    MessageBox::clearScript();
    MessageBox::setResponder({});
    StartupPaths paths{m_program.toStdString(), std::string(PAGORANTO_PROGRAM_DIR) + "/",
                       m_root->path()};
    m_form = std::make_unique<TForm1>(paths, InformationTimes{0, 0});
    m_form->show();
    m_form->FormActivate();
    MessageBox::clearScript();
    MessageBox::setResponder({});
}

void TForm1ToolWindowsTest::cleanup()
{
    m_form.reset();
    MessageBox::clearScript();
    m_root.reset();
}

// A tool that writes the number of its arguments, its first argument and where it ran.
QString TForm1ToolWindowsTest::WriteRecordingTool(const QString &name)
{
    const QString tool = m_root->filePath(name);
    const QString output = tool + QStringLiteral(".out");
    std::ofstream(tool.toStdString())
        << "#!/bin/sh\nprintf '%s\\n' \"$#\" \"$1\" \"$(pwd)\" > '" << output.toStdString()
        << ".part'\nmv '" << output.toStdString() << ".part' '" << output.toStdString() << "'\n";
    fs::permissions(tool.toStdString(), fs::perms::owner_all);
    return tool;
}

void TForm1ToolWindowsTest::backTrimsThePathsAndCaptionsTheMenus()
{
    for (const char *entry : {"Webeditor11", "Webeditor21", "Webeditor31", "tool11"})
        QCOMPARE(Action(entry)->text(), QStringLiteral("?"));

    auto *webtools = Child<Twebtool_window>(m_form.get(), "Twebtool_window");
    QCOMPARE(webtools->windowTitle(), QStringLiteral("Webtool configuration"));
    WhenShown configure(webtools, [webtools] {
        webtools->webtool1_label->setText(QStringLiteral("  /usr/bin/bluefish  "));
        webtools->webtool2_label->setText(QStringLiteral("    "));
        FileDialog::setNextFileName(QStringLiteral("/opt/editors/kate"));
        Child<QPushButton>(webtools, "SpeedButton3")->click();
        Child<QPushButton>(webtools, "Button1")->click();
    });
    Action("ConfigurelistofWebeditor1")->trigger();
    QCOMPARE(webtools->webtool1_label->text(), QStringLiteral("/usr/bin/bluefish"));
    QCOMPARE(webtools->webtool2_label->text(), QString());
    QCOMPARE(m_form->settings().webTools.webtool1_label, "/usr/bin/bluefish");
    QCOMPARE(m_form->settings().webTools.webtool2_label, "");
    QCOMPARE(m_form->settings().webTools.webtool3_label, "/opt/editors/kate");
    QCOMPARE(Action("Webeditor11")->text(), QStringLiteral("bluefish"));
    QCOMPARE(Action("Webeditor21")->text(), QStringLiteral("?"));
    QCOMPARE(Action("Webeditor31")->text(), QStringLiteral("kate"));
    QCOMPARE(m_form->WebToolCaption(2), QStringLiteral("kate"));

    auto *tools = Child<Ttoolwindow>(m_form.get(), "Ttoolwindow");
    QCOMPARE(tools->windowTitle(), QStringLiteral("Tool configuration"));
    WhenShown blanks(tools, [tools] {
        tools->tool1_label->setText(QStringLiteral("   "));
        tools->tool2_label->setText(QStringLiteral(" /usr/bin/gimp"));
        Child<QPushButton>(tools, "Button1")->click();
    });
    Action("ConfigureTools1")->trigger();
    QCOMPARE(tools->tool1_label->text(), QString());
    QCOMPARE(Action("tool11")->text(), QStringLiteral("?"));
    QCOMPARE(Action("tool21")->text(), QStringLiteral("gimp"));
    QCOMPARE(m_form->settings().tools.tool2_label, "/usr/bin/gimp");
}

void TForm1ToolWindowsTest::webToolNeedsAProgramAndATemplate()
{
    const QString tool = WriteRecordingTool(QStringLiteral("editor"));
    m_form->settings().webTools.webtool1_label = tool.toStdString();
    m_form->ShowAllOptions();
    QCOMPARE(Action("Webeditor11")->text(), QStringLiteral("editor"));

    // Configured, but no template selected.
    Action("Webeditor11")->trigger();
    QCOMPARE(MessageBox::shownMessages().size(), std::size_t{1});
    QCOMPARE(MessageBox::shownMessages().back().title, "ERROR");
    QCOMPARE(MessageBox::shownMessages().back().text,
             "You did not select a layout for editing !\rFirst select a layout and then click "
             "here again.");
    // A template, but entry "?" (not configured).
    m_form->LaunchWebTool(1, "/some/layout.html");
    QCOMPARE(MessageBox::shownMessages().size(), std::size_t{2});
    m_form->LaunchWebTool(7, "/some/layout.html");
    QCOMPARE(MessageBox::shownMessages().size(), std::size_t{3});
    QTest::qWait(100);
    QVERIFY(!QFile::exists(tool + QStringLiteral(".out")));
}

void TForm1ToolWindowsTest::toolsStartWithTheirFileInTheThumbnailerFolder()
{
    const QString editor = WriteRecordingTool(QStringLiteral("editor"));
    const QString paint = WriteRecordingTool(QStringLiteral("paint"));
    m_form->settings().webTools.webtool2_label = editor.toStdString();
    m_form->settings().tools.tool3_label = paint.toStdString();
    m_form->ShowAllOptions();
    const QString thumbnailerFolder =
        QFileInfo(QStringLiteral(PAGORANTO_PROGRAM_DIR "/thumbnailer")).canonicalFilePath();

    const std::string layout = std::string(PAGORANTO_PROGRAM_DIR) + "/layouts/a \"b\" c.html";
    m_form->LaunchWebTool(1, layout);
    QTRY_VERIFY(QFile::exists(editor + QStringLiteral(".out")));
    QCOMPARE(FileLines(editor + QStringLiteral(".out")),
             QStringList({QStringLiteral("1"), QString::fromStdString(layout), thumbnailerFolder}));

    // A tool gets no file, and no empty argument in its place.
    Action("tool31")->trigger();
    QTRY_VERIFY(QFile::exists(paint + QStringLiteral(".out")));
    QCOMPARE(FileLines(paint + QStringLiteral(".out")),
             QStringList({QStringLiteral("0"), thumbnailerFolder}));
    QVERIFY(MessageBox::shownMessages().empty());
}

void TForm1ToolWindowsTest::documentEntriesFollowTheBrowserChoice()
{
    m_form->settings().additional.browserStart = BrowserStart::none;
    for (const char *entry : {"Englishversionexternalbrowser1", "DeutscheVersioninternerBrowser1",
                              "Englischcommanddescription1", "DeutscheBefehlsbeschreibung1",
                              "FAQenglish1", "FAQDeutsch1"}) {
        MessageBox::clearScript();
        MessageBox::setResponder({});
        Action(entry)->trigger();
        QCOMPARE(MessageBox::shownMessages().size(), std::size_t{1});
        QCOMPARE(MessageBox::shownMessages().back().text, "Please select a browser.");
    }
    // Without a template the template is missed before the browser.
    MessageBox::clearScript();
    MessageBox::setResponder({});
    m_form->ShowFullLayoutInBrowser();
    QCOMPARE(MessageBox::shownMessages().size(), std::size_t{1});
    QCOMPARE(MessageBox::shownMessages().back().text, "There's no template to show !");

    // The internal browser needs no choice; the menu entries show the command options tab.
    MessageBox::clearScript();
    MessageBox::setResponder({});
    auto *tabs = Child<QTabBar>(m_form.get(), "TabControl1");
    tabs->setCurrentIndex(0);
    Action("Englishversion1")->trigger();
    QCOMPARE(tabs->currentIndex(), 1);
    Child<QPushButton>(m_form.get(), "Button8")->click();
    QVERIFY(MessageBox::shownMessages().empty());
    for (const char *document :
         {"document/helpenglish.html", "document/hilfedeutsch.html", "document/frameenglisch.html",
          "document/framedeutsch.html", "document/commandse.html", "document/commands.html",
          "document/faqeng.html", "document/faq.html", "Start.htm", "changes.txt"})
        QVERIFY2(QFile::exists(QStringLiteral(PAGORANTO_PROGRAM_DIR "/") +
                               QString::fromLatin1(document)),
                 document);
}

void TForm1ToolWindowsTest::focusOnTheFirstTabShowsItsPanelAgain()
{
    auto *tabs = Child<QTabBar>(m_form.get(), "TabControl1");
    auto *thumbnails = Child<QWidget>(m_form.get(), "thumbnail");
    const auto focusTabs = [tabs] {
        QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(tabs, &focusIn);
    };
    tabs->setCurrentIndex(0);
    QVERIFY(thumbnails->isVisible());
    m_form->ShowInInternalBrowser(m_root->filePath(QStringLiteral("missing.html")));
    QVERIFY(!thumbnails->isVisible());
    focusTabs();
    QVERIFY(thumbnails->isVisible());

    // Another tab keeps what is shown.
    tabs->setCurrentIndex(1);
    m_form->ShowInInternalBrowser(m_root->filePath(QStringLiteral("missing.html")));
    focusTabs();
    QVERIFY(!thumbnails->isVisible());
}

QTEST_MAIN(TForm1ToolWindowsTest)
#include "tform1toolwindows_test.moc"
